// What any board the game shows at rest must satisfy, checked on the decoded screen alone:
// no kind beyond its 20 pieces, no floating piece, no gap between columns, and a highlight
// only on one whole group that a click could have marked.
#pragma once

#include "BoardPicture.h"

#include <string>
#include <vector>

namespace storm {

// One line for every rule the board breaks; empty for a legal board.
std::vector<std::string> illegalities(const e2e::Board& board);

} // namespace storm
