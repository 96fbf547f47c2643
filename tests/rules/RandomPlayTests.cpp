// Thousands of random games at both levels: random clicks, new games, level changes, the
// sound switch, about and exit, some arriving inside other handlers, with every invariant
// of the game checked after every handler.
#include <array>
#include <memory>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "game/Game.h"
#include "tests/rules/Fixtures.h"
#include "tests/rules/Invariants.h"

namespace gelumpa::test {

namespace {

enum class Action { Click, NewGame, Level, Sound, About, Exit };

struct Move {
    Action action = Action::Click;
    int argument = 0;
};

std::string describe(const Move& move)
{
    switch (move.action) {
    case Action::Click: return "click on " + std::to_string(move.argument);
    case Action::NewGame: return "new game";
    case Action::Level: return "level " + std::to_string(move.argument);
    case Action::Sound: return "sound item " + std::to_string(move.argument);
    case Action::About: return "about";
    case Action::Exit: return "exit";
    }
    return "?";
}

class RandomPlayer {
public:
    explicit RandomPlayer(unsigned seed) : rng(seed) { startProgram(); }

    // Plays until this many boards have been dealt, or until the first broken rule.
    void playUntilDealt(int deals)
    {
        while (!failed && dealt[1] + dealt[2] < deals)
            step();
    }

    int dealtAtLevel(int level) const { return dealt[static_cast<std::size_t>(level)]; }
    int gamesEnded() const { return ended; }

private:
    struct Program {
        RecordingToolkit tk;
        Game game{tk};
    };

    bool chance(double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(rng) < p; }
    int between(int first, int last) { return static_cast<int>(std::uniform_int_distribution<int>(first, last)(rng)); }
    const GameState& state() const { return program->game.gameState(); }

    void startProgram()
    {
        program = std::make_unique<Program>();
        program->tk.setRecording(false);
        program->tk.setFallbackDraws([this] { return static_cast<double>(rng()) / 4294967296.0; });
        program->tk.setFallbackAnswers([this] { return chance(0.5) ? Answer::Yes : Answer::No; },
            [this] { return chance(0.3) ? Answer::Ok : Answer::Cancel; });
        wasOver = true;
    }

    Move pickMove()
    {
        const GameState& s = state();
        const double odds = std::uniform_real_distribution<double>(0.0, 1.0)(rng);
        if (s.gameOver && odds < 0.3)
            return {Action::NewGame, 0};
        if (odds < 0.004)
            return {Action::NewGame, 0};
        if (odds < 0.01)
            return {Action::Level, between(1, 2)};
        if (odds < 0.02)
            return {Action::Sound, between(1, 2)};
        if (odds < 0.022)
            return {Action::About, 0};
        if (odds < 0.024)
            return {Action::Exit, 0};
        // Most clicks while a group is marked go to it, so that games run to their end.
        if (s.anchorCell != 0 && s.selectionCount > 1 && chance(0.7))
            return {Action::Click, s.selection[static_cast<std::size_t>(between(1, s.selectionCount))]};
        return {Action::Click, between(1, 100)};
    }

    void step()
    {
        ++steps;
        if (chance(0.15)) {
            const int waiting = between(1, 2);
            for (int k = 0; k < waiting; ++k)
                program->tk.queueEvent([this, move = pickMove()] { perform(move); });
        }
        runTopLevel([this, move = pickMove()] { perform(move); });
        // Events no sound let in are taken next by the event loop, one after another.
        while (!failed && program->tk.eventsWaiting() != 0) {
            auto rest = program->tk.takeWaitingEvents();
            for (auto& event : rest)
                if (!failed && !runTopLevel(event))
                    break;
        }
    }

    // Runs one handler as the event loop does; false when it ended the program.
    template <typename Handler>
    bool runTopLevel(Handler&& handler)
    {
        try {
            handler();
        } catch (const ProgramEnded&) {
            startProgram();
            return false;
        }
        checkBetweenEvents();
        return true;
    }

    void perform(const Move& move)
    {
        if (failed)
            return;
        RecordingToolkit& tk = program->tk;
        Game& game = program->game;
        const int seedsBefore = tk.seeds();
        const bool soundBefore = state().soundOn;
        const int loadsBefore = tk.soundsLoaded();
        const int eventRunsBefore = tk.eventRuns();

        switch (move.action) {
        case Action::Click: game.clickCell(move.argument); break;
        case Action::NewGame: game.newGame(); break;
        case Action::Level: game.chooseLevel(static_cast<Level>(move.argument)); break;
        case Action::Sound: game.setSoundOn(move.argument == 1); break;
        case Action::About: game.showCredits(); break;
        case Action::Exit: game.askToLeave(); break;
        }

        // Only these two deal themselves; they play no sound, so nothing runs inside them.
        const bool dealing = move.action == Action::NewGame || move.action == Action::Level;
        const int newDeals = dealing ? tk.seeds() - seedsBefore : 0;
        dealt[static_cast<std::size_t>(state().level)] += newDeals;
        if (tk.seeds() == 0) {
            expect(state().gameOver && state().anchorCell == 0 && !anyEqualPair(state()), move,
                "before the first game nothing may change");
            return;
        }
        const auto broken = brokenInvariants(state(), tk);
        expect(broken.empty(), move, broken.empty() ? "" : broken.front());
        if (!soundBefore)
            expect(tk.soundsLoaded() == loadsBefore && tk.eventRuns() == eventRunsBefore, move,
                "a sound played or events ran with sound off");
        if (newDeals > 0)
            expect(holdsTwentyOfEachKind(state()), move, "the new deal does not hold 20 pieces of each kind");
    }

    void checkBetweenEvents()
    {
        if (failed || program->tk.seeds() == 0)
            return;
        const GameState& s = state();
        const std::string broken = brokenBetweenEvents(s);
        expect(broken.empty(), {}, broken);
        ended += s.gameOver && !wasOver ? 1 : 0;
        wasOver = s.gameOver;
    }

    void expect(bool holds, const Move& move, const std::string& what)
    {
        if (holds || failed)
            return;
        failed = true;
        std::string board;
        for (const auto& row : rowsOf(state()))
            board += "\n  | " + row;
        ADD_FAILURE() << what << "\n  at step " << steps << ", after " << describe(move) << board;
    }

    std::mt19937 rng;
    std::unique_ptr<Program> program;
    std::array<int, 3> dealt{};
    int ended = 0;
    bool wasOver = true;
    long steps = 0;
    bool failed = false;
};

} // namespace

// Protects every invariant of the game state over long random play, re-entry included.
TEST(RandomPlay, everyHandlerOfThousandsOfRandomGamesLeavesTheGameSound)
{
    constexpr unsigned firstSeed = 20030101;
    constexpr int players = 80;
    constexpr int dealsEach = 100;
    std::array<int, 3> dealt{};
    int ended = 0;
    for (unsigned seed = firstSeed; seed < firstSeed + players; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RandomPlayer player(seed);
        player.playUntilDealt(dealsEach);
        if (::testing::Test::HasFailure())
            return;
        dealt[1] += player.dealtAtLevel(1);
        dealt[2] += player.dealtAtLevel(2);
        ended += player.gamesEnded();
    }
    EXPECT_GT(dealt[1], 1000);
    EXPECT_GT(dealt[2], 1000);
    EXPECT_GT(ended, 1000) << "too few games played to their end";
}

} // namespace gelumpa::test
