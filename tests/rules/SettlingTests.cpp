// Settling after a removal: pieces falling into the holes of their column, then empty
// columns closing up towards the left, with every cell's picture following at once.
#include <cstdio>

#include <gtest/gtest.h>

#include "core/CellGeometry.h"
#include "tests/rules/Fixtures.h"

namespace gelumpa::test {

namespace {

// The cells a record repaints, in its order.
std::vector<int> repainted(const Log& log)
{
    std::vector<int> cells;
    for (const std::string& line : log) {
        int cell = 0;
        if ((line.starts_with("show ") || line.starts_with("clear ")) && std::sscanf(line.c_str(), "%*s %d", &cell) == 1)
            cells.push_back(cell);
    }
    return cells;
}

} // namespace

// Protects the column drop: pieces fall by the holes below them and keep their order; every
// cell shows what it holds afterwards, so a repaint left out would leave a ghost piece.

TEST_F(RulesTest, piecesFallByTheHolesBelowThemInOrderAndAColumnWithoutHolesBelowAPieceIsLeftUntouched)
{
    // The group of kind 4 leaves column 1 with, from the bottom up: P, hole, Q, two holes, R.
    // Column 3 is full, column 4 has holes above its top piece only.
    setBoard({"..1.......", "..2.......", "..1.......", "..2.......", "3.1.......",
        "4.2.......", "441.......", "242.......", "4413......", "1524......"});
    rules.clickCell(81);
    tk.clearLog();

    rules.clickCell(81);

    EXPECT_EQ(rowsOf(state), (Rows{"..1.......", "..2.......", "..1.......", "..2.......", "..1.......",
                                 "..2.......", "..1.......", "3.2.......", "2.13......", "1524......"}));
    for (const int cell : repainted(tk.log()))
        EXPECT_LT(columnOf(cell), 3) << cell;
    EXPECT_TRUE(invariantsHold(state, tk));
}

// Protects the column compaction: occupied columns close up to the left in their old order.

TEST_F(RulesTest, eachColumnMovesByTheEmptyColumnsLeftOfItAndWithoutAGapNothingMoves)
{
    // The group at the cell empties columns 3 and 4; columns 2 and 5 and the bottom cell of
    // each column between, which then drop by one; the last column alone.
    const struct {
        int cell;
        Rows before;
        Rows after;
    } removals[] = {
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
        {100,
            {"..........", "..........", "..........", "..........", "..........", "..........", "..........",
                "..........", ".........5", "1212121215"},
            {"..........", "..........", "..........", "..........", "..........", "..........", "..........",
                "..........", "..........", "121212121."}},
    };
    for (const auto& [cell, before, after] : removals) {
        SCOPED_TRACE(cell);
        setBoard(before);
        rules.clickCell(cell);
        tk.clearLog();
        rules.clickCell(cell);
        EXPECT_EQ(rowsOf(state), after);
        EXPECT_TRUE(invariantsHold(state, tk));
        if (cell == 100) {
            EXPECT_EQ(repainted(tk.log()), (std::vector<int>{100, 90}));
        }
    }
}

} // namespace gelumpa::test
