// The one random player on the whole game behind the recording windows: it plays the moves of
// a move picker, seeded or fed by a fuzzer's bytes, and checks every rule of the board after
// every handler, nested ones included, until the first broken rule.
#pragma once

#include <array>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "game/Game.h"
#include "tests/support/RecordingWindows.h"
#include "tests/support/MovePicker.h"

namespace gelumpa::test {

class RandomPlayer {
public:
    // `draws` feeds the dealing.
    RandomPlayer(model::MovePicker& moves, std::function<double()> draws);
    RandomPlayer(const RandomPlayer&) = delete;
    RandomPlayer& operator=(const RandomPlayer&) = delete;

    // From the window opening until the moves run out, an exit is answered OK, the main
    // window closes, this many boards have been dealt, or a rule breaks.
    void play(int deals = std::numeric_limits<int>::max());

    // The first broken rule: the step, the move, the rules and the board, in words; empty while all hold.
    const std::string& failure() const { return broken; }
    int dealtAt(Level level) const { return dealt[static_cast<std::size_t>(level)]; }
    int gamesEnded() const { return gamesOver; }

private:
    // What a handler is judged against: the recording windows' counters before it ran.
    struct Before {
        int seeds = 0;
        int soundsStarted = 0;
        int eventRuns = 0;
        bool soundOn = false;
    };

    bool goesOn() const;
    void deliver(const model::Move& move);
    void runEventLoop();
    void perform(const model::Move& move);
    void closeMainWindow(const model::Move& move);
    int pieceOfGroup(int pick) const;

    void checkHandler(const model::Move& move, const Before& before);
    void checkBeforeFirstGame(const model::Move& move);
    void checkBetweenEvents();
    void fail(const std::string& when, const std::vector<std::string>& rules);

    const GameState& state() const { return game.gameState(); }

    model::MovePicker& moves;
    RecordingWindows windows;
    Game game{windows, windows, windows, windows};
    Answer yesNoAnswer = Answer::No;
    Answer okCancelAnswer = Answer::Cancel;
    int dealLimit = 0;
    std::array<int, 3> dealt{};
    int gamesOver = 0;
    bool wasOver = true;
    long steps = 0;
    std::string broken;
};

} // namespace gelumpa::test
