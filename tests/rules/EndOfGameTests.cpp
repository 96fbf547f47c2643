// The test for a move left after a removal, and the end of the game when none is left.
#include <utility>

#include <gtest/gtest.h>

#include "tests/rules/Fixtures.h"

namespace gelumpa::test {

// Protects what counts as a move left: two side-neighbouring pieces of one kind, nothing else.
// The pair at cells 5 and 15 goes first, and nothing falls: the end test judges the rest.

TEST_F(RulesTest, aSinglePairLeftAnywhereOnTheBoardEvenAtItsEdgesKeepsTheGameGoing)
{
    const std::pair<int, int> pairs[] = {{1, 2}, {1, 11}, {9, 10}, {90, 100}, {99, 100}, {91, 92}, {81, 91}, {45, 55}};
    for (const auto& [a, b] : pairs) {
        SCOPED_TRACE(std::to_string(a) + " and " + std::to_string(b));
        const char kindOfA = noPairBoard[static_cast<std::size_t>((a - 1) / 10)][static_cast<std::size_t>((a - 1) % 10)];
        setBoard(withKinds(noPairBoard, {{b, kindOfA}, {15, '5'}}));

        rules.clickCell(5);
        rules.clickCell(5);

        EXPECT_EQ(lastLines(windows.log(), 2), soundOf(2));
        EXPECT_EQ(state.gameOver, false);
    }
}

TEST_F(RulesTest, aBoardLeftWithoutAPairEndsTheGameThoughRowEndsOrEmptyCellsSideBySideMatch)
{
    // A full board without a pair; one with the same kind at the end of a row and the start of
    // the next; empty cells side by side. Each holds a pair at the cell besides, which goes first.
    const std::pair<Rows, int> boards[] = {{withKinds(noPairBoard, {{15, '5'}}), 5}, {withKinds(rowEndBoard, {{15, '5'}}), 5},
        {{"..........", "..........", "..........", "..........", "..........", "..........", "..........",
             "..........", "123.......", "213......."},
            83}};
    for (const auto& [board, cell] : boards) {
        setBoard(board);
        rules.clickCell(cell);
        rules.clickCell(cell);

        EXPECT_EQ(lastLines(windows.log(), 2 + endOfGame.size()), joined({soundOf(2), endOfGame}));
        EXPECT_EQ(state.gameOver, true);
    }
}

// Protects the end of the game as the last removal reaches it: settled, scored, sound two, then the end.

TEST_F(RulesTest, theLastRemovalScoresThenPlaysSoundTwoThenEndsTheGameEvenWithEveryPieceGone)
{
    setBoard({"..........", "..........", "..........", "..........", "..........",
        "..........", "..........", "..........", "..........", "11........"});
    rules.clickCell(92);
    rules.clickCell(92);

    EXPECT_EQ(rowsOf(state), Rows(10, ".........."));
    EXPECT_EQ(state.score, 100);
    EXPECT_EQ(state.gameOver, true);
    EXPECT_EQ(windows.timesShown(Window::EndOfGame), 1);
    const Log scoredThenSounds = joined({{"value score ' 100'"}, soundOf(2), endOfGame});
    EXPECT_EQ(lastLines(windows.log(), scoredThenSounds.size()), scoredThenSounds);
}

// With sound off the end still opens its window; after it, with sound back on, no click does anything.
TEST_F(RulesTest, withSoundOffMarkingRemovingAndTheEndAreSilentAndAfterTheEndClicksMarkRemoveAndPlayNothing)
{
    setBoard({"..........", "..........", "..........", "..........", "..........",
        "..........", "..........", "..........", "3.........", "114......."});
    state.soundOn = false;
    windows.queueEvent([] { ADD_FAILURE() << "a waiting event ran with sound off"; });

    rules.clickCell(91);
    rules.clickCell(92);

    EXPECT_EQ(windows.soundsStarted(), 0);
    EXPECT_EQ(windows.eventRuns(), 0);
    EXPECT_EQ(windows.eventsWaiting(), 1U);
    EXPECT_EQ(lastLines(windows.log(), 3), (Log{"value score ' 98'", "create endWindow", "show endWindow"}));
    ASSERT_EQ(state.gameOver, true);

    state.soundOn = true;
    windows.clearLog();
    for (int i = 1; i <= 100; ++i)
        rules.clickCell(i);

    EXPECT_TRUE(windows.log().empty());
    EXPECT_EQ(state.anchorCell, 0);
    EXPECT_EQ(rowsOf(state)[9], "34........");
}

} // namespace gelumpa::test
