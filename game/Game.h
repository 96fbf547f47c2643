// The game behind the main window: its state, the rules of play and the menu commands.
// The window forwards its events here; every effect goes out through the toolkit.
#pragma once

#include <cstdint>

#include "core/GameState.h"
#include "core/Rules.h"
#include "core/Toolkit.h"
#include "game/Module1.h"

namespace gelumpa {

class Game {
public:
    explicit Game(Toolkit& toolkit) : tk(toolkit), module1(toolkit), rules(state, toolkit, module1) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Window load: no game yet, level 1, sound on.
    void Form_Load();
    // The main window closes: the picture windows go with it.
    void Form_Unload();

    void Box_Click(std::int16_t Index) { rules.Box_Click(Index); }
    void play1_Click() { newGame(); }
    void level1_Click(std::int16_t Index);
    void suara1_Click(std::int16_t Index);
    void about1_Click();
    void xit1_Click();

    void newGame();
    void dealBoard();

    const GameState& gameState() const { return state; }
    const Module1& soundModule() const { return module1; }

private:
    std::int16_t draw(std::int16_t count, std::int16_t first);
    void mixByRuns();
    void mixByCells();

    Toolkit& tk;
    GameState state;
    Module1 module1;
    Rules rules;
};

} // namespace gelumpa
