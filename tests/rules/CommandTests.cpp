// The main window's start and close and its menu commands: new game, level, sound, about, exit.
#include <gtest/gtest.h>

#include "tests/rules/Fixtures.h"
#include "tests/rules/ScriptedDraws.h"

namespace gelumpa::test {

namespace {

::testing::AssertionResult sameGame(const GameState& a, const GameState& b)
{
    for (int i = 1; i <= 100; ++i)
        if (a.kind(i) != b.kind(i) || a.marked(i) != b.marked(i))
            return ::testing::AssertionFailure() << "cell " << i << " differs";
    if (a.score != b.score || a.anchorCell != b.anchorCell || a.selectionCount != b.selectionCount
        || a.gameOver != b.gameOver || a.level != b.level || a.soundOn != b.soundOn)
        return ::testing::AssertionFailure() << "the counters or flags differ";
    return ::testing::AssertionSuccess();
}

const char* const levelPrompt = "Ehm, Are you sure to restart the game ??";
const char* const levelTitle = "Belon selesai udah mo yang lain..";
const char* const exitPrompt = "Si Kumbel makan burket bakar, apa benar ente mo keluar ??";
const char* const exitTitle = "I will miss u, honey !!";

} // namespace

// Protects the start: no game until the player asks for one, and the window's design untouched.

TEST_F(GameTest, theWindowLoadsWithNoGameAtLevelOneWithSoundOnAndDealsNothing)
{
    EXPECT_TRUE(tk.log().empty());
    EXPECT_EQ(state().gameOver, true);
    EXPECT_EQ(state().level, Level::PieceOfTokay);
    EXPECT_TRUE(state().soundOn);
    EXPECT_EQ(rowsOf(state()), Rows(10, ".........."));
    EXPECT_EQ(tk.caption(StatusLabel::GroupSize), "000");
    EXPECT_EQ(tk.caption(StatusLabel::Score), "000");
}

TEST_F(GameTest, beforeTheFirstGameClicksOnCellsChangeNothing)
{
    for (int i = 1; i <= 100; ++i)
        game.clickCell(i);

    EXPECT_TRUE(tk.log().empty());
    EXPECT_EQ(state().anchorCell, 0);
    for (int i = 1; i <= 100; ++i)
        EXPECT_EQ(tk.shown(i), (ShownPicture{1, PieceLook::Normal})) << i;
}

// Protects the new-game command: at any time, without a question, counters back to " 0".

TEST_F(GameTest, aNewGameInTheMiddleOfAGameStartsOverAtOnceWithTheCountersAtZero)
{
    removeOnePairAndMarkTheOther();
    ASSERT_EQ(state().score, 2);
    tk.clearLog();

    tk.queueDraws(drawsToDeal(onePairBoard));
    game.newGame();

    // No question first and no sound: the record is the deal's alone.
    EXPECT_EQ(firstLines(tk.log(), 1), (Log{"seed"}));
    EXPECT_EQ(tk.log().back(), "caption score ' 0'");
    EXPECT_EQ(rowsOf(state()), onePairBoard);
    EXPECT_EQ(state().score, 0);
    EXPECT_EQ(state().anchorCell, 0);
    EXPECT_EQ(state().selectionCount, 0);
    EXPECT_EQ(state().gameOver, false);
    EXPECT_EQ(state().level, Level::Nightmare);
    EXPECT_EQ(tk.caption(StatusLabel::GroupSize), " 0");
    EXPECT_EQ(tk.caption(StatusLabel::Score), " 0");
    EXPECT_EQ(tk.caption(StatusLabel::Level), "Nightmare");
    EXPECT_TRUE(invariantsHold(state(), tk));
}

TEST_F(GameTest, aNewGameAfterTheEndOpensTheBoardAgainAndLeavesTheEndWindowAlone)
{
    dealKnownBoard(onePairBoard);
    game.clickCell(1);
    game.clickCell(2);
    ASSERT_EQ(state().gameOver, true);
    tk.clearLog();

    tk.queueDraws(drawsToDeal(twoPairBoard));
    game.newGame();

    EXPECT_EQ(state().gameOver, false);
    EXPECT_TRUE(tk.isOpen(Window::EndOfGame));
    for (const auto& entry : tk.log())
        EXPECT_NE(entry, "close endWindow");
    game.clickCell(9);
    EXPECT_EQ(state().selectionCount, 2);
}

// Protects the level command: same level does nothing, a running game asks first, No keeps all.

TEST_F(GameTest, choosingTheCheckedLevelDoesNothingAtAllEvenDuringAGame)
{
    game.chooseLevel(Level::PieceOfTokay);
    EXPECT_TRUE(tk.log().empty());

    removeOnePairAndMarkTheOther();
    const GameState before = state();
    tk.clearLog();

    game.chooseLevel(Level::Nightmare);

    EXPECT_TRUE(tk.log().empty());
    EXPECT_TRUE(sameGame(state(), before));
}

TEST_F(GameTest, aLevelChangeAnsweredNoOrAnExitAnsweredCancelKeepsTheGameAndItsMarkedGroupAsTheyWere)
{
    removeOnePairAndMarkTheOther();
    for (const bool leaving : {false, true}) {
        const GameState before = state();
        tk.clearLog();

        if (leaving) {
            tk.answerOkCancel(Answer::Cancel);
            game.askToLeave();
        } else {
            tk.answerYesNo(Answer::No);
            game.chooseLevel(Level::PieceOfTokay);
        }

        EXPECT_EQ(tk.log(), (Log{leaving ? "okcancel" : "yesno"}));
        EXPECT_EQ(tk.lastPrompt(), leaving ? exitPrompt : levelPrompt);
        EXPECT_EQ(tk.lastTitle(), leaving ? exitTitle : levelTitle);
        EXPECT_TRUE(sameGame(state(), before));
        EXPECT_TRUE(invariantsHold(state(), tk));
    }
}

TEST_F(GameTest, switchingLevelDuringAGameAndAnsweringYesMovesTheCheckMarkThenDealsAtTheNewLevel)
{
    dealKnownBoard(twoPairBoard);
    game.clickCell(1);
    game.clickCell(2);
    tk.clearLog();

    tk.answerYesNo(Answer::Yes);
    tk.queueDraws(RunDraws().idleSwaps(50).draws());
    game.chooseLevel(Level::PieceOfTokay);

    EXPECT_EQ(firstLines(tk.log(), 5),
        (Log{"yesno", "check nightmare off", "check pieceOfTokay on", "caption level 'Piece of Tokay'", "seed"}));
    EXPECT_EQ(state().level, Level::PieceOfTokay);
    EXPECT_EQ(rowsOf(state()), rowsOf(sortedFill()));
    EXPECT_EQ(state().score, 0);
    EXPECT_EQ(tk.drawsLeft(), 0U);
    EXPECT_TRUE(invariantsHold(state(), tk));
}

TEST_F(GameTest, switchingLevelBeforeTheFirstGameOrAfterTheEndAsksNothingAndDealsAtOnce)
{
    tk.queueDraws(drawsToDeal(onePairBoard));
    game.chooseLevel(Level::Nightmare);
    EXPECT_EQ(tk.caption(StatusLabel::Level), "Nightmare");

    game.clickCell(1);
    game.clickCell(2);
    ASSERT_EQ(state().gameOver, true);
    tk.clearLog();

    tk.queueDraws(RunDraws().idleSwaps(50).draws());
    game.chooseLevel(Level::PieceOfTokay);

    EXPECT_EQ(firstLines(tk.log(), 3),
        (Log{"check nightmare off", "check pieceOfTokay on", "caption level 'Piece of Tokay'"}));
    EXPECT_EQ(state().gameOver, false);
    EXPECT_TRUE(invariantsHold(state(), tk));
}

// Protects the sound switch and that every sound waits on it.

TEST_F(GameTest, theSoundItemsMoveTheCheckMarkAndSetSoundOnWithoutStartingOrStoppingASound)
{
    game.setSoundOn(false);
    EXPECT_EQ(tk.log(), (Log{"check soundOn off", "check soundOff on"}));
    EXPECT_FALSE(state().soundOn);

    game.setSoundOn(false);
    EXPECT_FALSE(state().soundOn);
    EXPECT_TRUE(tk.checked(MenuItem::SoundOff));
    EXPECT_FALSE(tk.checked(MenuItem::SoundOn));

    tk.clearLog();
    game.setSoundOn(true);
    EXPECT_EQ(tk.log(), (Log{"check soundOff off", "check soundOn on"}));
    EXPECT_TRUE(state().soundOn);
}

// Protects the about command: its sound starts before the window is created and shown.

TEST_F(GameTest, aboutPlaysSoundFourThenLoadsAndShowsTheAboutWindow)
{
    game.showCredits();
    EXPECT_EQ(tk.log(), joined({soundOf(4), {"create aboutWindow", "show aboutWindow"}}));

    tk.clearLog();
    game.setSoundOn(false);
    game.showCredits();
    EXPECT_EQ(tk.log(), (Log{"check soundOn off", "check soundOff on", "create aboutWindow", "show aboutWindow"}));
}

// Protects leaving: exit asks and ends at once on OK (Cancel: with the level's No above);
// closing the window asks nothing.

TEST_F(GameTest, exitAnsweredOkEndsTheProgramAtOnceWhetherOrNotAGameRuns)
{
    tk.answerOkCancel(Answer::Ok);
    EXPECT_THROW(game.askToLeave(), ProgramEnded);
    EXPECT_EQ(tk.log(), (Log{"okcancel", "end"}));
    EXPECT_EQ(tk.lastPrompt(), exitPrompt);
}

TEST_F(GameTest, closingTheMainWindowUnloadsTheAboutAndEndWindowsWithoutAQuestion)
{
    game.showCredits();
    tk.clearLog();

    game.closeWindows();

    EXPECT_EQ(tk.log(), (Log{"close aboutWindow", "close endWindow"}));
    EXPECT_FALSE(tk.isOpen(Window::About));
}

} // namespace gelumpa::test
