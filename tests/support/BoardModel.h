// The rules of the board as every test layer expects them, written apart from the game's code
// so that it can judge it: groups, removal and settling, the end test, and what any board at
// rest must satisfy.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace gelumpa::model {

inline constexpr int cells = 100;
inline constexpr int side = 10;
inline constexpr int kinds = 5;
inline constexpr int piecesPerKind = 20;

// Cells 1..100 run row by row from the top left; slot 0 is unused. Kind 0 is an empty cell,
// 1..5 a piece; a decoded screen may hold other values for cells it could not tell.
using Kinds = std::array<int, cells + 1>;
using Marks = std::array<bool, cells + 1>;
// Cells in ascending order.
using Group = std::vector<int>;

// Every cell joined to `cell` through side neighbours of its kind.
Group groupAt(const Kinds& board, int cell);
// The largest group of two or more (the first found among equals); empty when no move is left.
Group largestGroup(const Kinds& board);
// The group taken away, the pieces above fallen into the holes, empty columns closed to the left.
Kinds afterRemoving(Kinds board, const Group& group);
// Whether two side neighbours hold pieces of one kind.
bool moveLeft(const Kinds& board);
// The pick-th piece, counted round, that has a side neighbour of its kind, so that a click on
// it marks a group that can go; 0 when no move is left.
int removableCell(const Kinds& board, int pick = 0);
int countOf(const Kinds& board, int kind);
// Exactly 20 pieces of each kind, as every deal leaves.
bool freshDeal(const Kinds& board);

// One line for every rule a board at rest breaks, empty for a legal one: each cell empty or a
// piece, no kind beyond its 20 pieces, no floating piece, no gap between columns, and marks
// only on the pieces of one whole group.
std::vector<std::string> illegalities(const Kinds& board, const Marks& marked);

} // namespace gelumpa::model
