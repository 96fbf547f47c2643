// The byte code of the play script. Moves, by byte value:
//   0..99     click on cell b + 1
//   100..199  click on piece b - 100 of a group that can go: the marked one, else any of two
//             or more (counted round; cell b - 99 when no two side neighbours share a kind)
//   200..207  new game
//   208..215  level item (b & 1) + 1, a running game's question answered Yes when b & 2
//   216..219  sound item (b & 1) + 1
//   220..223  about
//   224..227  exit, answered OK when b & 1
//   228..231  close the main window, the last thing of the input
//   232..247  the next move arrives while recording (b & 3) + 1 plays
//   248..255  the next move arrives while the one after it is handled
#include "tests/fuzz/PlayScript.h"

#include <algorithm>

namespace gelumpa::fuzz {

const model::MoveWeights moveBytes{
    .acts = {100, 100, 8, 8, 4, 4, 4, 4, 0, 0},
    .duringSound = 16,
    .waiting = 8,
};

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

double PlayScript::nextDraw()
{
    if (nextDrawByte < draws.size())
        return draws[nextDrawByte++] / 256.0;
    return static_cast<double>(splitMix(generator) >> 11) * 0x1.0p-53;
}

} // namespace gelumpa::fuzz
