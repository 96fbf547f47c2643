// The game on a screen smaller than its window: the window keeps its size with its title
// bar on the screen, the cells that show can be played, and the exit command works.
#include "tests/support/ExpectedPlay.h"
#include "tests/support/GameFixture.h"
#include "tests/support/GameUnderTest.h"
#include "HostileSupport.h"
#include "tests/support/PiecePicture.h"
#include "tests/support/VirtualDesktop.h"
#include "tests/support/Waiting.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace e2e {
namespace {

// Protects play on small screens, where part of the window lies beyond the screen's edge:
// one smaller than the board, one that holds the board but not the panel.
class SmallScreen : public ::testing::TestWithParam<QSize> {
protected:
    void start(QSize screen)
    {
        desktop = std::make_unique<VirtualDesktop>(screen);
        QProcessEnvironment silent;
        silent.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
        game = std::make_unique<GameUnderTest>(*desktop, silent);
        ASSERT_NO_THROW(game->waitForMainWindow())
            << "no main window on a " << screen.width() << " x " << screen.height() << " screen";
        place = game->mainWindowGeometry();
        origin = game->clientOrigin();
    }

    void TearDown() override
    {
        game.reset();
        desktop.reset();
    }

    // The board as far as the screen shows it: cells beyond the edge read as unrecognised.
    Board visibleBoard()
    {
        const QImage shot = desktop->screenshot();
        QImage whole(origin.x() + clientWidth + 1, origin.y() + clientHeight + 1, QImage::Format_RGB32);
        whole.fill(Qt::black);
        QPainter(&whole).drawImage(0, 0, shot);
        return readBoard(whole, origin);
    }

    bool visible(int cell) const
    {
        const QRect area(origin + cellCorner(cell), QSize(pieceSize, pieceSize));
        return QRect(QPoint(), screenSize()).contains(area);
    }

    QSize screenSize() const { return desktop->lastScreenshot().size(); }

    // The window keeps the size it has on any screen, and its title bar and menus start on
    // the screen, where the player can reach them.
    void expectWholeWindowWithinReach()
    {
        EXPECT_EQ(place.width(), clientWidth);
        EXPECT_GT(place.height(), clientHeight);
        EXPECT_EQ(game->mainWindowGeometry().size(), place.size()) << "the window changed its size";
        const std::optional<QPoint> close = desktop->closeButton(game->mainWindow());
        ASSERT_TRUE(close) << "no close button in the title bar";
        EXPECT_GE(close->y(), 0) << "the title bar is above the screen's edge";
        EXPECT_GE(place.left(), 0) << "the window starts left of the screen's edge";
        EXPECT_GE(place.top(), 0) << "the menu bar is above the screen's edge";
    }

    // New game, then a group of two or more among the visible cells marked and removed.
    void playTheVisibleCells()
    {
        const Board design = visibleBoard();
        game->newGame();
        Board dealt;
        ASSERT_TRUE(waitUntil(shortWait, [&] {
            dealt = visibleBoard();
            for (int cell = 1; cell <= cellCount; ++cell)
                if (visible(cell) && (dealt.kind[cell] < 1 || dealt.highlighted[cell]))
                    return false;
            return dealt != design;
        })) << "no dealt board shows\n" << describe(dealt);

        int clicked = 0;
        for (int cell = 1; cell <= cellCount && clicked == 0; ++cell) {
            const bool pairRight = cell % rowLength != 0 && dealt.kind[cell + 1] == dealt.kind[cell];
            if (visible(cell) && visible(cell + 1) && pairRight)
                clicked = cell;
        }
        ASSERT_NE(clicked, 0) << "no visible pair of side neighbours\n" << describe(dealt);
        desktop->click(origin + cellCorner(clicked) + QPoint(pieceSize / 2, pieceSize / 2));
        // Every visible cell that the visible part of the group reaches shows marked, no other.
        const std::vector<int> group = groupAt(dealt, clicked);
        Board seen;
        ASSERT_TRUE(waitUntil(shortWait, [&] {
            seen = visibleBoard();
            for (const int cell : group)
                if (visible(cell) && !seen.highlighted[cell])
                    return false;
            for (int cell = 1; cell <= cellCount; ++cell)
                if (visible(cell) && seen.highlighted[cell] && dealt.kind[cell] != dealt.kind[clicked])
                    return false;
            return true;
        })) << "the click on cell " << clicked << " did not mark its group\n" << describe(seen);

        desktop->click(origin + cellCorner(clicked) + QPoint(pieceSize / 2, pieceSize / 2));
        ASSERT_TRUE(waitUntil(shortWait, [&] {
            seen = visibleBoard();
            // Only a removal takes the marking away; what fell into its place is a piece or nothing.
            for (int cell = 1; cell <= cellCount; ++cell)
                if (visible(cell) && (seen.highlighted[cell] || seen.kind[cell] == unrecognised))
                    return false;
            return true;
        })) << "the second click on cell " << clicked << " did not remove the group\n" << describe(seen);
    }

    std::unique_ptr<VirtualDesktop> desktop;
    std::unique_ptr<GameUnderTest> game;
    QRect place;
    QPoint origin;
};

TEST_P(SmallScreen, theVisibleCellsArePlayedTheWindowStaysWithinReachAndTheExitCommandWorks)
{
    ASSERT_NO_FATAL_FAILURE(start(GetParam()));
    ASSERT_NO_FATAL_FAILURE(playTheVisibleCells());
    keepScreenshot(desktop->lastScreenshot(), QStringLiteral("%1x%2").arg(GetParam().width()).arg(GetParam().height()));
    ASSERT_NO_FATAL_FAILURE(expectWholeWindowWithinReach());
    ASSERT_NO_FATAL_FAILURE(leaveWithStatusZero(*game, *desktop));
}

INSTANTIATE_TEST_SUITE_P(Sizes, SmallScreen, ::testing::Values(QSize(320, 240), QSize(400, 400)),
                         [](const ::testing::TestParamInfo<QSize>& info) {
                             return std::to_string(info.param.width()) + "x" + std::to_string(info.param.height());
                         });

} // namespace
} // namespace e2e
