// The one random player's choice of moves, for every test layer: drawn from a seeded
// generator, or read from a fuzzer's bytes, one byte a choice. The weights say how often each
// act comes; the layer performs the moves on what it drives.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <span>
#include <string>

namespace gelumpa::model {

enum class Act { ClickCell, ClickGroup, NewGame, Level, Sound, About, Exit, CloseWindow, ClickTwice, ClickBeside };
inline constexpr int actCount = static_cast<int>(Act::ClickBeside) + 1;

// When a move reaches the game: now, from the main event loop; while the next move is handled,
// so that its sound's event run takes it; or while a given recording plays.
enum class Delivery { Now, Waiting, DuringSound };

struct Move {
    Act act = Act::ClickCell;
    // ClickCell, ClickTwice: the cell; ClickGroup: which piece of a group that can go;
    // ClickBeside: which place beside the cells; Level: 1 Piece of Tokay, 2 Nightmare;
    // Sound: 1 on, 2 off.
    int argument = 0;
    // The answer to the question Level or Exit may ask: Yes, or OK.
    bool yes = false;
    Delivery delivery = Delivery::Now;
    int sound = 0; // the recording a DuringSound move arrives in
};

std::string describe(const Move& move);

// Each choice falls in one act's range, taken in this order: the acts ClickCell to CloseWindow,
// then the two deliveries of the next move (DuringSound, Waiting), then ClickTwice and
// ClickBeside. The place in the range gives the move its argument and answer.
struct MoveWeights {
    std::array<int, actCount> acts{};
    int duringSound = 0;
    int waiting = 0;
};

class MovePicker {
public:
    MovePicker(const MoveWeights& weights, std::uint32_t seed);
    // The choices are the bytes, so the weights should add up to 256.
    MovePicker(const MoveWeights& weights, std::span<const std::uint8_t> bytes);

    // The next move, or nothing when the bytes are used up.
    std::optional<Move> next();
    // A further choice below n, for what a layer decides on its own: from the generator, or the
    // next byte; 0 when the bytes are used up.
    int below(int n);

private:
    // A range of choices: an act, or the delivery of the move that comes next.
    struct Range {
        std::optional<Act> act;
        Delivery delivery = Delivery::Now;
        int weight = 0;
    };

    std::optional<int> choice(int n);

    std::array<Range, actCount + 2> ranges{};
    int total = 0;
    std::mt19937 generator;
    std::span<const std::uint8_t> bytes;
    bool fromBytes = false;
    std::size_t nextByte = 0;
};

} // namespace gelumpa::model
