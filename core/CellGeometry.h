// Cell numbering and the side-neighbour rule: cells 1..100 run row by row, ten to a row,
// row 1 at the top; only the four side neighbours count and rows never wrap.
#pragma once

#include <cstdint>

namespace gelumpa {

inline constexpr std::int16_t cellCount = 100;
inline constexpr std::int16_t rowLength = 10;

constexpr std::int16_t rowOf(std::int16_t i) { return static_cast<std::int16_t>((i - 1) / rowLength + 1); }
constexpr std::int16_t columnOf(std::int16_t i) { return static_cast<std::int16_t>((i - 1) % rowLength + 1); }

enum class Side { Left, Up, Right, Down };

// The neighbour of cell i on the given side, or 0 where the board ends.
constexpr std::int16_t neighbour(std::int16_t i, Side side)
{
    switch (side) {
    case Side::Left: return i % rowLength != 1 ? static_cast<std::int16_t>(i - 1) : std::int16_t{0};
    case Side::Up: return i > rowLength ? static_cast<std::int16_t>(i - rowLength) : std::int16_t{0};
    case Side::Right: return i % rowLength != 0 ? static_cast<std::int16_t>(i + 1) : std::int16_t{0};
    case Side::Down: return i <= cellCount - rowLength ? static_cast<std::int16_t>(i + rowLength) : std::int16_t{0};
    }
    return 0;
}

} // namespace gelumpa
