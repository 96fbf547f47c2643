// The expected outcome of clicks on a decoded board; see ExpectedPlay.h.
#include "tests/support/ExpectedPlay.h"

#include <algorithm>

namespace e2e {

Board withMarked(Board board, const std::vector<int>& group)
{
    board.highlighted.fill(false);
    for (const int cell : group)
        board.highlighted[cell] = true;
    return board;
}

Board afterRemoving(Board board, const std::vector<int>& group)
{
    board.highlighted.fill(false);
    board.kind = gelumpa::model::afterRemoving(board.kind, group);
    return board;
}

int firstPieceOutside(const Board& board, const std::vector<std::vector<int>>& groups)
{
    for (int cell = 1; cell <= cellCount; ++cell) {
        const bool taken = std::any_of(groups.begin(), groups.end(), [cell](const std::vector<int>& group) {
            return std::find(group.begin(), group.end(), cell) != group.end();
        });
        if (board.kind[cell] >= 1 && !taken)
            return cell;
    }
    return 0;
}

} // namespace e2e
