// The real gelumpa process on a virtual desktop, seen and driven as a player would: its main
// window found on screen, cells clicked, menu commands typed through the access keys.
#pragma once

#include "tests/support/BoardPicture.h"
#include "tests/support/GameProcess.h"
#include "tests/support/VirtualDesktop.h"

#include <QProcessEnvironment>

#include <chrono>
#include <string>
#include <vector>

namespace e2e {

inline const QString mainWindowTitle = QStringLiteral("^Gelumpa Dravenik 1\\.0$");
inline const QString endWindowTitle = QStringLiteral("^Form2$");
inline const QString aboutWindowTitle = QStringLiteral("^About MyApp$");
inline const QString exitQuestionTitle = QStringLiteral("^I will miss u, honey !!$");
inline const QString restartQuestionTitle = QStringLiteral("^Belon selesai udah mo yang lain\\.\\.$");

inline constexpr int clientWidth = 367;
inline constexpr int clientHeight = 398;

// The menu commands, each typed through the access keys as the player types them.
enum class MenuCommand { NewGame, PieceOfTokay, Nightmare, SoundOn, SoundOff, About, Leave };
QStringList menuKeys(MenuCommand command);

// What a wait for a board found: the last board decoded and the cells not drawn exactly.
struct BoardSeen {
    bool matched = false;
    Board board;
    std::vector<int> inexactCells;
    std::string explain(const Board& expected) const;
    // The line naming the inexact cells; empty when there are none.
    std::string inexactReport() const;
    // When the one inexact cell shows the cursor's ring (black on its outermost pixels, white
    // at the corner inside) around the picture its ball and ground stand for, exact inside the
    // ring: reads that picture into the board, clears the inexact cells and gives the cell;
    // otherwise 0.
    int readCursorCell(const QImage& screen, QPoint clientOrigin);
};

class GameUnderTest : public GameProcess {
public:
    // Starts the game on the desktop with these arguments; `extra` adds to the desktop's environment.
    GameUnderTest(const VirtualDesktop& desktop, const QProcessEnvironment& extra, const QStringList& arguments = {});

    // Waits for the main window and its board frame on screen (on a screen too small for the
    // window, for the window alone); throws std::runtime_error otherwise.
    void waitForMainWindow();
    WindowId mainWindow() const { return window; }
    QRect mainWindowGeometry() const { return desktop.geometry(window); }
    // The screen position of the client area's top left corner, found from the board frame.
    QPoint clientOrigin() const { return origin; }

    BoardSeen currentBoard() const;
    // Polls until the board shows `expected` with every cell drawn exactly.
    BoardSeen waitForBoard(const Board& expected, std::chrono::milliseconds timeout) const;
    // Polls until a freshly dealt board shows in place of `replaced`: 20 pieces of each kind,
    // none highlighted.
    BoardSeen waitForDealtBoard(std::chrono::milliseconds timeout, const Board& replaced) const;

    QPoint cellCentre(int cell) const;
    void clickCell(int cell) const;

    void choose(MenuCommand command) const;
    void newGame() const { choose(MenuCommand::NewGame); }
    void about() const { choose(MenuCommand::About); }
    void exitCommand() const { choose(MenuCommand::Leave); }
    // Clicks a picture window, which closes it; it is raised first, since it never takes the
    // keys and so stays behind the main window once that is activated. Throws when xdotool fails.
    void clickAway(WindowId pictureWindow) const;
    // Answers the modal question with this title by a key ("Return", "Escape") once it is shown.
    bool answerQuestion(const QString& titlePattern, const QString& key) const;

private:
    const VirtualDesktop& desktop;
    WindowId window = 0;
    QPoint origin;
};

} // namespace e2e
