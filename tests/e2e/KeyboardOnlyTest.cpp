// A whole game played with the keyboard alone, as a player without a mouse plays it (no
// mouse event from the first key to the end of the program, judged from screenshots), and
// played as a blind player hears it from Orca.
#include "tests/support/CursorCell.h"
#include "tests/support/ExpectedPlay.h"
#include "tests/support/GameFixture.h"
#include "tests/support/PiecePicture.h"
#include "ReaderSession.h"
#include "tests/support/Waiting.h"

#include <thread>

namespace e2e {
namespace {

// Protects keyboard play: the board has the keys from the start and keeps them beside the
// end window, the cursor walks by arrows and Space and Return act on its cell as clicks do,
// the menus and the exit question answer their keys.
class KeyboardOnly : public GameFixture {
protected:
    // Walks the cursor to the cell with arrow keys.
    void walkTo(int cell)
    {
        while (rowOf(cursor) != rowOf(cell) && !HasFailure())
            step(rowOf(cursor) < rowOf(cell) ? QStringLiteral("Down") : QStringLiteral("Up"),
                 rowOf(cursor) < rowOf(cell) ? cellsPerRow : -cellsPerRow);
        while (cursor != cell && !HasFailure())
            step(cursor < cell ? QStringLiteral("Right") : QStringLiteral("Left"), cursor < cell ? 1 : -1);
    }

    virtual void step(const QString& key, int move)
    {
        keys({key});
        cursor += move;
    }

    // Waits for the board with the cursor's ring on its cell: black on the cell's outermost
    // pixel, white just inside; the cursor's cell alone may differ from its plain picture.
    BoardSeen waitForBoardWithCursor(const Board& expected)
    {
        BoardSeen seen;
        waitUntil(shortWait, [&] {
            seen = game().currentBoard();
            const QImage& screen = desktop().lastScreenshot();
            const QPoint corner = game().clientOrigin() + cellCorner(cursor);
            const bool othersExact =
                seen.inexactCells.empty() || (seen.inexactCells.size() == 1 && seen.inexactCells.front() == cursor);
            seen.matched = othersExact && showsCursorRing(screen, corner)
                && readInsideRing(screen, corner, cursor, seen.board) && seen.board == expected;
            return seen.matched || game().hasEnded();
        });
        return seen;
    }

    virtual void keys(const QStringList& names) { desktop().keys(names); }

    static int rowOf(int cell) { return (cell - 1) / cellsPerRow + 1; }
    static constexpr int cellsPerRow = 10;
    int cursor = 1;
};

TEST_F(KeyboardOnly, aWholeGameASecondDealAndTheExitAreDoneWithKeysAlone)
{
    const Board design = game().currentBoard().board;
    keys(menuKeys(MenuCommand::NewGame));
    BoardSeen seen = game().waitForDealtBoard(shortWait, design);
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
        for (int cell = 1; cell <= cellCount; ++cell) {
            const QRect area(game().clientOrigin() + cellCorner(cell), QSize(pieceSize, pieceSize));
            if (!area.intersects(cover) && (shown.kind[cell] == 0 || shown.highlighted[cell]))
                return false;
        }
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
            session.waitForQuiet(std::chrono::milliseconds(300), speechWait);
            const QStringList chord = name.split(QLatin1Char('+'));
            for (const QString& key : chord)
                press(QStringLiteral("keydown"), key);
            for (auto key = chord.crbegin(); key != chord.crend(); ++key)
                press(QStringLiteral("keyup"), *key);
        }
    }

    void press(const QString& direction, const QString& key)
    {
        desktop().run(QStringLiteral("xdotool"), {direction, key});
        std::this_thread::sleep_for(std::chrono::milliseconds(80));
    }

    // The index of the next line spoken that matches, after the lines heard so far.
    int hear(const QString& pattern)
    {
        const int found = session.waitForSpeech(QRegularExpression(QStringLiteral("^") + pattern + QStringLiteral("$")),
                                                heard, speechWait);
        if (found >= 0)
            heard = found + 1;
        return found;
    }

