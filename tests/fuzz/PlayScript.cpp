// The byte code of the play script. Commands, by byte value:
//   0..99     click on cell b + 1
//   100..199  click on piece b - 100 of a group that can go: the marked one, else any of two
//             or more (counted round; cell b - 99 when no two side neighbours share a kind)
//   200..207  new game
//   208..215  level item (b & 1) + 1, a running game's question answered Yes when b & 2
//   216..219  sound item (b & 1) + 1
//   220..223  about
//   224..227  exit, answered OK when b & 1
//   228..231  close the main window, the last thing of the input
//   232..247  the next command arrives while recording (b & 3) + 1 plays
//   248..255  the next command arrives while the one after it is handled
#include "tests/fuzz/PlayScript.h"

#include <algorithm>

#include "core/Toolkit.h"

namespace gelumpa::fuzz {

namespace {

constexpr std::size_t drawBytesPerUnit = 4;

// FNV-1a over the first byte and the draw bytes: the generator's seed.
std::uint64_t seedOf(std::uint8_t first, std::span<const std::uint8_t> bytes)
{
    std::uint64_t hash = (0xcbf29ce484222325U ^ first) * 0x100000001b3U;
    for (const std::uint8_t b : bytes)
        hash = (hash ^ b) * 0x100000001b3U;
    return hash;
}

// SplitMix64: small, fast and well mixed, which is all the dealing needs.
std::uint64_t splitMix(std::uint64_t& state)
{
    state += 0x9e3779b97f4a7c15U;
    std::uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9U;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebU;
    return z ^ (z >> 31);
}

int itemOf(std::uint8_t b) { return static_cast<int>((b & 1) + 1); }

} // namespace

PlayScript::PlayScript(std::span<const std::uint8_t> input)
{
    if (input.empty())
        return;
    const auto body = input.subspan(1);
    const std::size_t drawCount = std::min(body.size(), input[0] * drawBytesPerUnit);
    commands = body.first(body.size() - drawCount);
    draws = body.last(drawCount);
    generator = seedOf(input[0], draws);
}

std::optional<Command> PlayScript::nextCommand()
{
    Command command;
    while (nextCommandByte < commands.size()) {
        const std::uint8_t b = commands[nextCommandByte++];
        if (b >= 248) {
            command.delivery = Delivery::Waiting;
            continue;
        }
        if (b >= 232) {
            command.delivery = Delivery::DuringSound;
            command.sound = static_cast<int>((b & 3) + 1);
            continue;
        }
        if (b < 100) {
            command.action = Action::Click;
            command.argument = static_cast<int>(b + 1);
        } else if (b < 200) {
            command.action = Action::ClickGroup;
            command.argument = static_cast<int>(b - 100);
        } else if (b < 208) {
            command.action = Action::NewGame;
        } else if (b < 216) {
            command.action = Action::Level;
            command.argument = itemOf(b);
            command.answer = (b & 2) != 0 ? Answer::Yes : Answer::No;
        } else if (b < 220) {
            command.action = Action::Sound;
            command.argument = itemOf(b);
        } else if (b < 224) {
            command.action = Action::About;
        } else if (b < 228) {
            command.action = Action::Exit;
            command.answer = (b & 1) != 0 ? Answer::Ok : Answer::Cancel;
        } else {
            command.action = Action::CloseWindow;
        }
        return command;
    }
    return std::nullopt;
}

double PlayScript::nextDraw()
{
    if (nextDrawByte < draws.size())
        return draws[nextDrawByte++] / 256.0;
    return static_cast<double>(splitMix(generator) >> 11) * 0x1.0p-53;
}

std::string describe(const Command& command)
{
    std::string text;
    switch (command.action) {
    case Action::Click: text = "click on cell " + std::to_string(command.argument); break;
    case Action::ClickGroup: text = "click on piece " + std::to_string(command.argument) + " of a group"; break;
    case Action::NewGame: text = "new game"; break;
    case Action::Level: text = "level item " + std::to_string(command.argument) + (command.answer == Answer::Yes ? ", Yes" : ", No"); break;
    case Action::Sound: text = "sound item " + std::to_string(command.argument); break;
    case Action::About: text = "about"; break;
    case Action::Exit: text = command.answer == Answer::Ok ? "exit, OK" : "exit, Cancel"; break;
    case Action::CloseWindow: text = "closing the main window"; break;
    }
    switch (command.delivery) {
    case Delivery::Now: break;
    case Delivery::Waiting: text += ", already waiting"; break;
    case Delivery::DuringSound: text += ", arriving while recording " + std::to_string(command.sound) + " plays"; break;
    }
    return text;
}

} // namespace gelumpa::fuzz
