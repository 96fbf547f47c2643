// Reads a fuzzer's input as a play script: its first byte says how many bytes at its end
// feed the dealing's draws; the bytes between are the player's moves, one byte each.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "tests/support/MovePicker.h"

namespace gelumpa::fuzz {

// What each byte value of a move means (the table heads PlayScript.cpp).
extern const model::MoveWeights moveBytes;

class PlayScript {
public:
    explicit PlayScript(std::span<const std::uint8_t> input);

    std::span<const std::uint8_t> moves() const { return commands; }
    // A uniform draw in [0, 1): the next draw byte, then a generator seeded from those bytes,
    // so that changing a move never changes the boards dealt.
    double nextDraw();

private:
    std::span<const std::uint8_t> commands;
    std::span<const std::uint8_t> draws;
    std::size_t nextDrawByte = 0;
    std::uint64_t generator = 0;
};

} // namespace gelumpa::fuzz