    // Each step waits until Orca has told the new place, so no key meets a busy reader.
    void step(const QString& key, int move) override
    {
        KeyboardOnly::step(key, move);
        EXPECT_GE(hear(QStringLiteral("row %1, column %2\\.").arg(rowOf(cursor)).arg((cursor - 1) % cellsPerRow + 1)), 0)
            << "no place told after " << key.toStdString() << ": " << heardSoFar();
    }

    std::string heardSoFar() const { return session.spoken().join(QStringLiteral(" | ")).toStdString(); }

    // Longer than Qt's wait for the registry's answer to a key.
    static constexpr std::chrono::milliseconds speechWait{40000};
    ReaderSession session;
    int heard = 0;
};

const QStringList pictureNames{"empty", "light-brown ball", "green ball", "red ball", "pale turquoise ball",
                               "magenta ball"};

TEST_F(ScreenReader, orcaSpeaksTheCellWithItsPlaceTheGroupTheScoreAndTheEnd)
{
    session.startReader(desktop().environment());
    ASSERT_GE(hear(QStringLiteral("Screen reader on\\.")), 0) << "Orca did not start: " << heardSoFar();
    desktop().activate(game().mainWindow());
    ASSERT_GE(hear(QStringLiteral("Board\\.")), 0) << "Orca did not hear the board: " << heardSoFar();

    const Board design = game().currentBoard().board;
    keys(menuKeys(MenuCommand::NewGame));
    const BoardSeen seen = game().waitForDealtBoard(shortWait, design);
    ASSERT_TRUE(seen.matched) << "the menu keys dealt no game: " << heardSoFar();
    Board board = seen.board;

    keys({QStringLiteral("Right")});
    cursor = 2;
    const QString secondBall = QRegularExpression::escape(pictureNames[board.kind[2]]);
    EXPECT_GE(hear(secondBall + QStringLiteral("\\.")), 0) << "no ball named after Right: " << heardSoFar();
    EXPECT_GE(hear(QStringLiteral("row 1, column 2\\.")), 0) << "no place after Right: " << heardSoFar();

    // The first group by keys, the rest by clicks: with Orca on, a key now and then waits for
    // Qt's call to the registry to time out, and a whole game by keys would take minutes.
    std::vector<int> group = largestGroup(board);
    ASSERT_NO_FATAL_FAILURE(walkTo(group.front()));
    keys({QStringLiteral("space")});
    ASSERT_GE(hear(QStringLiteral("notification Selected %1\\.").arg(group.size())), 0)
        << "no group size after Space on cell " << cursor << ": " << heardSoFar();
    keys({QStringLiteral("Return")});
    int score = static_cast<int>(group.size());
    board = afterRemoving(board, group);
    ASSERT_GE(hear(QStringLiteral("notification Score %1\\.").arg(score)), 0) << "no score after Return: " << heardSoFar();
    while (hasMoveLeft(board)) {
        group = largestGroup(board);
        game().clickCell(group.front());
        ASSERT_GE(hear(QStringLiteral("notification Selected %1\\.").arg(group.size())), 0)
            << "no group size after a click on cell " << group.front() << ": " << heardSoFar();
        game().clickCell(group.front());
        score += static_cast<int>(group.size());
        board = afterRemoving(board, group);
        // The end's news, with the score, follows the last removal at once and cuts its score short.
        if (!hasMoveLeft(board))
            break;
        ASSERT_GE(hear(QStringLiteral("notification Score %1\\.").arg(score)), 0)
            << "no score after a second click: " << heardSoFar();
    }
    EXPECT_GE(hear(QStringLiteral("notification Game over, Score %1\\.").arg(score)), 0)
        << "no end heard: " << heardSoFar();
}

} // namespace
} // namespace e2e
