// Boards written as ten rows of ten characters, '1'..'5' a piece kind and '.' an empty cell,
// so that tests state boards the way a player sees them.
#pragma once

#include <string>
#include <vector>

#include "core/GameState.h"
#include "tests/support/BoardModel.h"

namespace gelumpa::test {

using model::Kinds;
using Rows = std::vector<std::string>;

Kinds kindsFrom(const Rows& rows);
Rows rowsOf(const Kinds& kinds);
Rows rowsOf(const GameState& state);

// The dealing's starting arrangement: cells 1-20 kind 1, 21-40 kind 2, ... 81-100 kind 5.
Kinds sortedFill();

// Exchanges the kinds of two cells, for building expected boards by hand.
void swapCells(Kinds& kinds, int a, int b);
// The starting arrangement with the runs a .. a+n-1 and b .. b+n-1 exchanged, disjoint runs.
Kinds runsSwapped(int a, int b, int n);

} // namespace gelumpa::test
