// Clicks on cells: marking a group, moving the marking, removing and scoring a group.
#include <algorithm>
#include <array>

#include <gtest/gtest.h>

#include "core/CellGeometry.h"
#include "tests/rules/Fixtures.h"

namespace gelumpa::test {

namespace {

// Kinds 1 and 2 in a checkerboard around a square of kind 3 at cells 45, 46, 55, 56 and a
// plus of kind 4 around cell 73.
const Rows shapesBoard{
    "1212121212", "2121212121", "1212121212", "2121212121", "1212331212",
    "2121332121", "1241212121", "2444212121", "1242121212", "2121212121",
};

// A group of kind 1 at 91, 81, 92; removing it empties column 1 and lets column 2 fall.
// The pair of kind 4 in column 3 keeps the game going.
const Rows fallingBoard{
    "..........", "..........", "..........", "..........", "..........",
    "..........", "..........", ".2........", "134.......", "114.......",
};

// The cells the selection lists, in its order.
std::vector<int> selected(const GameState& s)
{
    const int count = std::clamp(s.selectionCount, 0, 100);
    return std::vector<int>(s.selection.begin() + 1, s.selection.begin() + 1 + count);
}

} // namespace

// Protects which cells form a group and the order in which the marking lists them.

TEST_F(RulesTest, markingListsTheNeighboursLeftUpRightDownEachToItsEndThenShowsTheSizeHighlightsAndPlaysSoundOne)
{
    struct Marking {
        int cell;
        std::vector<int> listed;
    };
    // The square from cell 56, the plus from its middle.
    const Marking markings[] = {{56, {56, 55, 45, 46}}, {73, {73, 72, 63, 74, 83}}};
    for (const auto& [cell, listed] : markings) {
        setBoard(shapesBoard);
        rules.clickCell(cell);

        EXPECT_EQ(state.anchorCell, cell);
        EXPECT_EQ(selected(state), listed);
        EXPECT_EQ(lastLines(windows.log(), 2), soundOf(1));
        EXPECT_TRUE(everyCellShowsWhatItHolds(state, windows));
    }
}

TEST_F(RulesTest, aBoardOfOneKindIsMarkedWholeInARowByRowSnakeAHundredDeep)
{
    setBoard(Rows(10, "1111111111"));
    rules.clickCell(1);

    std::vector<int> expected;
    for (int row = 0; row < 10; ++row)
        for (int column = 1; column <= 10; ++column)
            expected.push_back(row * 10 + (row % 2 == 0 ? column : 11 - column));
    EXPECT_EQ(selected(state), expected);
    EXPECT_EQ(lastLines(windows.log(), 2), soundOf(1));
    EXPECT_TRUE(everyCellShowsWhatItHolds(state, windows));
}

TEST(CellGeometry, cornerCellsHaveOnlyTheirTwoNeighboursAndRowsNeverWrap)
{
    // A cell and its neighbours left, up, right and down; 0 where there is none.
    const std::array<std::array<int, 5>, 7> table{{
        {1, 0, 0, 2, 11}, {10, 9, 0, 0, 20}, {91, 0, 81, 92, 0}, {100, 99, 90, 0, 0},
        {11, 0, 1, 12, 21}, {20, 19, 10, 0, 30}, {21, 0, 11, 22, 31},
    }};
    for (const auto& [cell, left, up, right, down] : table) {
        EXPECT_EQ((std::array{neighbour(cell, Side::Left), neighbour(cell, Side::Up), neighbour(cell, Side::Right),
                      neighbour(cell, Side::Down)}),
            (std::array{left, up, right, down}))
            << cell;
    }
}

// Protects moving the marking, its sound after the cells show it, and when clicks do nothing.

TEST_F(RulesTest, aLonePieceClickedAgainOrItsLikeAcrossTheRowEndIsMarkedAloneWithSoundOneAndNothingGoes)
{
    // Cells 10 and 11 hold one kind, but a row's end is no side: each is a group of one.
    for (const int second : {11, 10}) {
        setBoard(rowEndBoard);
        rules.clickCell(10);
        EXPECT_EQ(state.selectionCount, 1);
        windows.clearLog();

        rules.clickCell(second);

        EXPECT_EQ(lastLines(windows.log(), 2), soundOf(1));
        EXPECT_EQ(state.anchorCell, second);
        EXPECT_EQ(state.marked(10), second == 10);
        EXPECT_EQ(state.kind(10), 3);
        EXPECT_EQ(state.score, 0);
        EXPECT_TRUE(invariantsHold(state, windows));
    }
}

TEST_F(RulesTest, aClickOnAnEmptyCellWhileAGroupIsMarkedChangesNothing)
{
    setBoard(fallingBoard);
    rules.clickCell(91);
    windows.clearLog();
    const GameState before = state;

    rules.clickCell(100);
    rules.clickCell(1);

    EXPECT_TRUE(windows.log().empty());
    EXPECT_EQ(rowsOf(state), rowsOf(before));
    EXPECT_EQ(state.anchorCell, 91);
    EXPECT_EQ(state.selectionCount, 3);
    EXPECT_EQ(windows.value(StatusLabel::GroupSize), " 3");
    EXPECT_TRUE(invariantsHold(state, windows));
}

// Protects the removal: emptied cells, falls and column moves shown, then the score, the sound and the end test.

TEST_F(RulesTest, removingAGroupFromAnyOfItsCellsLetsPiecesFallClosesColumnsScoresItsSizeKeepsItShownThenPlaysSoundTwo)
{
    setBoard(fallingBoard);
    rules.clickCell(91);
    rules.clickCell(92);

    EXPECT_EQ(lastLines(windows.log(), 3), joined({{"value score ' 96'"}, soundOf(2)}));
    EXPECT_EQ(rowsOf(state), (Rows{"..........", "..........", "..........", "..........", "..........",
                                 "..........", "..........", "..........", "24........", "34........"}));
    EXPECT_EQ(state.score, 96);
    EXPECT_EQ(windows.value(StatusLabel::GroupSize), " 3");
    EXPECT_EQ(state.anchorCell, 0);
    EXPECT_EQ(state.gameOver, false);
    EXPECT_TRUE(invariantsHold(state, windows));
}

} // namespace gelumpa::test
