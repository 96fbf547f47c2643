// What the hostile-environment tests share; see HostileSupport.h.
#include "HostileSupport.h"

#include "tests/support/ExpectedPlay.h"


#include <gtest/gtest.h>


namespace e2e {

void markPromptly(GameUnderTest& game, const Board& board, int cell)
{
    game.clickCell(cell);
    const Board marked = withMarked(board, groupAt(board, cell));
    ASSERT_TRUE(waitUntil(highlightDeadline, [&] { return game.currentBoard().board == marked; }))
        << "a click on cell " << cell << " was not shown marked within " << highlightDeadline.count() << " ms\n"
        << game.currentBoard().explain(marked);
}

void confirmExit(GameUnderTest& game, const VirtualDesktop& desktop)
{
    ASSERT_TRUE(game.answerQuestion(exitQuestionTitle, QStringLiteral("Return")))
        << "no exit question; windows: " << desktop.visibleWindowTitles().join(' ').toStdString();
}

void expectExitWithStatusZero(GameUnderTest& game, const VirtualDesktop& desktop)
{
    ASSERT_TRUE(game.waitForExit(std::chrono::seconds(10)))
        << "the game is still running; windows: " << desktop.visibleWindowTitles().join(' ').toStdString();
    EXPECT_TRUE(game.exitedNormally()) << "the game crashed on the way out";
    EXPECT_EQ(game.exitCode(), 0);
}

void leaveWithStatusZero(GameUnderTest& game, const VirtualDesktop& desktop)
{
    game.exitCommand();
    ASSERT_NO_FATAL_FAILURE(confirmExit(game, desktop));
    ASSERT_NO_FATAL_FAILURE(expectExitWithStatusZero(game, desktop));
}

} // namespace e2e
