// Clicks on cells: marking a group, moving the marking, removing and scoring a group.
#include <gtest/gtest.h>

#include "core/CellGeometry.h"
#include "tests/rules/Fixtures.h"

namespace gelumpa::test {

namespace {

// Kinds 1 and 2 in a checkerboard around a square of kind 3 at cells 45, 46, 55, 56.
const Rows squareBoard{
    "1212121212", "2121212121", "1212121212", "2121212121", "1212331212",
    "2121332121", "1212121212", "2121212121", "1212121212", "2121212121",
};

// A plus of kind 3 around cell 45 in the same checkerboard.
const Rows plusBoard{
    "1212121212", "2121212121", "1212121212", "2121312121", "1213331212",
    "2121312121", "1212121212", "2121212121", "1212121212", "2121212121",
};

// Cells 10 and 11 both hold kind 3; no side neighbours match (cell 100 gave its 3 for a 5).
const Rows rowEndBoard{
    "1234512343", "3451234512", "5123451234", "2345123451", "4512345123",
    "1234512345", "3451234512", "5123451234", "2345123451", "4512345125",
};

// A group of kind 1 at 91, 81, 92; removing it empties column 1 and lets column 2 fall.
// The pair of kind 4 in column 3 keeps the game going.
const Rows fallingBoard{
    "..........", "..........", "..........", "..........", "..........",
    "..........", "..........", ".2........", "134.......", "114.......",
};

// Seven pieces of kind 5 along the bottom under a row that falls into their place.
const Rows sevenBoard{
    "..........", "..........", "..........", "..........", "..........",
    "..........", "..........", "..........", "1212121...", "5555555112",
};

Log highlights(const std::vector<int>& cells, int kind)
{
    Log log;
    for (const int cell : cells)
        log.push_back("show " + std::to_string(cell) + " highlighted " + std::to_string(kind));
    return log;
}

} // namespace

// Protects which cells form a group and the order in which the marking lists them.

TEST_F(RulesTest, markingFromCell56ListsTheSquareAs56_55_45_46)
{
    setBoard(squareBoard);
    rules.clickCell(56);

    EXPECT_EQ(state.anchorCell, 56);
    ASSERT_EQ(state.selectionCount, 4);
    EXPECT_EQ((std::vector<int>{state.selection[1], state.selection[2], state.selection[3], state.selection[4]}),
        (std::vector<int>{56, 55, 45, 46}));
}

TEST_F(RulesTest, markingVisitsTheNeighboursLeftUpRightDownEachToItsEnd)
{
    setBoard(plusBoard);
    rules.clickCell(45);

    ASSERT_EQ(state.selectionCount, 5);
    EXPECT_EQ((std::vector<int>{state.selection[1], state.selection[2], state.selection[3], state.selection[4], state.selection[5]}),
        (std::vector<int>{45, 44, 35, 46, 55}));
}

TEST_F(RulesTest, aBoardOfOneKindIsMarkedWholeInARowByRowSnakeAHundredDeep)
{
    setBoard(Rows(10, "1111111111"));
    rules.clickCell(1);

    std::vector<int> expected;
    for (int row = 0; row < 10; ++row)
        for (int column = 1; column <= 10; ++column)
            expected.push_back(row * 10 + (row % 2 == 0 ? column : 11 - column));
    ASSERT_EQ(state.selectionCount, 100);
    EXPECT_EQ(std::vector<int>(state.selection.begin() + 1, state.selection.end()), expected);
    EXPECT_EQ(tk.log(), joined({{"caption groupSize ' 100'"}, highlights(expected, 1), soundOf(1)}));
}

TEST(CellGeometry, cornerCellsHaveOnlyTheirTwoNeighboursAndRowsNeverWrap)
{
    EXPECT_EQ(neighbour(1, Side::Left), 0);
    EXPECT_EQ(neighbour(1, Side::Up), 0);
    EXPECT_EQ(neighbour(1, Side::Right), 2);
    EXPECT_EQ(neighbour(1, Side::Down), 11);

    EXPECT_EQ(neighbour(10, Side::Left), 9);
    EXPECT_EQ(neighbour(10, Side::Up), 0);
    EXPECT_EQ(neighbour(10, Side::Right), 0);
    EXPECT_EQ(neighbour(10, Side::Down), 20);

    EXPECT_EQ(neighbour(91, Side::Left), 0);
    EXPECT_EQ(neighbour(91, Side::Up), 81);
    EXPECT_EQ(neighbour(91, Side::Right), 92);
    EXPECT_EQ(neighbour(91, Side::Down), 0);

    EXPECT_EQ(neighbour(100, Side::Left), 99);
    EXPECT_EQ(neighbour(100, Side::Up), 90);
    EXPECT_EQ(neighbour(100, Side::Right), 0);
    EXPECT_EQ(neighbour(100, Side::Down), 0);

    // Rows never wrap.
    EXPECT_EQ(neighbour(11, Side::Left), 0);
    EXPECT_EQ(neighbour(20, Side::Right), 0);
    EXPECT_EQ(neighbour(21, Side::Left), 0);
}

// Protects the exact effects of marking and of moving the marking, and when clicks do nothing.

TEST_F(RulesTest, markingShowsTheSizeThenHighlightsInListOrderThenPlaysSoundOne)
{
    setBoard(squareBoard);
    rules.clickCell(56);

    EXPECT_EQ(tk.log(), joined({{"caption groupSize ' 4'"}, highlights({56, 55, 45, 46}, 3), soundOf(1)}));
}

TEST_F(RulesTest, cellsAtTheEndOfARowAndTheStartOfTheNextAreTwoSingleGroups)
{
    setBoard(rowEndBoard);
    rules.clickCell(10);
    EXPECT_EQ(state.selectionCount, 1);
    EXPECT_EQ(tk.caption(StatusLabel::GroupSize), " 1");
    tk.clearLog();

    rules.clickCell(11);

    EXPECT_EQ(tk.log(), joined({{"show 10 normal 3", "caption groupSize ' 1'", "show 11 highlighted 3"}, soundOf(1)}));
    EXPECT_EQ(state.anchorCell, 11);
    EXPECT_EQ(state.marked(10), 0);
    EXPECT_TRUE(invariantsHold(state, tk));
}

TEST_F(RulesTest, clickingAnotherGroupUnmarksTheOldInListOrderAndMarksTheNewInOneClick)
{
    setBoard(squareBoard);
    rules.clickCell(56);
    tk.clearLog();

    rules.clickCell(1);

    EXPECT_EQ(tk.log(), joined({{"show 56 normal 3", "show 55 normal 3", "show 45 normal 3", "show 46 normal 3",
                                  "caption groupSize ' 1'", "show 1 highlighted 1"},
                            soundOf(1)}));
    EXPECT_EQ(state.anchorCell, 1);
    for (const int cell : {45, 46, 55, 56})
        EXPECT_EQ(state.marked(cell), 0) << cell;
}

TEST_F(RulesTest, aLonePieceClickedAgainIsMarkedAgainWithSoundOneAndStaysOnTheBoard)
{
    setBoard(rowEndBoard);
    rules.clickCell(10);
    tk.clearLog();

    rules.clickCell(10);

    EXPECT_EQ(tk.log(), joined({{"show 10 normal 3", "caption groupSize ' 1'", "show 10 highlighted 3"}, soundOf(1)}));
    EXPECT_EQ(state.kind(10), 3);
    EXPECT_EQ(state.marked(10), 1);
    EXPECT_EQ(state.score, 0);
    EXPECT_TRUE(invariantsHold(state, tk));
}

TEST_F(RulesTest, aClickOnAnEmptyCellWhileAGroupIsMarkedChangesNothing)
{
    setBoard(fallingBoard);
    rules.clickCell(91);
    tk.clearLog();
    const GameState before = state;

    rules.clickCell(100);
    rules.clickCell(1);

    EXPECT_TRUE(tk.log().empty());
    EXPECT_EQ(rowsOf(state), rowsOf(before));
    EXPECT_EQ(state.anchorCell, 91);
    EXPECT_EQ(state.selectionCount, 3);
    EXPECT_EQ(tk.caption(StatusLabel::GroupSize), " 3");
    EXPECT_TRUE(invariantsHold(state, tk));
}

TEST_F(RulesTest, clicksWhileTheGameIsOverChangeNothingAndPlayNothing)
{
    setBoard(fallingBoard);
    state.gameOver = true;

    for (int i = 1; i <= 100; ++i)
        rules.clickCell(i);

    EXPECT_TRUE(tk.log().empty());
    EXPECT_EQ(state.anchorCell, 0);
    EXPECT_EQ(rowsOf(state), fallingBoard);
}

// Protects the removal: emptied cells, falls, column moves, score, sound and end test in order.

TEST_F(RulesTest, removingAGroupLetsPiecesFallThenClosesColumnsThenScoresThenPlaysSoundTwo)
{
    setBoard(fallingBoard);
    rules.clickCell(91);
    EXPECT_EQ(tk.log(), joined({{"caption groupSize ' 3'"}, highlights({91, 81, 92}, 1), soundOf(1)}));
    tk.clearLog();

    rules.clickCell(92);

    const Log expected = joined({
        {"clear 91", "clear 81", "clear 92"},
        // column 2 falls one row, the target first
        {"show 92 normal 3", "clear 82", "show 82 normal 2", "clear 72"},
        // column 2 moves into the empty column 1, every cell of it cleared
        {"show 91 normal 3", "clear 92", "show 81 normal 2", "clear 82", "clear 72", "clear 62", "clear 52", "clear 42",
            "clear 32", "clear 22", "clear 12", "clear 2"},
        // column 3 follows into column 2
        {"show 92 normal 4", "clear 93", "show 82 normal 4", "clear 83", "clear 73", "clear 63", "clear 53", "clear 43",
            "clear 33", "clear 23", "clear 13", "clear 3"},
        {"caption score ' 96'"},
        soundOf(2),
    });
    EXPECT_EQ(tk.log(), expected);
    EXPECT_EQ(rowsOf(state), (Rows{"..........", "..........", "..........", "..........", "..........",
                                 "..........", "..........", "..........", "24........", "34........"}));
    EXPECT_EQ(state.score, 96);
    EXPECT_EQ(state.anchorCell, 0);
    EXPECT_EQ(state.gameOver, false);
    EXPECT_TRUE(invariantsHold(state, tk));
}

TEST_F(RulesTest, anyCellOfTheMarkedGroupRemovesItNotOnlyTheAnchor)
{
    setBoard(squareBoard);
    rules.clickCell(56);
    rules.clickCell(45);

    EXPECT_EQ(state.score, 4);
    EXPECT_EQ(state.anchorCell, 0);
    EXPECT_EQ(rowsOf(state)[0], "1212..1212");
    EXPECT_EQ(rowsOf(state)[5], "2121212121");
}

TEST_F(RulesTest, removingSevenAddsSevenAndTheGroupSizeStaysShown)
{
    setBoard(sevenBoard);
    ASSERT_EQ(state.score, 83);
    rules.clickCell(93);
    rules.clickCell(97);

    EXPECT_EQ(state.score, 90);
    EXPECT_EQ(tk.caption(StatusLabel::Score), " 90");
    EXPECT_EQ(tk.caption(StatusLabel::GroupSize), " 7");
    EXPECT_EQ(state.selectionCount, 7);
    EXPECT_EQ(rowsOf(state)[9], "1212121112");
    EXPECT_EQ(state.gameOver, false);
    EXPECT_TRUE(invariantsHold(state, tk));
}

TEST_F(RulesTest, withSoundOffMarkingAndRemovingLoadNoSoundAndRunNoWaitingEvents)
{
    setBoard(fallingBoard);
    state.soundOn = false;
    tk.queueEvent([] { ADD_FAILURE() << "a waiting event ran with sound off"; });

    rules.clickCell(91);
    rules.clickCell(81);

    EXPECT_EQ(tk.soundsLoaded(), 0);
    EXPECT_EQ(tk.soundsStarted(), 0);
    EXPECT_EQ(tk.eventRuns(), 0);
    EXPECT_EQ(tk.eventsWaiting(), 1U);
    EXPECT_EQ(tk.log().back(), "caption score ' 96'");
}

} // namespace gelumpa::test
