// The game behind the main window: its state, the rules of play and the menu commands.
// The window forwards its events here; every effect goes out through the toolkit.
#pragma once

#include "core/GameState.h"
#include "core/Rules.h"
#include "core/Toolkit.h"
#include "game/SoundEffects.h"

namespace gelumpa {

class Game {
public:
    explicit Game(Toolkit& toolkit) : toolkit(toolkit), effects(toolkit), rules(state, toolkit, effects) {}
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
    const SoundEffects& soundEffects() const { return effects; }

private:
    void dealBoard();
    int draw(int count, int first);
    void mixByRuns();
    void mixByCells();

    Toolkit& toolkit;
    GameState state;
    SoundEffects effects;
    Rules rules;
};

} // namespace gelumpa
