// Leaving the game: the exit question, and closing the main window by the window manager
// while the end window is open (with the about window open, the hostile tests close it while
// its tune plays).
#include "tests/support/ExpectedPlay.h"
#include "tests/support/GameFixture.h"

namespace e2e {
namespace {

// Protects both ways out: Cancel changes nothing, OK and the title bar end the program cleanly.
class Leaving : public GameFixture {
protected:
    // A click on the close button of the main window's title bar.
    void closeMainWindow()
    {
        const std::optional<QPoint> close = desktop().closeButton(game().mainWindow());
        ASSERT_TRUE(close) << "no close button in the main window's title bar";
        desktop().click(*close);
    }

    void expectCleanEnd()
    {
        const bool ended = game().waitForExit(shortWait);
        EXPECT_TRUE(ended) << "the game is still running; windows: "
                           << desktop().visibleWindowTitles().join(' ').toStdString();
        if (!ended)
            return;
        EXPECT_TRUE(game().exitedNormally()) << "the game crashed on the way out";
        EXPECT_EQ(game().exitCode(), 0);
    }
};

TEST_F(Leaving, theExitQuestionAnsweredCancelLeavesTheGameAsItWasAndOkEndsWithStatusZero)
{
    Board dealt;
    ASSERT_NO_FATAL_FAILURE(dealNewGame(dealt));
    std::vector<int> group;
    ASSERT_NO_FATAL_FAILURE(markLargestGroup(dealt, group));
    const Board marked = withMarked(dealt, group);

    game().choose(MenuCommand::Leave);
    ASSERT_TRUE(game().answerQuestion(exitQuestionTitle, QStringLiteral("Escape")))
        << "no exit question answered; windows: " << desktop().visibleWindowTitles().join(' ').toStdString();
    const BoardSeen kept = game().waitForBoard(marked, shortWait);
    EXPECT_TRUE(kept.matched) << "Cancel changed the game\n" << kept.explain(marked);

    game().clickCell(group.back());
    const Board settled = afterRemoving(dealt, group);
    const BoardSeen goesOn = game().waitForBoard(settled, shortWait);
    EXPECT_TRUE(goesOn.matched) << "the game did not go on after Cancel\n" << goesOn.explain(settled);

    game().choose(MenuCommand::Leave);
    ASSERT_TRUE(game().answerQuestion(exitQuestionTitle, QStringLiteral("Return")))
        << "no exit question answered; windows: " << desktop().visibleWindowTitles().join(' ').toStdString();
    expectCleanEnd();
}

TEST_F(Leaving, closingTheMainWindowWithTheEndWindowOpenAsksNothingAndEndsWithStatusZero)
{
    const Board before = game().currentBoard().board;
    game().choose(MenuCommand::Nightmare);
    const BoardSeen dealt = game().waitForDealtBoard(shortWait, before);
    ASSERT_TRUE(dealt.matched) << "choosing Nightmare before any game dealt no board\n" << describe(dealt.board);
    Board board = dealt.board;
    ASSERT_NO_FATAL_FAILURE(playToTheEnd(board));
    ASSERT_TRUE(desktop().waitForWindow(endWindowTitle, shortWait)) << "no end-of-game window";
    ASSERT_NO_FATAL_FAILURE(closeMainWindow());
    expectCleanEnd();
}

} // namespace
} // namespace e2e
