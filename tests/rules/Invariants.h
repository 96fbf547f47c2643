// What must hold of the game state and the screen at the end of every handler, from the
// first new game on, checked independently of the rules' own code.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/GameState.h"
#include "tests/rules/RecordingToolkit.h"

namespace gelumpa::test {

// Every rule the state or the screen breaks, in words; empty when all hold.
std::vector<std::string> brokenInvariants(const GameState& s, const RecordingToolkit& tk);

// Whether two side-neighbouring cells hold pieces of the same kind: a move is left.
bool anyEqualPair(const GameState& s);

// Whether the board holds exactly 20 pieces of each kind, as every new deal does.
bool holdsTwentyOfEachKind(const GameState& s);

// What must hold whenever the event loop takes the next event, though not inside a handler
// (a removal's sound may let events in before its end test): the game is over exactly when
// no move is left. Empty when it holds, else the rule broken, in words.
std::string brokenBetweenEvents(const GameState& s);

// The side neighbours of cell i, by row and column arithmetic.
struct Neighbours {
    std::array<int, 4> cells{};
    int count = 0;
    const int* begin() const { return cells.data(); }
    const int* end() const { return cells.data() + count; }
};
Neighbours sideNeighbours(int i);

} // namespace gelumpa::test
