// The main window's load and unload and its menu commands: new game, level, sound, about, exit.
#include <gtest/gtest.h>

#include "tests/rules/Fixtures.h"
#include "tests/rules/ScriptedDraws.h"

namespace gelumpa::test {

namespace {

::testing::AssertionResult sameGame(const GameState& a, const GameState& b)
{
    for (std::int16_t i = 1; i <= 100; ++i)
        if (a.kind(i) != b.kind(i) || a.mark(i) != b.mark(i))
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
    EXPECT_EQ(state().gameOver, vbTrue);
    EXPECT_EQ(state().level, 1);
    EXPECT_TRUE(state().soundOn);
    EXPECT_EQ(rowsOf(state()), Rows(10, ".........."));
    EXPECT_EQ(tk.caption(Caption::posisilbl), "000");
    EXPECT_EQ(tk.caption(Caption::scorelbl), "000");
}

TEST_F(GameTest, beforeTheFirstGameClicksOnCellsChangeNothing)
{
    for (std::int16_t i = 1; i <= 100; ++i)
        game.Box_Click(i);

    EXPECT_TRUE(tk.log().empty());
    EXPECT_EQ(state().anchorCell, 0);
    for (std::int16_t i = 1; i <= 100; ++i)
        EXPECT_EQ(tk.shown(i), (ShownPicture{1, PieceLook::Normal})) << i;
}

// Protects the new-game command: at any time, without a question, counters back to " 0".

TEST_F(GameTest, aNewGameInTheMiddleOfAGameStartsOverAtOnceWithTheCountersAtZero)
{
    dealKnownBoard(twoPairBoard);
    game.Box_Click(1);
    game.Box_Click(2);
    game.Box_Click(9);
    ASSERT_EQ(state().score, 2);
    const int soundsBefore = tk.soundsStarted();
    tk.clearLog();

    tk.queueDraws(drawsToDeal(onePairBoard));
    game.play1_Click();

    EXPECT_EQ(tk.questionsAsked(), 0);
    EXPECT_EQ(tk.soundsStarted(), soundsBefore);
    EXPECT_EQ(rowsOf(state()), onePairBoard);
    EXPECT_EQ(state().score, 0);
    EXPECT_EQ(state().anchorCell, 0);
    EXPECT_EQ(state().selectionCount, 0);
    EXPECT_EQ(state().gameOver, vbFalse);
    EXPECT_EQ(state().level, 2);
    EXPECT_EQ(tk.caption(Caption::posisilbl), " 0");
    EXPECT_EQ(tk.caption(Caption::scorelbl), " 0");
    EXPECT_EQ(tk.caption(Caption::levellbl), "Nightmare");
    EXPECT_TRUE(invariantsHold(state(), tk));
}

TEST_F(GameTest, aNewGameAfterTheEndOpensTheBoardAgainAndLeavesTheEndWindowAlone)
{
    dealKnownBoard(onePairBoard);
    game.Box_Click(1);
    game.Box_Click(2);
    ASSERT_EQ(state().gameOver, vbTrue);
    tk.clearLog();

    tk.queueDraws(drawsToDeal(twoPairBoard));
    game.play1_Click();

    EXPECT_EQ(state().gameOver, vbFalse);
    EXPECT_TRUE(tk.isLoaded(Window::Form2));
    for (const auto& entry : tk.log())
        EXPECT_NE(entry, "unload Form2");
    game.Box_Click(9);
    EXPECT_EQ(state().selectionCount, 2);
}

// Protects the level command: same level does nothing, a running game asks first, No keeps all.

TEST_F(GameTest, choosingTheCheckedLevelDoesNothingAtAllEvenDuringAGame)
{
    game.level1_Click(1);
    EXPECT_TRUE(tk.log().empty());

    dealKnownBoard(twoPairBoard);
    game.Box_Click(1);
    game.Box_Click(2);
    game.Box_Click(9);
    const GameState before = state();
    tk.clearLog();

    game.level1_Click(2);

    EXPECT_TRUE(tk.log().empty());
    EXPECT_TRUE(sameGame(state(), before));
}

TEST_F(GameTest, switchingLevelDuringAGameAndAnsweringNoKeepsTheGameAsItWas)
{
    dealKnownBoard(twoPairBoard);
    game.Box_Click(1);
    game.Box_Click(2);
    game.Box_Click(9);
    const GameState before = state();
    tk.clearLog();

    tk.answerYesNo(vbNo);
    game.level1_Click(1);

    EXPECT_EQ(tk.log(), (Log{"yesno"}));
    EXPECT_EQ(tk.lastPrompt(), levelPrompt);
    EXPECT_EQ(tk.lastTitle(), levelTitle);
    EXPECT_TRUE(sameGame(state(), before));
    EXPECT_TRUE(invariantsHold(state(), tk));
}

TEST_F(GameTest, switchingLevelDuringAGameAndAnsweringYesMovesTheCheckMarkThenDealsAtTheNewLevel)
{
    dealKnownBoard(twoPairBoard);
    game.Box_Click(1);
    game.Box_Click(2);
    tk.clearLog();

    tk.answerYesNo(vbYes);
    tk.queueDraws(RunDraws().idleSwaps(50).draws());
    game.level1_Click(1);

    const Log& log = tk.log();
    ASSERT_GE(log.size(), 5U);
    EXPECT_EQ(Log(log.begin(), log.begin() + 5),
        (Log{"yesno", "check level1 2 off", "check level1 1 on", "caption levellbl 'Piece of Tokay'", "seed"}));
    EXPECT_EQ(state().level, 1);
    EXPECT_EQ(rowsOf(state()), rowsOf(sortedFill()));
    EXPECT_EQ(state().score, 0);
    EXPECT_EQ(tk.drawsLeft(), 0U);
    EXPECT_TRUE(invariantsHold(state(), tk));
}

TEST_F(GameTest, switchingLevelBeforeTheFirstGameOrAfterTheEndAsksNothingAndDealsAtOnce)
{
    tk.queueDraws(drawsToDeal(onePairBoard));
    game.level1_Click(2);
    EXPECT_EQ(tk.questionsAsked(), 0);
    EXPECT_EQ(tk.caption(Caption::levellbl), "Nightmare");

    game.Box_Click(1);
    game.Box_Click(2);
    ASSERT_EQ(state().gameOver, vbTrue);
    tk.clearLog();

    tk.queueDraws(RunDraws().idleSwaps(50).draws());
    game.level1_Click(1);

    EXPECT_EQ(tk.questionsAsked(), 0);
    EXPECT_EQ(Log(tk.log().begin(), tk.log().begin() + 3),
        (Log{"check level1 2 off", "check level1 1 on", "caption levellbl 'Piece of Tokay'"}));
    EXPECT_EQ(state().gameOver, vbFalse);
    EXPECT_TRUE(invariantsHold(state(), tk));
}

// Protects the sound switch and that every sound waits on it.

TEST_F(GameTest, theSoundItemsMoveTheCheckMarkAndSetSoundOnWithoutStartingOrStoppingASound)
{
    game.suara1_Click(2);
    EXPECT_EQ(tk.log(), (Log{"check suara1 1 off", "check suara1 2 on"}));
    EXPECT_FALSE(state().soundOn);

    game.suara1_Click(2);
    EXPECT_FALSE(state().soundOn);
    EXPECT_TRUE(tk.checked(MenuArray::suara1, 2));
    EXPECT_FALSE(tk.checked(MenuArray::suara1, 1));

    tk.clearLog();
    game.suara1_Click(1);
    EXPECT_EQ(tk.log(), (Log{"check suara1 2 off", "check suara1 1 on"}));
    EXPECT_TRUE(state().soundOn);
}

TEST_F(GameTest, withSoundOffNoMarkingRemovalEndOrAboutLoadsOrPlaysAnything)
{
    game.suara1_Click(2);
    dealKnownBoard(onePairBoard);
    game.Box_Click(1);
    game.Box_Click(2);
    ASSERT_EQ(state().gameOver, vbTrue);
    game.about1_Click();

    EXPECT_EQ(tk.soundsLoaded(), 0);
    EXPECT_EQ(tk.soundsStarted(), 0);
    EXPECT_EQ(tk.eventRuns(), 0);
    EXPECT_EQ(tk.timesShown(Window::Form2), 1);
    EXPECT_EQ(tk.timesShown(Window::frmAbout), 1);
}

TEST_F(GameTest, theSoundBufferHoldsTheRecordingJustLoadedAndIsWhatThePlayerPlays)
{
    dealKnownBoard(twoPairBoard);
    game.Box_Click(1);
    EXPECT_EQ(game.soundModule().soundBuffer(), RecordingToolkit::waveImage(1));
    EXPECT_EQ(tk.lastPlayedBytes(), game.soundModule().soundBuffer().data());

    game.Box_Click(2);
    EXPECT_EQ(game.soundModule().soundBuffer(), RecordingToolkit::waveImage(2));
    EXPECT_EQ(tk.lastPlayedBytes(), game.soundModule().soundBuffer().data());
}

// Protects the about command: its sound starts before the window is loaded and shown.

TEST_F(GameTest, aboutPlaysSoundFourThenLoadsAndShowsTheAboutWindow)
{
    game.about1_Click();
    EXPECT_EQ(tk.log(), joined({soundOf(4), {"load frmAbout", "show frmAbout"}}));

    tk.clearLog();
    game.suara1_Click(2);
    game.about1_Click();
    EXPECT_EQ(tk.log(), (Log{"check suara1 1 off", "check suara1 2 on", "load frmAbout", "show frmAbout"}));
}

// Protects leaving: exit asks and ends at once on OK; closing the window asks nothing.

TEST_F(GameTest, exitAnsweredCancelLeavesTheGameAndItsMarkedGroupAsTheyWere)
{
    dealKnownBoard(twoPairBoard);
    game.Box_Click(9);
    const GameState before = state();
    tk.clearLog();

    tk.answerOkCancel(vbCancel);
    game.xit1_Click();

    EXPECT_EQ(tk.log(), (Log{"okcancel"}));
    EXPECT_EQ(tk.lastPrompt(), exitPrompt);
    EXPECT_EQ(tk.lastTitle(), exitTitle);
    EXPECT_TRUE(sameGame(state(), before));
    EXPECT_TRUE(invariantsHold(state(), tk));
}

TEST_F(GameTest, exitAnsweredOkEndsTheProgramAtOnceWhetherOrNotAGameRuns)
{
    tk.answerOkCancel(vbOK);
    EXPECT_THROW(game.xit1_Click(), ProgramEnded);
    EXPECT_EQ(tk.log(), (Log{"okcancel", "end"}));
    EXPECT_EQ(tk.lastPrompt(), exitPrompt);
}

TEST_F(GameTest, closingTheMainWindowUnloadsTheAboutAndEndWindowsWithoutAQuestion)
{
    game.about1_Click();
    tk.clearLog();

    game.Form_Unload();

    EXPECT_EQ(tk.log(), (Log{"unload frmAbout", "unload Form2"}));
    EXPECT_EQ(tk.questionsAsked(), 0);
    EXPECT_FALSE(tk.isLoaded(Window::frmAbout));
}

} // namespace gelumpa::test
