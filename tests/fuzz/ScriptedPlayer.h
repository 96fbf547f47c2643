// Plays one play script on the whole game behind the recording toolkit and checks every
// rule of the board after every handler, nested ones included; a broken rule stops the process.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "game/Game.h"
#include "tests/fuzz/PlayScript.h"
#include "tests/rules/RecordingToolkit.h"

namespace gelumpa::fuzz {

class ScriptedPlayer {
public:
    explicit ScriptedPlayer(std::span<const std::uint8_t> input);
    ScriptedPlayer(const ScriptedPlayer&) = delete;
    ScriptedPlayer& operator=(const ScriptedPlayer&) = delete;

    // From the window opening to the end of the script, an exit answered OK or the window's close.
    void play();

private:
    // What a handler is judged against: the toolkit's counters before it ran.
    struct Before {
        int seeds = 0;
        int soundsLoaded = 0;
        int eventRuns = 0;
        bool soundOn = false;
    };

    void deliver(const Command& command);
    void runEventLoop();
    void perform(const Command& command);
    void closeMainWindow(const Command& command);
    int pieceOfGroup(int pick) const;

    void checkHandler(const Command& command, const Before& before);
    void checkBeforeFirstGame(const Command& command);
    void checkBetweenEvents();
    [[noreturn]] void fail(const std::string& when, const std::vector<std::string>& broken) const;

    const GameState& state() const { return game.gameState(); }

    PlayScript script;
    test::RecordingToolkit tk;
    Game game{tk};
    Answer yesNoAnswer = Answer::No;
    Answer okCancelAnswer = Answer::Cancel;
    long steps = 0;
};

} // namespace gelumpa::fuzz
