// Settling after a removal: pieces falling into the holes of their column, then empty
// columns closing up towards the left, with every cell's picture following at once.
#include <tuple>

#include <gtest/gtest.h>

#include "tests/rules/Fixtures.h"

namespace gelumpa::test {

// Protects the column drop: pieces fall by the holes below them and keep their order; every
// cell shows what it holds afterwards, so a repaint left out would leave a ghost piece.

TEST_F(RulesTest, piecesFallByTheHolesBelowThemInOrderAndAColumnWithoutHolesBelowAPieceIsLeftUntouched)
{
    // The group of kind 4 leaves column 1 with, from the bottom up: P, hole, Q, two holes, R.
    // Column 3 is full, column 4 has holes above its top piece only.
    setBoard({"..1.......", "..2.......", "..1.......", "..2.......", "3.1.......",
        "4.2.......", "441.......", "242.......", "4413......", "1524......"});
    rules.clickCell(81);
    windows.clearLog();

    rules.clickCell(81);

    EXPECT_EQ(rowsOf(state), (Rows{"..1.......", "..2.......", "..1.......", "..2.......", "..1.......",
                                 "..2.......", "..1.......", "3.2.......", "2.13......", "1524......"}));
    // Each falling piece shows at its target before its old cell clears; nothing else is repainted or moves aside.
    EXPECT_EQ(firstLines(windows.log(), 11), (Log{"clear 81", "clear 82", "clear 72", "clear 62", "clear 61", "clear 51",
                                            "show 81 normal 2", "clear 71", "show 71 normal 3", "clear 41", "value score ' 84'"}));
    EXPECT_TRUE(invariantsHold(state, windows));
}

// Protects the column compaction: occupied columns close up to the left in their old order.

TEST_F(RulesTest, eachColumnMovesByTheEmptyColumnsLeftOfIt)
{
    // The group at cell 93 empties columns 3 and 4; the one at cell 92 columns 2 and 5 and the
    // bottom cell of each column between, which then drop by one.
    const std::tuple<int, Rows, Rows> removals[] = {
        {93,
            {".........5", "........45", ".......345", "......2345", ".....12345", "....512345", "....512345",
                "....512345", ".233512345", "1233512345"},
            {".......5..", "......45..", ".....345..", "....2345..", "...12345..", "..512345..", "..512345..",
                "..512345..", ".2512345..", "12512345.."}},
        {92,
            {".........5", "........45", ".......345", "......2345", ".....12345", "...4.12345", "..34.12345",
                "..34.12345", "..34.12345", "1222212345"},
            {".......5..", "......45..", ".....345..", "....2345..", "...12345..", "...12345..", "..412345..",
                ".3412345..", ".3412345..", "13412345.."}},
    };
    for (const auto& [cell, before, after] : removals) {
        setBoard(before);
        rules.clickCell(cell);
        rules.clickCell(cell);
        EXPECT_EQ(rowsOf(state), after) << cell;
        EXPECT_TRUE(invariantsHold(state, windows)) << cell;
    }
}

} // namespace gelumpa::test
