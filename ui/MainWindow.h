// The main window: the board, the frame, the status panel and the menu bar.
// It owns the game and passes every event on to it; it has no logic of its own.
#pragma once

#include <array>
#include <memory>

#include <QAction>
#include <QLabel>
#include <QMainWindow>

#include "core/EnumTable.h"
#include "game/Game.h"
#include "ui/BoardView.h"
#include "ui/ClockChance.h"
#include "ui/GameWindows.h"
#include "ui/PieceStores.h"
#include "ui/ProgramEnd.h"
#include "ui/SoundAndEventLoop.h"
#include "ui/StatusPanel.h"

namespace gelumpa {

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    static constexpr QSize clientSize{367, 398};

    explicit MainWindow(ProgramEnd programEnd = endProgram, PieceSet pieceSet = PieceSet::Plain);
    ~MainWindow() override;

    BoardView& board() { return *boardView; }
    const BoardView& board() const { return *boardView; }
    const QLabel& label(StatusLabel label) const { return panel->label(label); }
    QAction& menuItem(MenuItem item) { return *checkedItems[indexOf(item)]; }
    const QAction& menuItem(MenuItem item) const { return *checkedItems[indexOf(item)]; }
    const Game& game() const { return *logic; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void buildClientArea();
    void buildMenus();
    void handKeysBackAfter(QMenu& menu);
    void centreOnScreen();
    template <typename Choice>
    QAction* addChoice(QMenu& menu, const char* name, const QString& caption, void (Game::*handler)(Choice),
                       Choice choice);

    PieceStores stores;
    BoardView* boardView = nullptr;
    StatusPanel* panel = nullptr;
    // Indexed by MenuItem.
    std::array<QAction*, countOf<MenuItem>> checkedItems{};
    std::unique_ptr<GameWindows> gameWindows;
    ClockChance chance;
    SoundAndEventLoop program;
    std::unique_ptr<Game> logic;
    bool centredInFrame = false;
};

} // namespace gelumpa
