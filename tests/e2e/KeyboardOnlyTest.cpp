// A whole game played with the keyboard alone, as a player without a mouse plays it (no
// mouse event from the first key to the end of the program, judged from screenshots), and
// played as a blind player hears it from Orca.
#include "tests/support/ExpectedPlay.h"
#include "tests/support/GameFixture.h"
#include "tests/support/PiecePicture.h"
#include "ReaderSession.h"
#include "tests/support/Waiting.h"

#include <algorithm>
#include <thread>

namespace e2e {
namespace {

// Protects keyboard play: the board has the keys from the start and keeps them beside the
// end window, the cursor walks by arrows and Space and Return act on its cell as clicks do,
// the menus and the exit question answer their keys.
class KeyboardOnly : public GameFixture {
protected:
    // Walks the cursor to the cell with arrow keys, rows first.
    void walkTo(int cell)
    {
        while (cursor != cell && !HasFailure()) {
            const int rows = (cell - 1) / rowLength - (cursor - 1) / rowLength;
            const int move = rows > 0 ? rowLength : rows < 0 ? -rowLength : cell > cursor ? 1 : -1;
            keys({move == rowLength ? "Down" : move == -rowLength ? "Up" : move == 1 ? "Right" : "Left"});
            cursor += move;
            stepped();
        }
    }
    virtual void stepped() {}
    virtual void keys(const QStringList& names) { desktop().keys(names); }

    // Waits for the board with the cursor's ring on the cursor's cell, read inside the ring.
    BoardSeen waitForBoardWithCursor(const Board& expected)
    {
        BoardSeen seen;
        waitUntil(shortWait, [&] {
            seen = game().currentBoard();
            seen.matched = seen.readCursorCell(desktop().lastScreenshot(), game().clientOrigin()) == cursor
                && seen.board == expected;
            return seen.matched || game().hasEnded();
        });
        return seen;
    }

    int cursor = 1;
};

TEST_F(KeyboardOnly, aWholeGameASecondDealAndTheExitAreDoneWithKeysAlone)
{
    keys(menuKeys(MenuCommand::NewGame));
    BoardSeen seen = game().waitForDealtBoard(shortWait, designBoard());
    ASSERT_TRUE(seen.matched) << "the menu keys dealt no game\n" << describe(seen.board);
    Board board = seen.board;

    for (int removal = 1; hasMoveLeft(board); ++removal) {
        SCOPED_TRACE("removal " + std::to_string(removal));
        const std::vector<int> group = largestGroup(board);
        walkTo(group.front());
        keys({QStringLiteral("space")});
        const Board marked = withMarked(board, group);
        seen = waitForBoardWithCursor(marked);
        ASSERT_TRUE(seen.matched) << "Space on cell " << cursor << " did not mark its group under the cursor\n"
                                  << seen.explain(marked);
        keys({QStringLiteral("Return")});
        board = afterRemoving(board, group);
        if (!hasMoveLeft(board))
            break;
        seen = waitForBoardWithCursor(board);
        ASSERT_TRUE(seen.matched) << "Return on cell " << cursor << " did not remove the marked group\n"
                                  << seen.explain(board);
    }
    const std::optional<WindowId> end = desktop().waitForWindow(endWindowTitle, shortWait);
    ASSERT_TRUE(end) << "no end window after the last removal";
    e2e::keepScreenshot(desktop().screenshot(), QStringLiteral("end"));

    // The end window is in front, but the keys stay with the main window: the next game is
    // dealt with the end window still over the board.
    const QRect cover = desktop().frameGeometry(*end);
    keys(menuKeys(MenuCommand::NewGame));
    const bool dealt = waitUntil(shortWait, [&] {
        const Board shown = game().currentBoard().board;
        for (int cell = 1; cell <= cellCount; ++cell)
            if (!cover.intersects(QRect(game().clientOrigin() + cellCorner(cell), QSize(pieceSize, pieceSize)))
                && (shown.kind[cell] == emptyCell || shown.highlighted[cell]))
                return false;
        return true;
    });
    ASSERT_TRUE(dealt) << "the menu keys dealt no second game beside the end window\n"
                       << describe(game().currentBoard().board);
    ASSERT_FALSE(desktop().visibleWindows(endWindowTitle).isEmpty()) << "a key closed the end window";

    keys(menuKeys(MenuCommand::Leave));
    ASSERT_TRUE(desktop().waitForWindow(exitQuestionTitle, shortWait)) << "no exit question";
    keys({QStringLiteral("Return")});
    ASSERT_TRUE(game().waitForExit(shortWait)) << "Return on the exit question did not end the game";
    EXPECT_TRUE(game().exitedNormally());
    EXPECT_EQ(game().exitCode(), 0);
}

// Protects what a blind player hears: the cell the cursor moves to with its row and column,
// the size of a marked group, the score after a removal and the end with the final score.
class ScreenReader : public KeyboardOnly {
protected:
    QProcessEnvironment gameEnvironment() const override { return session.environment(GameFixture::gameEnvironment()); }

