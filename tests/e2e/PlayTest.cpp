// Moves as the player makes them: the group a click marks and the mark moving.
#include "tests/support/ExpectedPlay.h"
#include "tests/support/GameFixture.h"

namespace e2e {
namespace {

// Protects the marking click of a move and its moving mark, checked cell by cell on screen.
class Play : public GameFixture {};

TEST_F(Play, aClickMarksExactlyTheConnectedGroupAndAClickElsewhereMovesTheMark)
{
    Board dealt;
    ASSERT_NO_FATAL_FAILURE(dealNewGame(dealt));
    const std::vector<int> group = largestGroup(dealt);
    ASSERT_FALSE(group.empty()) << "the dealt board holds no group of two\n" << describe(dealt);

    const int clicked = group[group.size() / 2];
    game().clickCell(clicked);
    const Board marked = withMarked(dealt, group);
    const BoardSeen seen = game().waitForBoard(marked, shortWait);
    EXPECT_TRUE(seen.matched) << "clicked cell " << clicked << '\n' << seen.explain(marked);

    const int elsewhere = firstPieceOutside(dealt, {group});
    game().clickCell(elsewhere);
    const Board moved = withMarked(dealt, groupAt(dealt, elsewhere));
    const BoardSeen movedSeen = game().waitForBoard(moved, shortWait);
    EXPECT_TRUE(movedSeen.matched) << "clicked cell " << elsewhere << '\n' << movedSeen.explain(moved);
}

} // namespace
} // namespace e2e
