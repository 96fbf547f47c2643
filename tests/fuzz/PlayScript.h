// Reads a fuzzer's input as a play script: its first byte says how many bytes at its end
// feed the dealing's draws; the bytes between are the player's commands, one byte each.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "core/Toolkit.h"

namespace gelumpa::fuzz {

enum class Action { Click, ClickGroup, NewGame, Level, Sound, About, Exit, CloseWindow };

// When a command reaches the game: now, from the main event loop; while the next command
// is handled, so that its sound's event run takes it; or while a given recording plays.
enum class Delivery { Now, Waiting, DuringSound };

struct Command {
    Action action = Action::Click;
    // Click: the cell; ClickGroup: which piece of a group; Level, Sound: the menu item.
    int argument = 0;
    // The answer to the question Level or Exit may ask.
    Answer answer = Answer::No;
    Delivery delivery = Delivery::Now;
    int sound = 0; // the recording a DuringSound command arrives in
};

std::string describe(const Command& command);

class PlayScript {
public:
    explicit PlayScript(std::span<const std::uint8_t> input);

    // The next command, or nothing when the commands are used up.
    std::optional<Command> nextCommand();
    // A uniform draw in [0, 1): the next draw byte, then a generator seeded from those bytes,
    // so that changing a command never changes the boards dealt.
    double nextDraw();

private:
    std::span<const std::uint8_t> commands;
    std::span<const std::uint8_t> draws;
    std::size_t nextCommandByte = 0;
    std::size_t nextDrawByte = 0;
    std::uint64_t generator = 0;
};

} // namespace gelumpa::fuzz
