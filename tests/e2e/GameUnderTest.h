// The real gelumpa process on a virtual desktop, seen and driven as a player would: its main
// window found on screen, cells clicked, menu commands typed through the access keys.
#pragma once

#include "BoardPicture.h"
#include "VirtualDesktop.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

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

// What a wait for a board found: the last board decoded and the cells not drawn exactly.
struct BoardSeen {
    bool matched = false;
    Board board;
    std::vector<int> inexactCells;
    std::string explain(const Board& expected) const;
};

class GameUnderTest {
public:
    // Starts the game on the desktop; `extra` adds to the desktop's environment.
    GameUnderTest(const VirtualDesktop& desktop, const QProcessEnvironment& extra, const QStringList& arguments = {});
    ~GameUnderTest();
    GameUnderTest(const GameUnderTest&) = delete;
    GameUnderTest& operator=(const GameUnderTest&) = delete;

    // Waits for the main window and its board frame on screen (on a screen too small for the
    // window, for the window alone); throws std::runtime_error otherwise.
    void waitForMainWindow();
    WindowId mainWindow() const { return window; }
    QRect mainWindowGeometry() const { return desktop.geometry(window); }
    // The screen position of the client area's top left corner, found from the board frame.
    QPoint clientOrigin() const { return origin; }
    qint64 processId() const { return process.processId(); }

    BoardSeen currentBoard() const;
    // Polls until the board shows `expected` with every cell drawn exactly.
    BoardSeen waitForBoard(const Board& expected, std::chrono::milliseconds timeout) const;
    // Polls until a freshly dealt board shows in place of `replaced`: 20 pieces of each kind,
    // none highlighted.
    BoardSeen waitForDealtBoard(std::chrono::milliseconds timeout, const Board& replaced) const;

    QPoint cellCentre(int cell) const;
    void clickCell(int cell) const;

    void newGame() const;
    void chooseLevel(int level) const;
    void chooseSound(bool on) const;
    void about() const;
    void exitCommand() const;
    // Answers the modal question with this title by a key ("Return", "Escape") once it is shown.
    bool answerQuestion(const QString& titlePattern, const QString& key) const;

    // Waits for the game to end; a test that waits for the end expects it, so it is no fault.
    bool waitForExit(std::chrono::milliseconds timeout);
    bool exitedNormally() const { return process.exitStatus() == QProcess::NormalExit; }
    int exitCode() const { return process.exitCode(); }
    bool hasEnded() const;

    // What AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer wrote about the game;
    // empty when they found nothing (or the game is not built with them).
    std::string sanitizerReports() const;
    // Fails the running test with the faults of the game not reported yet: a sanitizer report,
    // or an end no test waited for (a crash, a sanitizer abort). The destructor checks once more
    // after ending the game, so every suite gets this without asking.
    void checkForFaults();

private:
    void typeInMenus(const QStringList& keys) const;
    QByteArray errorOutput() const;
    std::string faults() const;

    const VirtualDesktop& desktop;
    // The game's own runtime directory, as a desktop session would give it one. The sanitizers'
    // reports and the game's standard error output are kept there to be read; the destructor
    // passes the output on to the test's.
    QTemporaryDir runtimeDirectory;
    // Mutable because looking whether the game has ended collects its exit status.
    mutable QProcess process;
    bool endAwaited = false;
    std::string reportedFaults;
    WindowId window = 0;
    QPoint origin;
};

} // namespace e2e
