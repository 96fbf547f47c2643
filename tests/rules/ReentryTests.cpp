// Events that arrive while a sound starts run inside the handler that played it: the state
// stays sound, and the end test judges the board as those events left it.
#include <algorithm>

#include <gtest/gtest.h>

#include "tests/rules/Fixtures.h"
#include "tests/rules/ScriptedDraws.h"

namespace gelumpa::test {

namespace {

class ReentryTest : public GameTest {
protected:
    // Deals onePairBoard and marks its pair, the only one: removing it ends the game.
    void markTheLastPair()
    {
        dealKnownBoard(onePairBoard);
        game.clickCell(1);
    }

    // A click that arrives while recording n starts, checked like any handler.
    void clickDuring(int n, int cell)
    {
        windows.queueEventDuring(n, [this, cell] {
            game.clickCell(cell);
            EXPECT_TRUE(invariantsHold(state(), windows)) << "after the waiting click on " << cell;
        });
    }
};

} // namespace

// Protects marking against events handled inside its sound.

TEST_F(ReentryTest, aClickWaitingWhileAGroupIsMarkedRunsInsideSoundOneAndMovesTheMarking)
{
    dealKnownBoard(twoPairBoard);
    clickDuring(1, 9);

    game.clickCell(1);

    EXPECT_EQ(windows.log(), joined({{"value groupSize ' 2'", "show 1 highlighted 1", "show 2 highlighted 1"}, soundOf(1),
                            {"show 1 normal 1", "show 2 normal 1", "value groupSize ' 2'", "show 9 highlighted 4", "show 10 highlighted 4"},
                            soundOf(1)}));
    EXPECT_EQ(state().anchorCell, 9);
    EXPECT_TRUE(invariantsHold(state(), windows));
}

TEST_F(ReentryTest, aLevelChangeWaitingWhileAGroupIsMarkedAsksThenDealsAtTheNewLevel)
{
    dealKnownBoard(twoPairBoard);
    windows.queueEventDuring(1, [this] {
        windows.answerYesNo(Answer::Yes);
        windows.queueDraws(RunDraws().idleSwaps(50).draws());
        game.chooseLevel(Level::PieceOfTokay);
    });

    game.clickCell(1);

    EXPECT_EQ(std::ranges::count(windows.log(), "yesno"), 1);
    EXPECT_EQ(state().level, Level::PieceOfTokay);
    EXPECT_EQ(rowsOf(state()), rowsOf(sortedFill()));
    EXPECT_EQ(state().anchorCell, 0);
    EXPECT_TRUE(invariantsHold(state(), windows));
}

// Protects the removal against events handled between its sound and its end test.

// A new game waiting while the last removal sounds leaves the end test a fresh board, so the
// game goes on; one waiting while the end sounds starts play while the end window still opens.
TEST_F(ReentryTest, aNewGameWaitingDuringTheLastRemovalOrTheEndOfTheGameLeavesAFreshBoardInPlay)
{
    for (const int sound : {2, 3}) {
        SCOPED_TRACE(sound);
        markTheLastPair();
        windows.queueEventDuring(sound, [this] {
            windows.queueDraws(cellDraws(unmovedCells()));
            game.newGame();
            EXPECT_TRUE(invariantsHold(state(), windows)) << "after the waiting new game";
        });

        game.clickCell(2);

        EXPECT_EQ(state().gameOver, false);
        EXPECT_EQ(std::ranges::count(windows.log(), "show endWindow"), sound == 3 ? 1 : 0);
        EXPECT_EQ(windows.log().back() == "show endWindow", sound == 3);
        EXPECT_EQ(state().score, 0);
        EXPECT_EQ(rowsOf(state()), rowsOf(sortedFill()));
        EXPECT_TRUE(invariantsHold(state(), windows));
    }
}

TEST_F(ReentryTest, aLevelChangeWaitingDuringTheLastRemovalAnsweredNoLetsTheGameEnd)
{
    markTheLastPair();
    windows.queueEventDuring(2, [this] {
        windows.answerYesNo(Answer::No);
        game.chooseLevel(Level::PieceOfTokay);
    });

    game.clickCell(2);

    EXPECT_EQ(std::ranges::count(windows.log(), "yesno"), 1);
    EXPECT_EQ(state().level, Level::Nightmare);
    EXPECT_EQ(state().gameOver, true);
    EXPECT_EQ(windows.timesShown(Window::EndOfGame), 1);
    EXPECT_TRUE(invariantsHold(state(), windows));
}

TEST_F(ReentryTest, clicksWaitingDuringARemovalThatTakeTheLastPairEndTheGameTwice)
{
    dealKnownBoard(twoPairBoard);
    game.clickCell(1);
    clickDuring(2, 9);
    clickDuring(2, 9);
    windows.clearLog();

    game.clickCell(2);

    EXPECT_EQ(windows.log(), joined({{"clear 1", "clear 2", "value score ' 2'"}, soundOf(2),
                            {"value groupSize ' 2'", "show 9 highlighted 4", "show 10 highlighted 4"}, soundOf(1),
                            {"clear 9", "clear 10", "value score ' 4'"}, soundOf(2), endOfGame, endOfGame}));
    EXPECT_EQ(state().gameOver, true);
    EXPECT_EQ(windows.timesShown(Window::EndOfGame), 2);
    EXPECT_EQ(state().score, 4);
    EXPECT_TRUE(invariantsHold(state(), windows));
}

// A click waiting while the last removal sounds marks a piece that stays marked as the game
// ends; one waiting while the end sounds is already ignored.
TEST_F(ReentryTest, aClickWaitingDuringTheLastRemovalMarksAPieceThatStaysMarkedButOneDuringTheEndIsIgnored)
{
    for (const int sound : {2, 3}) {
        SCOPED_TRACE(sound);
        markTheLastPair();
        clickDuring(sound, 50);

        game.clickCell(2);

        EXPECT_EQ(state().gameOver, true);
        EXPECT_EQ(lastLines(windows.log(), endOfGame.size()), endOfGame);
        EXPECT_EQ(state().anchorCell, sound == 2 ? 50 : 0);
        EXPECT_EQ(windows.shown(50), (ShownPicture{3, sound == 2 ? PieceLook::Highlighted : PieceLook::Normal}));
        EXPECT_EQ(windows.eventsWaiting(), 0U);
        EXPECT_TRUE(invariantsHold(state(), windows));
    }
}

// Protects leaving against events handled inside a sound.

TEST_F(ReentryTest, anExitAnsweredOkWhileARemovalSoundsEndsTheProgramBeforeTheEndTest)
{
    markTheLastPair();
    windows.queueEventDuring(2, [this] {
        windows.answerOkCancel(Answer::Ok);
        game.askToLeave();
    });
    windows.clearLog();

    EXPECT_THROW(game.clickCell(2), ProgramEnded);

    EXPECT_EQ(lastLines(windows.log(), 4), joined({soundOf(2), {"okcancel", "end"}}));
    EXPECT_EQ(windows.timesShown(Window::EndOfGame), 0);
}

} // namespace gelumpa::test
