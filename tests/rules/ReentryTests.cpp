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
        tk.queueEventDuring(n, [this, cell] {
            game.clickCell(cell);
            EXPECT_TRUE(invariantsHold(state(), tk)) << "after the waiting click on " << cell;
        });
    }

    // A new game that arrives while recording n starts and deals the sorted fill.
    void newGameDuring(int n)
    {
        tk.queueEventDuring(n, [this] {
            tk.queueDraws(cellDraws(unmovedCells()));
            game.newGame();
            EXPECT_TRUE(invariantsHold(state(), tk)) << "after the waiting new game";
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

    EXPECT_EQ(tk.log(), joined({{"caption groupSize ' 2'", "show 1 highlighted 1", "show 2 highlighted 1"}, soundOf(1),
                            {"show 1 normal 1", "show 2 normal 1", "caption groupSize ' 2'", "show 9 highlighted 4", "show 10 highlighted 4"},
                            soundOf(1)}));
    EXPECT_EQ(state().anchorCell, 9);
    EXPECT_TRUE(invariantsHold(state(), tk));
}

TEST_F(ReentryTest, aSecondClickWaitingOnTheGroupJustMarkedRemovesItInsideSoundOne)
{
    dealKnownBoard(twoPairBoard);
    clickDuring(1, 2);

    game.clickCell(1);

    EXPECT_EQ(state().score, 2);
    EXPECT_EQ(state().anchorCell, 0);
    EXPECT_EQ(rowsOf(state())[0], "..34512344");
    EXPECT_EQ(state().gameOver, false);
    EXPECT_TRUE(invariantsHold(state(), tk));
}

TEST_F(ReentryTest, aNewGameWaitingWhileAGroupIsMarkedLeavesAFreshBoardWithNothingMarked)
{
    dealKnownBoard(twoPairBoard);
    newGameDuring(1);

    game.clickCell(9);

    EXPECT_EQ(rowsOf(state()), rowsOf(sortedFill()));
    EXPECT_EQ(state().anchorCell, 0);
    EXPECT_EQ(tk.caption(StatusLabel::GroupSize), " 0");
    EXPECT_TRUE(invariantsHold(state(), tk));
}

TEST_F(ReentryTest, aLevelChangeWaitingWhileAGroupIsMarkedAsksThenDealsAtTheNewLevel)
{
    dealKnownBoard(twoPairBoard);
    tk.queueEventDuring(1, [this] {
        tk.answerYesNo(Answer::Yes);
        tk.queueDraws(RunDraws().idleSwaps(50).draws());
        game.chooseLevel(Level::PieceOfTokay);
    });

    game.clickCell(1);

    EXPECT_EQ(std::ranges::count(tk.log(), "yesno"), 1);
    EXPECT_EQ(state().level, Level::PieceOfTokay);
    EXPECT_EQ(rowsOf(state()), rowsOf(sortedFill()));
    EXPECT_EQ(state().anchorCell, 0);
    EXPECT_TRUE(invariantsHold(state(), tk));
}

// Protects the removal against events handled between its sound and its end test.

// A new game waiting while the last removal sounds leaves the end test a fresh board, so the
// game goes on; one waiting while the end sounds starts play while the end window still opens.
TEST_F(ReentryTest, aNewGameWaitingDuringTheLastRemovalOrTheEndOfTheGameLeavesAFreshBoardInPlay)
{
    for (const int sound : {2, 3}) {
        SCOPED_TRACE(sound);
        markTheLastPair();
        newGameDuring(sound);

        game.clickCell(2);

        EXPECT_EQ(state().gameOver, false);
        EXPECT_EQ(std::ranges::count(tk.log(), "show endWindow"), sound == 3 ? 1 : 0);
        EXPECT_EQ(tk.log().back() == "show endWindow", sound == 3);
        EXPECT_EQ(state().score, 0);
        EXPECT_EQ(rowsOf(state()), rowsOf(sortedFill()));
        EXPECT_TRUE(invariantsHold(state(), tk));
    }
}

TEST_F(ReentryTest, aLevelChangeWaitingDuringTheLastRemovalAnsweredNoLetsTheGameEnd)
{
    markTheLastPair();
    tk.queueEventDuring(2, [this] {
        tk.answerYesNo(Answer::No);
        game.chooseLevel(Level::PieceOfTokay);
    });

    game.clickCell(2);

    EXPECT_EQ(std::ranges::count(tk.log(), "yesno"), 1);
    EXPECT_EQ(state().level, Level::Nightmare);
    EXPECT_EQ(state().gameOver, true);
    EXPECT_EQ(tk.timesShown(Window::EndOfGame), 1);
    EXPECT_TRUE(invariantsHold(state(), tk));
}

TEST_F(ReentryTest, clicksWaitingDuringARemovalThatTakeTheLastPairEndTheGameTwice)
{
    dealKnownBoard(twoPairBoard);
    game.clickCell(1);
    clickDuring(2, 9);
    clickDuring(2, 9);
    tk.clearLog();

    game.clickCell(2);

    EXPECT_EQ(tk.log(), joined({{"clear 1", "clear 2", "caption score ' 2'"}, soundOf(2),
                            {"caption groupSize ' 2'", "show 9 highlighted 4", "show 10 highlighted 4"}, soundOf(1),
                            {"clear 9", "clear 10", "caption score ' 4'"}, soundOf(2), endOfGame, endOfGame}));
    EXPECT_EQ(state().gameOver, true);
    EXPECT_EQ(tk.timesShown(Window::EndOfGame), 2);
    EXPECT_EQ(state().score, 4);
    EXPECT_TRUE(invariantsHold(state(), tk));
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
        EXPECT_EQ(lastLines(tk.log(), endOfGame.size()), endOfGame);
        EXPECT_EQ(state().anchorCell, sound == 2 ? 50 : 0);
        EXPECT_EQ(tk.shown(50), (ShownPicture{3, sound == 2 ? PieceLook::Highlighted : PieceLook::Normal}));
        EXPECT_EQ(tk.eventsWaiting(), 0U);
        EXPECT_TRUE(invariantsHold(state(), tk));
    }
}

// Protects leaving against events handled inside a sound.

TEST_F(ReentryTest, anExitAnsweredOkWhileARemovalSoundsEndsTheProgramBeforeTheEndTest)
{
    markTheLastPair();
    tk.queueEventDuring(2, [this] {
        tk.answerOkCancel(Answer::Ok);
        game.askToLeave();
    });
    tk.clearLog();

    EXPECT_THROW(game.clickCell(2), ProgramEnded);

    EXPECT_EQ(lastLines(tk.log(), 4), joined({soundOf(2), {"okcancel", "end"}}));
    EXPECT_EQ(tk.timesShown(Window::EndOfGame), 0);
}

} // namespace gelumpa::test
