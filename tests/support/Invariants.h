// What must hold of the game state and the screen at the end of every handler, from the
// first new game on, judged by the board model rather than by the rules' own code.
#pragma once

#include <string>
#include <vector>

#include "core/GameState.h"
#include "tests/support/RecordingWindows.h"

namespace gelumpa::test {

// Every rule the state or the screen breaks, in words; empty when all hold.
std::vector<std::string> brokenInvariants(const GameState& s, const RecordingWindows& windows);
// Every cell that does not show what it holds, on any board, in words; empty when all do.
std::vector<std::string> cellsShownWrongly(const GameState& s, const RecordingWindows& windows);

} // namespace gelumpa::test
