// The rules of play on the main window's game state: a click on a cell, the group
// marking, settling after a removal and the end-of-game test.
#pragma once

#include "core/BoardDisplay.h"
#include "core/Dialogs.h"
#include "core/GameState.h"
#include "core/SoundHook.h"

namespace gelumpa {

class Rules {
public:
    Rules(GameState& state, BoardDisplay& display, Dialogs& dialogs, SoundHook& sounds)
        : state(state), display(display), dialogs(dialogs), sounds(sounds)
    {
    }

    // A click on a cell, 1..100.
    void clickCell(int cell);

    // Depth-first fill from a cell over side neighbours of the same kind, left, up, right, down.
    void markGroup(int cell, int kind);

    // Walks one column upwards from a cell; holes counts the empty cells met below it.
    void dropColumn(int cell, int holes);
    // Moves occupied columns left over empty ones; needs every column dropped first.
    void closeEmptyColumns();

    // Ends the game unless two side-neighbouring pieces share a kind.
    void checkMovesLeft();
    void endGame();

    // Gives a cell the picture it calls for: highlighted when marked, normal when
    // occupied, else none.
    void showCell(int cell);

private:
    void markGroupAt(int cell);
    void removeGroup();
    void unmarkGroup();
    bool inSelection(int cell) const;

    GameState& state;
    BoardDisplay& display;
    Dialogs& dialogs;
    SoundHook& sounds;
};

} // namespace gelumpa
