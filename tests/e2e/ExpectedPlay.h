// The rules of play worked out independently of the game, on a decoded board: which group
// a click marks, how the board settles after a removal, and whether a move is left.
#pragma once

#include "BoardPicture.h"

#include <vector>

namespace e2e {

// Every cell joined to `cell` through side neighbours of its kind, in ascending order.
std::vector<int> groupAt(const Board& board, int cell);
// The largest group of two or more (the one found first among equals); empty when none is left.
std::vector<int> largestGroup(const Board& board);
// The board with exactly the group highlighted.
Board withMarked(Board board, const std::vector<int>& group);
// The group taken away, the pieces above fallen into the holes, empty columns closed up to the left.
Board afterRemoving(Board board, const std::vector<int>& group);
bool hasMoveLeft(const Board& board);
// The first piece in none of the groups, so a click on it marks a group of its own; 0 if none.
int firstPieceOutside(const Board& board, const std::vector<std::vector<int>>& groups);
int countOf(const Board& board, int kind);

} // namespace e2e
