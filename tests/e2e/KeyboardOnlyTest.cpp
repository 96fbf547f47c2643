// A whole game played with the keyboard alone, as a player without a mouse plays it: no
// mouse event from the first key to the end of the program, judged from screenshots.
#include "ExpectedPlay.h"
#include "GameFixture.h"
#include "PiecePicture.h"
#include "Waiting.h"

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
        QStringList steps;
        for (; rowOf(cursor) < rowOf(cell); cursor += cellsPerRow)
            steps << QStringLiteral("Down");
        for (; rowOf(cursor) > rowOf(cell); cursor -= cellsPerRow)
            steps << QStringLiteral("Up");
        for (; cursor < cell; ++cursor)
            steps << QStringLiteral("Right");
        for (; cursor > cell; --cursor)
            steps << QStringLiteral("Left");
        if (!steps.isEmpty())
            desktop().keys(steps);
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
            const bool ring = screen.pixel(corner) == qRgb(0, 0, 0)
                && screen.pixel(corner + QPoint(pieceSize - 1, pieceSize - 1)) == qRgb(0, 0, 0)
                && screen.pixel(corner + QPoint(1, 1)) == qRgb(255, 255, 255);
            const bool othersExact =
                seen.inexactCells.empty() || (seen.inexactCells.size() == 1 && seen.inexactCells.front() == cursor);
            // The ring hides what the decoder reads the cell by: the cursor's cell is checked
            // inside the ring, every pixel as its picture has it.
            bool inside = true;
            for (int y = 2; y < pieceSize - 2; ++y)
                for (int x = 2; x < pieceSize - 2; ++x)
                    inside = inside
                        && screen.pixel(corner + QPoint(x, y))
                            == expectedPixel(expected.kind[cursor], expected.highlighted[cursor], x, y);
            Board shown = seen.board;
            shown.kind[cursor] = expected.kind[cursor];
            shown.highlighted[cursor] = expected.highlighted[cursor];
            seen.matched = shown == expected && inside && othersExact && ring;
            return seen.matched || game().hasEnded();
        });
        return seen;
    }

    void keys(const QStringList& names) { desktop().keys(names); }

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
    keepScreenshot(QStringLiteral("end"));

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

} // namespace
} // namespace e2e
