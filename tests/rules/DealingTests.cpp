// Dealing a new board: scripted draws deal known boards at both levels, checked cell by
// cell against boards worked out by hand from the sorted fill.
#include <gtest/gtest.h>

#include "tests/rules/Fixtures.h"
#include "tests/rules/ScriptedDraws.h"

namespace gelumpa::test {

namespace {

class DealingTest : public GameTest {
protected:
    // A Piece of Tokay deal (the level the window opens with) through the new-game command.
    Rows dealAtLevelOne(const RunDraws& draws)
    {
        windows.queueDraws(draws.draws());
        game.newGame();
        EXPECT_EQ(windows.drawsLeft(), 0U) << "fewer draws taken than scripted";
        EXPECT_TRUE(invariantsHold(state(), windows));
        return rowsOf(state());
    }

    // A Nightmare deal through switching the level, which asks nothing before the first game;
    // once at Nightmare, through the new-game command.
    Rows dealAtLevelTwo(const std::vector<double>& draws)
    {
        windows.queueDraws(draws);
        if (state().level == Level::Nightmare)
            game.newGame();
        else
            game.chooseLevel(Level::Nightmare);
        EXPECT_EQ(windows.drawsLeft(), 0U) << "fewer draws taken than scripted";
        EXPECT_TRUE(invariantsHold(state(), windows));
        return rowsOf(state());
    }
};

// Every cell i takes the kind of cell i - 1, and cell 1 that of cell 100.
const Rows shiftedByOne{
    "5111111111", "1111111111", "1222222222", "2222222222", "2333333333",
    "3333333333", "3444444444", "4444444444", "4555555555", "5555555555",
};

} // namespace

// Protects the start of a deal: the seed before any draw, which a deal takes exactly as scripted.

TEST_F(DealingTest, aNightmareDealSeedsThenDrawsOncePerCell)
{
    EXPECT_EQ(dealAtLevelTwo(cellDraws(unmovedCells())), rowsOf(sortedFill()));
    EXPECT_EQ(firstLines(windows.log(), 4), (Log{"check pieceOfTokay off", "check nightmare on", "value level 'Nightmare'", "seed"}));
}

TEST_F(DealingTest, aPieceOfTokayDealOfFiftySwapsSeedsThenDrawsThreeTimesEachWhenNothingIsRedrawn)
{
    EXPECT_EQ(dealAtLevelOne(RunDraws().idleSwaps(50)), rowsOf(sortedFill()));
    EXPECT_EQ(firstLines(windows.log(), 1), (Log{"seed"}));
}

// Protects the Nightmare mixing: cell i trades with drawn cell j, for i = 1..100 in turn.

TEST_F(DealingTest, nightmareWithChosenCellsSwapsExactlyThosePairsInTurn)
{
    std::vector<int> js = unmovedCells();
    js[0] = 100; // cell 1 with cell 100
    js[29] = 61; // cell 30 with cell 61
    js[98] = 2;  // cell 99 with cell 2
    js[99] = 1;  // cell 100 with cell 1, which holds kind 5 since the first swap

    Kinds expected = sortedFill();
    swapCells(expected, 1, 100);
    swapCells(expected, 30, 61);
    swapCells(expected, 99, 2);
    swapCells(expected, 100, 1);
    EXPECT_EQ(dealAtLevelTwo(cellDraws(js)), rowsOf(expected));
    EXPECT_EQ(rowsOf(expected)[0], "1511111111");
}

// Cell i trading with cell 1, or with cell 100 for i = 1..99, passes every kind one cell on.
TEST_F(DealingTest, nightmareDrawingCell1OrJustBelowOneEveryTimeShiftsEveryKindOneCellOnAndStaysOnTheBoard)
{
    for (const double u : {0.0, 0.9999999})
        EXPECT_EQ(dealAtLevelTwo(std::vector<double>(100, u)), shiftedByOne) << u;
}

// Protects the Piece of Tokay mixing: draws and redraws of a, n and b, and run swaps pair by pair.

TEST_F(DealingTest, tokaySwapsRunsCellByCellOnTheBoardEarlierSwapsLeftAndRedrawsRunsThatDoNotFit)
{
    // b = a + 1 over cells 20..23, then a = b + 1 over cells 38..41: the first cell's kind
    // ends in the last cell and the others move one cell down.
    Kinds rotated = sortedFill();
    rotated[20] = 2;
    rotated[23] = 1;
    rotated[40] = 3;
    rotated[41] = 2;
    // Cells 1, 2 to 99, 100 and on to 41, 42.
    Kinds twice = sortedFill();
    twice[1] = twice[2] = 5;
    twice[41] = twice[42] = 1;
    twice[99] = twice[100] = 3;
    const struct {
        const char* what;
        RunDraws draws;
        Kinds dealt;
    } deals[] = {
        {"two runs exchanged", RunDraws().swap(37, 3, 52).idleSwaps(49), runsSwapped(37, 52, 3)},
        {"a source run crossing a row's end", RunDraws().swap(9, 3, 45).idleSwaps(49), runsSwapped(9, 45, 3)},
        {"runs offset by one cell", RunDraws().swap(20, 3, 21).swap(39, 3, 38).idleSwaps(48), rotated},
        {"runs swapped with themselves", RunDraws().swap(55, 4, 55).swap(3, 3, 3).idleSwaps(48), sortedFill()},
        {"a swap of what a swap moved", RunDraws().swap(1, 2, 99).swap(99, 2, 41).idleSwaps(48), twice},
        // a = 98 with n = 4 would reach cell 101: both drawn anew; then with n = 3, b = 59 and
        // b = 60 would leave the row and are drawn anew, b = 58 fits.
        {"a source past cell 100, a destination past its row's end",
            RunDraws().cell(98).length(4).cell(98).length(3).cell(59).cell(60).cell(58).idleSwaps(49),
            runsSwapped(98, 58, 3)},
        // a = 100 never fits; a = 99 fits only with n = 2; a = 97 with n = 4 reaches 100 exactly.
        // With n = 4 a destination must start in columns 1..7: b = 8 is drawn anew.
        {"the length redrawn with the source",
            RunDraws().cell(100).length(2).cell(99).length(4).cell(97).length(4).cell(8).cell(7).idleSwaps(49),
            runsSwapped(97, 7, 4)},
        {"cell 99 with a run of two to column 9", RunDraws().cell(99).length(2).cell(10).cell(9).idleSwaps(49),
            runsSwapped(99, 9, 2)},
    };
    for (const auto& [what, draws, dealt] : deals) {
        SCOPED_TRACE(what);
        EXPECT_EQ(dealAtLevelOne(draws), rowsOf(dealt));
    }
}

// Protects what a new deal leaves behind besides the board.

TEST_F(DealingTest, aDealtBoardWithoutAPairIsShownAsDealtAndTheGameDoesNotEnd)
{
    dealKnownBoard(noPairBoard);
    EXPECT_EQ(state().gameOver, false);
    EXPECT_EQ(windows.timesShown(Window::EndOfGame), 0);

    game.clickCell(1);
    game.clickCell(1);
    EXPECT_EQ(state().selectionCount, 1);
    EXPECT_EQ(state().score, 0);
    EXPECT_EQ(state().gameOver, false);
    EXPECT_TRUE(invariantsHold(state(), windows));
}

} // namespace gelumpa::test