    // Slowly, each key down and up on its own: with Orca on, Qt hands every key to the
    // accessibility registry first, and a fast burst loses keys.
    void keys(const QStringList& names) override
    {
        for (const QString& name : names) {
            session.waitForQuiet();
            QStringList chord = name.split(QLatin1Char('+'));
            for (const QString& key : chord)
                press(QStringLiteral("keydown"), key);
            std::reverse(chord.begin(), chord.end());
            for (const QString& key : chord)
                press(QStringLiteral("keyup"), key);
        }
    }

    void press(const QString& direction, const QString& key)
    {
        desktop().run(QStringLiteral("xdotool"), {direction, key});
        std::this_thread::sleep_for(std::chrono::milliseconds(80));
    }

    // Each step waits until Orca has told the new place, so no key meets a busy reader.
    void stepped() override
    {
        EXPECT_TRUE(session.hear(QStringLiteral("row %1, column %2\\.").arg((cursor - 1) / rowLength + 1).arg((cursor - 1) % rowLength + 1)))
            << "no place told for cell " << cursor << ": " << heardSoFar();
    }

    std::string heardSoFar() const { return session.spoken().join(QStringLiteral(" | ")).toStdString(); }

    ReaderSession session;
};

TEST_F(ScreenReader, orcaSpeaksTheCellWithItsPlaceTheGroupTheScoreAndTheEnd)
{
    session.startReader(desktop().environment());
    ASSERT_TRUE(session.hear(QStringLiteral("Screen reader on\\."))) << "Orca did not start: " << heardSoFar();
    desktop().activate(game().mainWindow());
    ASSERT_TRUE(session.hear(QStringLiteral("Board\\."))) << "Orca did not hear the board: " << heardSoFar();
    keys(menuKeys(MenuCommand::NewGame));
    const BoardSeen seen = game().waitForDealtBoard(shortWait, designBoard());
    ASSERT_TRUE(seen.matched) << "the menu keys dealt no game: " << heardSoFar();
    Board board = seen.board;

    keys({QStringLiteral("Right")});
    cursor = 2;
    const QStringList ballNames{"light-brown", "green", "red", "pale turquoise", "magenta"};
    EXPECT_TRUE(session.hear(ballNames[board.kind[2] - 1] + QStringLiteral(" ball\\."))) << "no ball named: " << heardSoFar();
    EXPECT_TRUE(session.hear(QStringLiteral("row 1, column 2\\."))) << "no place after Right: " << heardSoFar();

    // The first group by keys, the rest by clicks: with Orca on, a key now and then waits for
    // Qt's call to the registry to time out, and a whole game by keys would take minutes.
    const std::vector<int> group = largestGroup(board);
    ASSERT_NO_FATAL_FAILURE(walkTo(group.front()));
    keys({QStringLiteral("space")});
    ASSERT_TRUE(session.hear(QStringLiteral("notification Selected %1\\.").arg(group.size())))
        << "no group size after Space on cell " << cursor << ": " << heardSoFar();
    keys({QStringLiteral("Return")});
    board = afterRemoving(board, group);
    ASSERT_TRUE(session.hear(QStringLiteral("notification Score %1\\.").arg(group.size()))) << "no score: " << heardSoFar();
    ASSERT_NO_FATAL_FAILURE(playToTheEnd(board));
    const auto score = std::count(board.kind.begin() + 1, board.kind.end(), emptyCell);
    EXPECT_TRUE(session.hear(QStringLiteral("notification Game over, Score %1\\.").arg(score))) << "no end heard: " << heardSoFar();
}

} // namespace
} // namespace e2e
