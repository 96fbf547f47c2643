// The main window's design state, which it shows from its opening until the first game: the
// light-brown ball in every cell, both counters at "000", and the level's name and the check
// marks of the level and the sound switch that the game state starts with.
#pragma once

#include <string_view>

#include "core/BoardDisplay.h"
#include "core/GameState.h"

namespace gelumpa::designState {

// The kind of the light-brown ball.
inline constexpr int pieceKind = 1;

constexpr std::string_view value(StatusLabel label)
{
    return label == StatusLabel::Level ? levelName(GameState{}.level) : "000";
}

constexpr bool checked(MenuItem item)
{
    const GameState opening{};
    return item == levelItem(opening.level) || item == soundItem(opening.soundOn);
}

} // namespace gelumpa::designState
