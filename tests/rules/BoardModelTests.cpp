// The board model's legality checks on hand-made boards: every layer judges the boards it
// sees by them, so a check that let an illegal board pass would let every layer pass with it.
#include <initializer_list>
#include <string_view>

#include <gtest/gtest.h>

#include "tests/support/BoardText.h"
#include "tests/support/BoardModel.h"

namespace gelumpa::test {

namespace {

const Rows settled{
    "..........", "..........", "..........", "..........", "..........",
    "..........", "1.........", "2.5.......", "2354......", "13344.....",
};

model::Marks marks(std::initializer_list<int> cells)
{
    model::Marks marked{};
    for (const int cell : cells)
        marked[static_cast<std::size_t>(cell)] = true;
    return marked;
}

bool names(const model::Kinds& board, const model::Marks& marked, std::string_view rule)
{
    for (const std::string& line : model::illegalities(board, marked))
        if (line.find(rule) != std::string::npos)
            return true;
    return false;
}

} // namespace

// Protects the legality checks: they accept what play can leave and name each broken rule.
TEST(BoardModel, acceptsAFullDealASettledBoardAndOneWholeMarkedGroupEvenOfOne)
{
    EXPECT_EQ(model::illegalities(sortedFill(), {}), std::vector<std::string>{});
    const Kinds board = kindsFrom(settled);
    EXPECT_EQ(model::illegalities(board, {}), std::vector<std::string>{});
    EXPECT_EQ(model::illegalities(board, marks({82, 92, 93})), std::vector<std::string>{});
    EXPECT_EQ(model::illegalities(board, marks({61})), std::vector<std::string>{});
}

TEST(BoardModel, namesAFloatingPieceAGapBetweenColumnsAKindBeyondTwentyAndAnUnknownCell)
{
    Kinds floating = kindsFrom(settled);
    swapCells(floating, 61, 51);
    EXPECT_TRUE(names(floating, {}, "column 1 holds a floating piece"));

    Kinds gap{};
    gap[91] = 1;
    gap[93] = 2;
    EXPECT_TRUE(names(gap, {}, "column 3 holds pieces right of an empty column"));

    Kinds crowded = sortedFill();
    crowded[21] = 1;
    EXPECT_TRUE(names(crowded, {}, "21 pieces of kind 1"));

    Kinds unknown = kindsFrom(settled);
    unknown[95] = -1;
    EXPECT_TRUE(names(unknown, {}, "cell 95 holds no piece"));
}

TEST(BoardModel, namesMarksOnPartOfAGroupOnTwoKindsOrOnAnEmptyCell)
{
    const Kinds board = kindsFrom(settled);
    EXPECT_TRUE(names(board, marks({93}), "not exactly one whole group"));
    EXPECT_TRUE(names(board, marks({84, 94, 95, 91}), "not exactly one whole group"));
    EXPECT_TRUE(names(board, marks({1}), "empty cell 1 is marked"));
}

} // namespace gelumpa::test
