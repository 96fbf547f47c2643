// Leaving while a sound plays and the game runs waiting events inside the click that started
// it: a click and the way out are sent in one go, so they are queued together.
#include "tests/support/DiskAudio.h"
#include "tests/support/ExpectedPlay.h"
#include "tests/support/GameFixture.h"
#include "HostileSupport.h"
#include "tests/support/PiecePicture.h"
#include "tests/support/Waiting.h"

#include <optional>
#include <string>
#include <vector>

namespace e2e {
namespace {

// More than the window manager's title bar and border, around a window's inside.
constexpr int titleBarRoom = 32;

// One way out, queued behind a click on a piece, with the about window and its tune there or not.
struct WayOut {
    const char* name;
    bool aboutTune;
    bool groupMarkedBefore;
    bool titleBarClose; // else the exit command
};

// Protects both ways out when they arrive inside a sound's event pumping: status 0, every
// window gone, whether or not the about window and its tune are there too.
class LeavingDuringSound : public GameFixture, public ::testing::WithParamInterface<WayOut> {
protected:
    QProcessEnvironment gameEnvironment() const override { return audio.environment(); }

    // xdotool arguments for a click on the cell's centre.
    QStringList clickOn(int cell)
    {
        const QPoint centre = game().cellCentre(cell);
        return {QStringLiteral("mousemove"), QString::number(centre.x()), QString::number(centre.y()),
                QStringLiteral("click"), QStringLiteral("1")};
    }

    void sendTogether(const QStringList& xdotoolArguments)
    {
        desktop().activate(game().mainWindow());
        ASSERT_EQ(desktop().run(QStringLiteral("xdotool"), xdotoolArguments).exitCode, 0)
            << "xdotool " << xdotoolArguments.join(QLatin1Char(' ')).toStdString();
    }

    // The first piece the about window, when open, does not hide: one in the top rows, as a rule,
    // where the exit question, centred on the main window, does not hide it either.
    int freeCell(const Board& board) { return firstPieceClearOf(board, frameOf(about)); }

    // Where a window lies on the screen, its title bar included; nowhere for no window.
    QRect frameOf(const std::optional<WindowId>& window)
    {
        return window ? desktop().geometry(*window).adjusted(-titleBarRoom, -titleBarRoom, 0, 0) : QRect();
    }

    // The pieces of the group at `cell` that neither the about window nor the question (its title
    // bar included) hides.
    std::vector<int> visiblePart(const Board& board, int cell, WindowId question)
    {
        const QRect questionFrame = frameOf(question);
        const QRect aboutFrame = frameOf(about);
        std::vector<int> seen;
        for (const int member : groupAt(board, cell)) {
            const QRect area(game().clientOrigin() + cellCorner(member), QSize(pieceSize, pieceSize));
            if (!area.intersects(questionFrame) && !area.intersects(aboutFrame))
                seen.push_back(member);
        }
        return seen;
    }

    // The exit command's keys, at once after the click; the question finds the click handled.
    void clickThenExitCommand(const Board& board)
    {
        const int cell = freeCell(board);
        const QStringList exitKeys{QStringLiteral("key"),  QStringLiteral("--delay"), QStringLiteral("0"),
                                   QStringLiteral("alt+h"), QStringLiteral("Left"),   QStringLiteral("Left"),
                                   QStringLiteral("x")};
        ASSERT_NO_FATAL_FAILURE(sendTogether(clickOn(cell) + exitKeys));
        const std::optional<WindowId> question = desktop().waitForWindow(exitQuestionTitle, shortWait);
        ASSERT_TRUE(question) << "no exit question; windows: "
                              << desktop().visibleWindowTitles().join(' ').toStdString();
        const std::vector<int> seen = visiblePart(board, cell, *question);
        ASSERT_FALSE(seen.empty()) << "the windows hide the whole group at cell " << cell;
        const Board shown = game().currentBoard().board;
        for (const int member : seen)
            EXPECT_TRUE(shown.highlighted[member]) << "the click on cell " << cell << " was lost\n" << describe(shown);
        ASSERT_NO_FATAL_FAILURE(confirmExit(game(), desktop()));
    }

    // A click on the title bar's close button, at once after the click on the cell.
    void clickThenClose(const Board& board)
    {
        const std::optional<QPoint> close = desktop().closeButton(game().mainWindow());
        ASSERT_TRUE(close) << "no close button in the main window's title bar";
        const QStringList closeClick{QStringLiteral("mousemove"), QString::number(close->x()),
                                     QString::number(close->y()), QStringLiteral("click"), QStringLiteral("1")};
        ASSERT_NO_FATAL_FAILURE(sendTogether(clickOn(freeCell(board)) + closeClick));
    }

    void openAboutWithItsTune()
    {
        game().about();
        about = desktop().waitForWindow(aboutWindowTitle, shortWait);
        ASSERT_TRUE(about) << "no about window";
        ASSERT_TRUE(waitUntil(shortWait, [this] { return audio.holdsSound(); })) << "the about tune was not heard";
    }

    void expectCleanExit()
    {
        ASSERT_NO_FATAL_FAILURE(expectExitWithStatusZero(game(), desktop()));
        for (const QString& title : {mainWindowTitle, endWindowTitle, aboutWindowTitle, exitQuestionTitle})
            EXPECT_TRUE(desktop().visibleWindows(title).isEmpty()) << "a window is left: " << title.toStdString();
    }

    DiskAudio audio;
    std::optional<WindowId> about;
};

TEST_P(LeavingDuringSound, queuedBehindAClickEndsTheGameWithStatusZero)
{
    const WayOut& way = GetParam();
    Board board;
    ASSERT_NO_FATAL_FAILURE(dealNewGame(board));
    if (way.aboutTune) {
        ASSERT_NO_FATAL_FAILURE(openAboutWithItsTune());
    }
    std::vector<int> group;
    if (way.groupMarkedBefore) {
        ASSERT_NO_FATAL_FAILURE(markLargestGroup(board, group));
    }
    if (way.titleBarClose) {
        ASSERT_NO_FATAL_FAILURE(clickThenClose(board));
    } else {
        ASSERT_NO_FATAL_FAILURE(clickThenExitCommand(board));
    }
    expectCleanExit();
}

INSTANTIATE_TEST_SUITE_P(EitherWay, LeavingDuringSound,
                         ::testing::Values(WayOut{"theExitCommand", false, false, false},
                                           WayOut{"theTitleBarCloseWithAGroupMarked", false, true, true},
                                           WayOut{"theExitCommandWhileTheAboutTunePlays", true, false, false},
                                           WayOut{"theTitleBarCloseWhileTheAboutTunePlays", true, false, true}),
                         [](const ::testing::TestParamInfo<WayOut>& info) { return std::string(info.param.name); });

} // namespace
} // namespace e2e
