// The main window as the player first sees it.
#include "tests/support/ExpectedPlay.h"
#include "tests/support/GameFixture.h"
#include "tests/support/ScreenArea.h"

namespace e2e {
namespace {

// Protects the main window's look: its size, the design-state board, the frame and the panel.
class MainWindow : public GameFixture {};

constexpr QRect frameArea{16, 8, 337, 337};
constexpr QRect cellsArea{24, 16, 320, 320};

// Every client pixel outside the panel and the cells: the 3 px black frame, white elsewhere.
int pixelsOffTheFrameAndGround(const QImage& screen, QPoint origin)
{
    int wrong = 0;
    for (int y = 0; y < clientHeight; ++y)
        for (int x = 0; x < clientWidth; ++x) {
            const QPoint p(x, y);
            if (panelArea.contains(p) || cellsArea.contains(p))
                continue;
            const bool onFrame = frameArea.contains(p) && !frameArea.adjusted(3, 3, -3, -3).contains(p);
            wrong += screen.pixel(origin + p) != (onFrame ? black : white) ? 1 : 0;
        }
    return wrong;
}

TEST_F(MainWindow, opensAsOneHundredLightBrownPiecesInsideTheFrameAboveTheBlackPanel)
{
    const QRect window = game().mainWindowGeometry();
    const QPoint origin = game().clientOrigin();
    EXPECT_EQ(window.width(), clientWidth);
    EXPECT_EQ(origin.x(), window.x());
    EXPECT_GT(origin.y(), window.y()) << "no menu bar above the client area";
    EXPECT_EQ(window.bottom() + 1 - origin.y(), clientHeight) << "height of the client area below the menu bar";

    const BoardSeen seen = game().waitForBoard(designBoard(), shortWait);
    EXPECT_TRUE(seen.matched) << seen.explain(designBoard());

    keepScreenshot(QStringLiteral("design-state"));
    const QImage& screen = desktop().lastScreenshot();
    EXPECT_EQ(pixelsOffTheFrameAndGround(screen, origin), 0);

    const QRect panel = panelArea.translated(origin);
    const int panelBlack = countPixels(screen, panel, [](QRgb pixel) { return pixel == black; });
    EXPECT_GT(panelBlack, panel.width() * panel.height() * 3 / 4) << "the panel is not black";
    EXPECT_EQ(countPixels(screen, QRect(panel.right(), panel.top(), 1, panel.height()),
                          [](QRgb pixel) { return pixel != black; }), 0)
        << "something runs into the panel's right edge and is cut off there";
    EXPECT_EQ(countPixels(screen, QRect(panel.left(), panel.bottom(), panel.width(), 1),
                          [](QRgb pixel) { return pixel != black; }), 0) << "the panel's bottom edge";

    EXPECT_EQ(unwrittenTexts(screen, origin), "");
}

} // namespace
} // namespace e2e
