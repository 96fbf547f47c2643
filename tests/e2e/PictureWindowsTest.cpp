// The about window as the player meets it: the credits picture beside the running game.
#include "ExpectedPlay.h"
#include "GameFixture.h"
#include "ScreenArea.h"
#include "Waiting.h"

namespace e2e {
namespace {

// Protects the about window: its picture, its single instance, its closing by a click.
class AboutWindow : public GameFixture {};

// The credits picture's dark brown ground.
bool darkBrown(QRgb pixel)
{
    const int r = qRed(pixel);
    const int g = qGreen(pixel);
    const int b = qBlue(pixel);
    return r >= 30 && r <= 160 && g < r && b < g && r - b >= 20;
}

TEST_F(AboutWindow, showsTheCreditsOnceHoweverOftenAskedBesideAPlayableGameAndClosesOnAClick)
{
    Board dealt;
    ASSERT_NO_FATAL_FAILURE(dealNewGame(dealt));

    game().about();
    const std::optional<WindowId> about = desktop().waitForWindow(aboutWindowTitle, shortWait);
    ASSERT_TRUE(about) << "no about window; windows: " << desktop().visibleWindowTitles().join(' ').toStdString();
    const QRect window = desktop().geometry(*about);
    EXPECT_EQ(window.size(), QSize(363, 215));
    EXPECT_TRUE(desktop().frameless(*about)) << "the about window has a frame or title bar";
    const auto creditsShown = [&] {
        return countPixels(desktop().screenshot(), window, darkBrown) > window.width() * window.height() / 3;
    };
    EXPECT_TRUE(waitUntil(shortWait, creditsShown)) << "no credits picture on a dark brown ground";
    keepScreenshot(QStringLiteral("about-window"));

    // The click is handled after the second about command, so once its mark shows, that
    // command has been handled too.
    game().about();
    const int clicked = firstPieceClearOf(dealt, window);
    ASSERT_NE(clicked, 0) << "the about window hides the whole board";
    game().clickCell(clicked);
    EXPECT_TRUE(waitForHighlight(clicked)) << "the game beside the about window did not take a click";
    EXPECT_EQ(desktop().visibleWindows(aboutWindowTitle).size(), 1);

    desktop().activate(*about);
    EXPECT_TRUE(waitUntil(shortWait, creditsShown)) << "the about window did not come to the front";
    desktop().click(window.center());
    EXPECT_TRUE(desktop().waitForNoWindow(aboutWindowTitle, shortWait)) << "the about window stayed after a click";
    const Board marked = withMarked(dealt, groupAt(dealt, clicked));
    const BoardSeen after = game().waitForBoard(marked, shortWait);
    EXPECT_TRUE(after.matched) << "the game changed with the about window's closing\n" << after.explain(marked);
}

} // namespace
} // namespace e2e
