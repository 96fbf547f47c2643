// The main window as the player first sees it, and the level question in the middle of a game.
#include "tests/support/ExpectedPlay.h"
#include "tests/support/GameFixture.h"
#include "tests/support/PiecePicture.h"
#include "tests/support/ScreenArea.h"
#include "tests/support/Waiting.h"

namespace e2e {
namespace {

// Protects the main window's look: its size, the design-state board, the frame and the panel.
class MainWindow : public GameFixture {};

constexpr QRect frameArea{16, 8, 337, 337};
constexpr QRect cellsArea{24, 16, 320, 320};
constexpr QRect panelArea{16, 352, 337, 41};
constexpr QRgb yellow = 0xffffff00;
constexpr QRgb green = 0xff00ff00;
constexpr QRgb red = 0xffff0000;
constexpr QRgb cyan = 0xff00ffff;

// The panel's labels in client coordinates, at the places and sizes of their design captions.
QRect panelLabel(int x, int y, int width, int height)
{
    return QRect(x, y, width, height).translated(panelArea.topLeft());
}

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

    const auto textIn = [&](QRect label, QRgb colour) {
        return countPixels(screen, label.translated(origin), [colour](QRgb pixel) { return looksLike(pixel, colour); });
    };
    EXPECT_GT(textIn(panelLabel(0, 0, 42, 13), white), 10) << "\"Score :\" in white";
    EXPECT_GT(textIn(panelLabel(48, 2, 22, 13), green), 10) << "the score in green";
    EXPECT_GT(textIn(panelLabel(80, 0, 40, 13), white), 10) << "\"Level :\" in white";
    EXPECT_GT(textIn(panelLabel(120, 1, 87, 13), red), 10) << "the level name in red";
    EXPECT_GT(textIn(panelLabel(0, 16, 45, 13), white), 10) << "\"Select :\" in white";
    EXPECT_GT(textIn(panelLabel(48, 16, 22, 13), cyan), 10) << "the group size in cyan";
    EXPECT_GT(textIn(panelLabel(216, 8, 113, 24), yellow), 30) << "\"Orvane 2003\" in yellow";
}

// Protects the level question as the player meets it: No keeps the board and its name, Yes deals.
class Dealing : public GameFixture {};

TEST_F(Dealing, switchingLevelMidGameAsksFirstKeepsTheGameOnNoAndDealsAfreshOnYes)
{
    Board dealt;
    ASSERT_NO_FATAL_FAILURE(dealNewGame(dealt));
    const QRect levelName = panelLabel(120, 1, 87 + 40, 13).translated(game().clientOrigin());
    const auto redText = [&] {
        return countPixels(desktop().screenshot(), levelName, [](QRgb pixel) { return looksLike(pixel, red); });
    };
    const int tokayText = redText();

    game().choose(MenuCommand::Nightmare);
    ASSERT_TRUE(game().answerQuestion(restartQuestionTitle, QStringLiteral("Escape")))
        << "no restart question answered; windows: " << desktop().visibleWindowTitles().join(' ').toStdString();
    const BoardSeen kept = game().waitForBoard(dealt, shortWait);
    EXPECT_TRUE(kept.matched) << kept.explain(dealt);
    EXPECT_EQ(redText(), tokayText) << "the level name changed although the player said No";

    game().choose(MenuCommand::Nightmare);
    ASSERT_TRUE(game().answerQuestion(restartQuestionTitle, QStringLiteral("Return")));
    const BoardSeen nightmare = game().waitForDealtBoard(shortWait, dealt);
    EXPECT_TRUE(nightmare.matched) << "no new board after Yes\n" << describe(nightmare.board);
    EXPECT_TRUE(waitUntil(shortWait, [&] { return redText() != tokayText; }))
        << "the level name still reads as before";
}

} // namespace
} // namespace e2e
