// Form1, the main window: the board, the frame, the status panel and the menu bar.
// It owns the game and passes every event on to it; it has no logic of its own.
#pragma once

#include <array>
#include <cstdint>

#include <QAction>
#include <QLabel>
#include <QMainWindow>

#include "game/Game.h"
#include "ui/BoardView.h"
#include "ui/PieceStores.h"
#include "ui/QtToolkit.h"
#include "ui/StatusPanel.h"

namespace gelumpa {

class Form1 : public QMainWindow {
    Q_OBJECT

public:
    static constexpr QSize clientSize{367, 398};

    explicit Form1(QtToolkit::ExitProcess exitProcess = QtToolkit::terminateProcess);

    BoardView& board() const { return *Box; }
    const PieceStores& pieces() const { return stores; }
    QLabel& label(Caption caption) const { return Picture1->label(caption); }
    QAction& menuItem(MenuArray menu, std::int16_t index) const;
    const Game& game() const { return logic; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildClientArea();
    void buildMenus();
    QAction* addChoice(QMenu& menu, const char* array, const QString& caption, std::int16_t index,
                       void (Game::*handler)(std::int16_t));

    PieceStores stores;
    QtToolkit toolkit;
    Game logic;
    BoardView* Box = nullptr;
    StatusPanel* Picture1 = nullptr;
    std::array<QAction*, 2> level1{};
    std::array<QAction*, 2> suara1{};
};

} // namespace gelumpa
