// What the rules make of clicks on a decoded board, by the board model every test layer
// shares: which group a click marks, how the board settles after a removal, whether a move is left.
#pragma once

#include "tests/support/BoardPicture.h"

#include "tests/support/BoardModel.h"

#include <vector>

namespace e2e {

// Every cell joined to `cell` through side neighbours of its kind, in ascending order.
inline std::vector<int> groupAt(const Board& board, int cell) { return gelumpa::model::groupAt(board.kind, cell); }
// The largest group of two or more (the one found first among equals); empty when none is left.
inline std::vector<int> largestGroup(const Board& board) { return gelumpa::model::largestGroup(board.kind); }
inline bool hasMoveLeft(const Board& board) { return gelumpa::model::moveLeft(board.kind); }
// The board with exactly the group highlighted.
Board withMarked(Board board, const std::vector<int>& group);
// The group taken away, the pieces above fallen into the holes, empty columns closed up to the
// left, nothing highlighted.
Board afterRemoving(Board board, const std::vector<int>& group);
// The first piece in none of the groups, so a click on it marks a group of its own; 0 if none.
int firstPieceOutside(const Board& board, const std::vector<std::vector<int>>& groups);

} // namespace e2e
