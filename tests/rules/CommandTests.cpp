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

// Protects the start: no game until the player asks for one, and the window's design state as
// the game describes it to the windows, untouched.

TEST_F(GameTest, theWindowOpensWithNoGameAtLevelOneWithSoundOnAndClicksChangeNothingUntilTheFirstDeal)
{
    for (int i = 1; i <= 100; ++i)
        game.clickCell(i);

    EXPECT_TRUE(windows.log().empty());
    EXPECT_EQ(state().gameOver, true);
    EXPECT_EQ(state().anchorCell, 0);
    EXPECT_EQ(state().level, Level::PieceOfTokay);
    EXPECT_TRUE(state().soundOn);
    EXPECT_EQ(rowsOf(state()), Rows(10, ".........."));
    EXPECT_EQ(windows.value(StatusLabel::GroupSize), "000");
    EXPECT_EQ(windows.value(StatusLabel::Score), "000");
    EXPECT_EQ(windows.value(StatusLabel::Level), "Piece of Tokay");
    EXPECT_TRUE(windows.checked(MenuItem::PieceOfTokay) && !windows.checked(MenuItem::Nightmare));
    EXPECT_TRUE(windows.checked(MenuItem::SoundOn) && !windows.checked(MenuItem::SoundOff));
    for (int i = 1; i <= 100; ++i)
        EXPECT_EQ(windows.shown(i), (ShownPicture{1, PieceLook::Normal})) << i;
}

// Protects the new-game command: at any time, without a question, counters back to " 0".

TEST_F(GameTest, aNewGameInTheMiddleOfAGameStartsOverAtOnceWithTheCountersAtZero)
{
    removeOnePairAndMarkTheOther();
    ASSERT_EQ(state().score, 2);
    windows.clearLog();

    windows.queueDraws(drawsToDeal(onePairBoard));
    game.newGame();

    // No question first and no sound: the record is the deal's alone.
    EXPECT_EQ(firstLines(windows.log(), 1), (Log{"seed"}));
    EXPECT_EQ(windows.log().back(), "value score ' 0'");
    EXPECT_EQ(rowsOf(state()), onePairBoard);
    EXPECT_EQ(state().score, 0);
    EXPECT_EQ(state().anchorCell, 0);
    EXPECT_EQ(state().selectionCount, 0);
    EXPECT_EQ(state().gameOver, false);
    EXPECT_EQ(state().level, Level::Nightmare);
    // The panel: the invariants hold it to the counters.
    EXPECT_TRUE(invariantsHold(state(), windows));
}

TEST_F(GameTest, aNewGameAfterTheEndOpensTheBoardAgainAndLeavesTheEndWindowAlone)
{
    dealKnownBoard(onePairBoard);
    game.clickCell(1);
    game.clickCell(2);
    ASSERT_EQ(state().gameOver, true);
    windows.clearLog();

    windows.queueDraws(drawsToDeal(twoPairBoard));
    game.newGame();

    EXPECT_EQ(state().gameOver, false);
    EXPECT_TRUE(windows.isOpen(Window::EndOfGame));
    for (const auto& entry : windows.log())
        EXPECT_NE(entry, "close endWindow");
    game.clickCell(9);
    EXPECT_EQ(state().selectionCount, 2);
}

// Protects the level command: same level does nothing, a running game asks first, No keeps all.

TEST_F(GameTest, choosingTheCheckedLevelDoesNothingAtAllEvenDuringAGame)
{
    game.chooseLevel(Level::PieceOfTokay);
    EXPECT_TRUE(windows.log().empty());

    removeOnePairAndMarkTheOther();
    const GameState before = state();
    windows.clearLog();

    game.chooseLevel(Level::Nightmare);

    EXPECT_TRUE(windows.log().empty());
    EXPECT_TRUE(sameGame(state(), before));
}

TEST_F(GameTest, aLevelChangeAnsweredNoOrAnExitAnsweredCancelKeepsTheGameAndItsMarkedGroupAsTheyWere)
{
    removeOnePairAndMarkTheOther();
    for (const bool leaving : {false, true}) {
        const GameState before = state();
        windows.clearLog();

        if (leaving) {
            windows.answerOkCancel(Answer::Cancel);
            game.askToLeave();
        } else {
            windows.answerYesNo(Answer::No);
            game.chooseLevel(Level::PieceOfTokay);
        }

        EXPECT_EQ(windows.log(), (Log{leaving ? "okcancel" : "yesno"}));
        EXPECT_EQ(windows.lastPrompt(), leaving ? exitPrompt : levelPrompt);
        EXPECT_EQ(windows.lastTitle(), leaving ? exitTitle : levelTitle);
        EXPECT_TRUE(sameGame(state(), before));
        EXPECT_TRUE(invariantsHold(state(), windows));
    }
}

