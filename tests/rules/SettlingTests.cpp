// Settling after a removal: pieces falling into the holes of their column, then empty
// columns closing up towards the left, with every cell's picture following at once.
#include <algorithm>
#include <array>
#include <utility>

#include <gtest/gtest.h>

#include "tests/rules/Fixtures.h"

namespace gelumpa::test {

namespace {

const Rows emptyBoard(10, "..........");

long countStarting(const Log& log, const std::string& prefix)
{
    return std::count_if(log.begin(), log.end(), [&prefix](const std::string& entry) { return entry.rfind(prefix, 0) == 0; });
}

} // namespace

// Protects the column drop: pieces fall by the holes below them, keep their order, target first.

TEST_F(RulesTest, aColumnOfPQAndRWithHolesBetweenDropsThemOntoTheBottomInOrder)
{
    // From the bottom up: P, hole, Q, two holes, R, four holes.
    setBoard({"..........", "..........", "..........", "..........", "3.........",
        "..........", "..........", "2.........", "..........", "1........."});

    rules.dropColumn(91, 0);

    EXPECT_EQ(tk.log(), (Log{"show 81 normal 2", "clear 71", "show 71 normal 3", "clear 41"}));
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

TEST_F(RulesTest, theLastRemovalDropsTheColumnsRightToLeftScoresThenPlaysSoundTwoThenThreeAndOpensTheEndWindow)
{
    setBoard({"..........", "..........", "..........", "..........", "..........",
        "..........", "..........", "34........", "55........", "12........"});
    rules.clickCell(81);
    tk.clearLog();

    rules.clickCell(82);

    EXPECT_EQ(tk.log(), joined({{"clear 81", "clear 82", "show 82 normal 4", "clear 72", "show 81 normal 3", "clear 71",
                                  "caption score ' 96'"},
                            soundOf(2), soundOf(3), {"create endWindow", "show endWindow"}}));
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
    const Log& log = tk.log();
    EXPECT_EQ(firstLines(log, 15),
        (Log{"show 93 normal 5", "clear 95", "show 83 normal 5", "clear 85", "show 73 normal 5", "clear 75", "show 63 normal 5",
            "clear 65", "show 53 normal 5", "clear 55", "clear 45", "clear 35", "clear 25", "clear 15", "clear 5"}));
    // Every cell of the six moved columns is cleared; each moved piece is shown once.
    EXPECT_EQ(countStarting(log, "clear "), 60);
    EXPECT_EQ(countStarting(log, "show "), 5 + 6 + 7 + 8 + 9 + 10);
    for (const int cell : {9, 10, 49, 50, 99, 100})
        EXPECT_EQ(tk.shown(cell), ShownPicture{}) << cell;
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
