// The rules of play on the main window's game state: a click on a cell, the group
// marking, settling after a removal and the end-of-game test.
#pragma once

#include <cstdint>

#include "core/GameState.h"
#include "core/SoundHook.h"
#include "core/Toolkit.h"

namespace gelumpa {

class Rules {
public:
    Rules(GameState& state, Toolkit& toolkit, SoundHook& sound) : s(state), tk(toolkit), sound(sound) {}

    // A click on Box(Index), Index 1..100.
    void Box_Click(std::int16_t Index);

    // Depth-first fill from cell over side neighbours of the same kind, left, up, right, down.
    void markGroup(std::int16_t cell, std::int16_t kind);

    // Walks one column upwards from cell; holes counts the empty cells met below it.
    void dropColumn(std::int16_t cell, std::int16_t holes);
    // Moves occupied columns left over empty ones; needs every column dropped first.
    void closeEmptyColumns();

    // Ends the game unless two side-neighbouring pieces share a kind.
    void checkMovesLeft();
    void endGame();

    // Gives Box(i) the picture its cell calls for: pic1 when marked, pic when occupied, else none.
    void showCell(std::int16_t i);

private:
    void markGroupAt(std::int16_t i);
    void removeGroup();
    void unmarkGroup();
    bool inSelection(std::int16_t i) const;

    GameState& s;
    Toolkit& tk;
    SoundHook& sound;
};

} // namespace gelumpa
