// Moves as the player makes them: the group a click marks and the mark moving, and a whole
// game played, each removal checked on screen, until the end-of-game window greets the player.
#include "ExpectedPlay.h"
#include "GameFixture.h"
#include "PiecePicture.h"
#include "ScreenArea.h"
#include "Waiting.h"

namespace e2e {
namespace {

// Protects the two clicks of a move and the end of a game, checked cell by cell on screen.
class Play : public GameFixture {};

constexpr QRgb red = 0xffff0000;

TEST_F(Play, aClickMarksExactlyTheConnectedGroupAndAClickElsewhereMovesTheMark)
{
    Board dealt;
    ASSERT_NO_FATAL_FAILURE(dealNewGame(dealt));
    const std::vector<int> group = largestGroup(dealt);
    ASSERT_FALSE(group.empty()) << "the dealt board holds no group of two\n" << describe(dealt);

    const int clicked = group[group.size() / 2];
    game().clickCell(clicked);
    const Board marked = withMarked(dealt, group);
    const BoardSeen seen = game().waitForBoard(marked, shortWait);
    EXPECT_TRUE(seen.matched) << "clicked cell " << clicked << '\n' << seen.explain(marked);

    const int elsewhere = firstPieceOutside(dealt, {group});
    game().clickCell(elsewhere);
    const Board moved = withMarked(dealt, groupAt(dealt, elsewhere));
    const BoardSeen movedSeen = game().waitForBoard(moved, shortWait);
    EXPECT_TRUE(movedSeen.matched) << "clicked cell " << elsewhere << '\n' << movedSeen.explain(moved);
}

TEST_F(Play, aWholeGamePlayedToItsEndShowsTheEndWindowWhichClosesOnAClick)
{
    Board board;
    ASSERT_NO_FATAL_FAILURE(dealNewGame(board));
    ASSERT_NO_FATAL_FAILURE(playToTheEnd(board));

    const std::optional<WindowId> end = desktop().waitForWindow(endWindowTitle, shortWait);
    ASSERT_TRUE(end) << "no end-of-game window; windows: " << desktop().visibleWindowTitles().join(' ').toStdString();
    const QRect window = desktop().geometry(*end);
    EXPECT_EQ(window.size(), QSize(381, 241));
    EXPECT_TRUE(desktop().frameless(*end)) << "the end window has a frame or title bar";

    const QRect whiteStrip(window.right() - 5, window.top(), 6, window.height());
    const QRect heading(window.center().x(), window.top(), window.width() / 2, window.height() / 3);
    const bool pictureShown = waitUntil(shortWait, [&] {
        const QImage screen = desktop().screenshot();
        return countPixels(screen, whiteStrip, [](QRgb pixel) { return pixel != white; }) == 0 &&
               countPixels(screen, heading, [](QRgb pixel) { return looksLike(pixel, red); }) > 100;
    });
    keepScreenshot(QStringLiteral("end-window"));
    EXPECT_TRUE(pictureShown) << "no white strip at the right edge and red heading at the top right";

    desktop().click(window.center());
    EXPECT_TRUE(desktop().waitForNoWindow(endWindowTitle, shortWait)) << "the end window stayed after a click";
    const BoardSeen last = game().waitForBoard(board, shortWait);
    EXPECT_TRUE(last.matched) << "the board changed with the end window's closing\n" << last.explain(board);
}

} // namespace
} // namespace e2e
