// The game behind the main window: its state, the rules of play and the menu commands.
// The window forwards its events here; every effect goes out through the interfaces it is given.
#pragma once

#include "core/BoardDisplay.h"
#include "core/Chance.h"
#include "core/Dialogs.h"
#include "core/GameState.h"
#include "core/Program.h"
#include "core/Rules.h"
#include "game/SoundEffects.h"

namespace gelumpa {

class Game {
public:
    Game(BoardDisplay& display, Dialogs& dialogs, Chance& chance, Program& program)
        : display(display), dialogs(dialogs), chance(chance), program(program), effects(program, state),
          rules(state, display, dialogs, effects)
    {
    }
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    void clickCell(int cell) { rules.clickCell(cell); }
    void newGame();
    // Asks first when a game is under way; choosing the current level does nothing.
    void chooseLevel(Level level);
    void setSoundOn(bool on);
    void showCredits();
    // Leaves after the player confirms.
    void askToLeave();
    // The main window closes: the picture windows go with it.
    void closeWindows();

    const GameState& gameState() const { return state; }

private:
    void dealBoard();
    int draw(int count, int first);
    void mixByRuns();
    void mixByCells();

    BoardDisplay& display;
    Dialogs& dialogs;
    Chance& chance;
    Program& program;
    GameState state;
    SoundEffects effects;
    Rules rules;
};

} // namespace gelumpa
