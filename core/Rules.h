// The rules of play on the game state: a click on a cell marks a group, or removes and scores
// the marked one, lets the board settle and tests for the end. The game calls the click, and
// the showing of each cell after a deal; the steps in between are the rules' own.
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

    // Gives a cell the picture it calls for: highlighted when marked, normal when
    // occupied, else none.
    void showCell(int cell);

private:
    void markGroupAt(int cell);
    // Depth-first fill from a cell over side neighbours of the same kind, left, up, right, down.
    void markGroup(int cell, int kind);
    void unmarkGroup();
    bool inSelection(int cell) const;

    void removeGroup();
    // Walks one column upwards from a cell; holes counts the empty cells met below it.
    void dropColumn(int cell, int holes);
    // Moves occupied columns left over empty ones; needs every column dropped first.
    void closeEmptyColumns();

    // Ends the game unless two side-neighbouring pieces share a kind.
    void checkMovesLeft();
    void endGame();

    GameState& state;
    BoardDisplay& display;
    Dialogs& dialogs;
    SoundHook& sounds;
};

} // namespace gelumpa
