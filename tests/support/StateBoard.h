// The board of a game state in the model's terms, read cell by cell, for the layers that hold
// the game state itself.
#pragma once

#include "core/GameState.h"
#include "tests/support/BoardModel.h"

namespace gelumpa::model {

inline Kinds kindsOf(const GameState& state)
{
    Kinds board{};
    for (int cell = 1; cell <= cells; ++cell)
        board[static_cast<std::size_t>(cell)] = state.kind(cell);
    return board;
}

inline Marks marksOf(const GameState& state)
{
    Marks marked{};
    for (int cell = 1; cell <= cells; ++cell)
        marked[static_cast<std::size_t>(cell)] = state.marked(cell);
    return marked;
}

} // namespace gelumpa::model
