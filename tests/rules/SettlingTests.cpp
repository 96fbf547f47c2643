// Settling after a removal: pieces falling into the holes of their column, then empty
// columns closing up towards the left, with every cell's picture following at once.
#include <array>
#include <utility>

#include <gtest/gtest.h>

#include "tests/rules/Fixtures.h"

namespace gelumpa::test {

namespace {

const Rows emptyBoard(10, "..........");

} // namespace

// Protects the column drop: pieces fall by the holes below them and keep their order; every
// cell shows what it holds afterwards, so a repaint left out would leave a ghost piece.

TEST_F(RulesTest, aColumnOfPQAndRWithHolesBetweenDropsThemOntoTheBottomInOrder)
{
    // From the bottom up: P, hole, Q, two holes, R, four holes.
    setBoard({"..........", "..........", "..........", "..........", "3.........",
        "..........", "..........", "2.........", "..........", "1........."});

    rules.dropColumn(91, 0);

    EXPECT_EQ(rowsOf(state), (Rows{"..........", "..........", "..........", "..........", "..........",
                                 "..........", "..........", "3.........", "2.........", "1........."}));
    EXPECT_TRUE(invariantsHold(state, tk));
}

TEST_F(RulesTest, aFullColumnOrOneWithHolesOnlyAboveItsTopPieceIsLeftUntouched)
{
    setBoard({"1.........", "2.........", "1.........", "2.........", "1.........",
        "2.........", "1.........", "2.........", "13........", "24........"});

    rules.dropColumn(91, 0);
    rules.dropColumn(92, 0);
    rules.dropColumn(93, 0);

    EXPECT_TRUE(tk.log().empty());
}

TEST_F(RulesTest, theLastRemovalSettlesAndScoresThenPlaysSoundTwoThenThreeAndOpensTheEndWindow)
{
    setBoard({"..........", "..........", "..........", "..........", "..........",
        "..........", "..........", "34........", "55........", "12........"});
    rules.clickCell(81);
    tk.clearLog();

    rules.clickCell(82);

    const Log settledThenSounds = joined({{"caption score ' 96'"}, soundOf(2), endOfGame});
    EXPECT_EQ(lastLines(tk.log(), settledThenSounds.size()), settledThenSounds);
    EXPECT_EQ(state.gameOver, true);
    EXPECT_TRUE(invariantsHold(state, tk));
}

// Protects the column compaction: occupied columns close up to the left in their old order.

TEST_F(RulesTest, withColumns3And4EmptyColumns5To10MoveTwoLeftAndColumns9And10EndEmpty)
{
    // Column c holds c pieces, of kind (c - 1) mod 5 + 1.
    setBoard({".........5", "........45", ".......345", "......2345", ".....12345",
        "....512345", "....512345", "....512345", ".2..512345", "12..512345"});

    rules.closeEmptyColumns();

    EXPECT_EQ(rowsOf(state), (Rows{".......5..", "......45..", ".....345..", "....2345..", "...12345..",
                                 "..512345..", "..512345..", "..512345..", ".2512345..", "12512345.."}));
    EXPECT_TRUE(invariantsHold(state, tk));
}

TEST_F(RulesTest, eachColumnMovesByTheEmptyColumnsLeftOfItAndWithoutAGapNothingMoves)
{
    Rows lastColumnEmpty = noPairBoard;
    for (auto& row : lastColumnEmpty)
        row.back() = '.';
    // Columns 2 and 5 empty; then only column 10; then every column.
    const std::array<std::pair<Rows, Rows>, 3> boardsBeforeAndAfter{{
        {{".........5", "........45", ".......345", "......2345", ".....12345", ".....12345", "...4.12345",
             "..34.12345", "..34.12345", "1.34.12345"},
            {".......5..", "......45..", ".....345..", "....2345..", "...12345..", "...12345..", "..412345..",
                ".3412345..", ".3412345..", "13412345.."}},
        {lastColumnEmpty, lastColumnEmpty},
        {emptyBoard, emptyBoard},
    }};
    for (const auto& [before, after] : boardsBeforeAndAfter) {
        setBoard(before);
        rules.closeEmptyColumns();
        EXPECT_EQ(rowsOf(state), after);
        EXPECT_EQ(tk.log().empty(), before == after);
        EXPECT_TRUE(invariantsHold(state, tk));
    }
}

} // namespace gelumpa::test