TEST_F(GameTest, switchingLevelDuringAGameAndAnsweringYesMovesTheCheckMarkThenDealsAtTheNewLevel)
{
    dealKnownBoard(twoPairBoard);
    game.clickCell(1);
    game.clickCell(2);
    windows.clearLog();

    windows.answerYesNo(Answer::Yes);
    windows.queueDraws(RunDraws().idleSwaps(50).draws());
    game.chooseLevel(Level::PieceOfTokay);

    EXPECT_EQ(firstLines(windows.log(), 5),
        (Log{"yesno", "check nightmare off", "check pieceOfTokay on", "value level 'Piece of Tokay'", "seed"}));
    EXPECT_EQ(state().level, Level::PieceOfTokay);
    EXPECT_EQ(rowsOf(state()), rowsOf(sortedFill()));
    EXPECT_EQ(state().score, 0);
    EXPECT_EQ(windows.drawsLeft(), 0U);
    EXPECT_TRUE(invariantsHold(state(), windows));
}

TEST_F(GameTest, switchingLevelBeforeTheFirstGameOrAfterTheEndAsksNothingAndDealsAtOnce)
{
    windows.queueDraws(drawsToDeal(onePairBoard));
    game.chooseLevel(Level::Nightmare);
    EXPECT_EQ(windows.value(StatusLabel::Level), "Nightmare");

    game.clickCell(1);
    game.clickCell(2);
    ASSERT_EQ(state().gameOver, true);
    windows.clearLog();

    windows.queueDraws(RunDraws().idleSwaps(50).draws());
    game.chooseLevel(Level::PieceOfTokay);

    EXPECT_EQ(firstLines(windows.log(), 3),
        (Log{"check nightmare off", "check pieceOfTokay on", "value level 'Piece of Tokay'"}));
    EXPECT_EQ(state().gameOver, false);
    EXPECT_TRUE(invariantsHold(state(), windows));
}

// Protects the sound switch and that every sound waits on it.

TEST_F(GameTest, theSoundItemsMoveTheCheckMarkAndSetSoundOnWithoutStartingOrStoppingASound)
{
    game.setSoundOn(false);
    EXPECT_EQ(windows.log(), (Log{"check soundOn off", "check soundOff on"}));
    EXPECT_FALSE(state().soundOn);

    game.setSoundOn(false);
    EXPECT_FALSE(state().soundOn);
    EXPECT_TRUE(windows.checked(MenuItem::SoundOff));
    EXPECT_FALSE(windows.checked(MenuItem::SoundOn));

    windows.clearLog();
    game.setSoundOn(true);
    EXPECT_EQ(windows.log(), (Log{"check soundOff off", "check soundOn on"}));
    EXPECT_TRUE(state().soundOn);
}

// Protects the about command: its sound starts before the window is created and shown.

TEST_F(GameTest, aboutPlaysSoundFourThenCreatesAndShowsTheAboutWindow)
{
    game.showCredits();
    EXPECT_EQ(windows.log(), joined({soundOf(4), {"create aboutWindow", "show aboutWindow"}}));

    windows.clearLog();
    game.setSoundOn(false);
    game.showCredits();
    EXPECT_EQ(windows.log(), (Log{"check soundOn off", "check soundOff on", "create aboutWindow", "show aboutWindow"}));
}

// Protects leaving: exit asks and ends at once on OK (Cancel: with the level's No above);
// closing the window asks nothing.

TEST_F(GameTest, exitAnsweredOkEndsTheProgramAtOnceWhetherOrNotAGameRuns)
{
    windows.answerOkCancel(Answer::Ok);
    EXPECT_THROW(game.askToLeave(), ProgramEnded);
    EXPECT_EQ(windows.log(), (Log{"okcancel", "end"}));
    EXPECT_EQ(windows.lastPrompt(), exitPrompt);
}

TEST_F(GameTest, closingTheMainWindowClosesTheAboutAndEndWindowsWithoutAQuestion)
{
    game.showCredits();
    windows.clearLog();

    game.closeWindows();

    EXPECT_EQ(windows.log(), (Log{"close aboutWindow", "close endWindow"}));
    EXPECT_FALSE(windows.isOpen(Window::About));
}

} // namespace gelumpa::test
