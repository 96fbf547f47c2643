// Cell numbering and the side-neighbour rule: cells 1..100 run row by row, ten to a row,
// row 1 at the top; only the four side neighbours count and rows never wrap.
#pragma once

namespace gelumpa {

inline constexpr int cellCount = 100;
inline constexpr int rowLength = 10;

constexpr int rowOf(int cell) { return (cell - 1) / rowLength + 1; }
constexpr int columnOf(int cell) { return (cell - 1) % rowLength + 1; }

enum class Side { Left, Up, Right, Down };

// The neighbour of a cell on the given side, or 0 where the board ends.
constexpr int neighbour(int cell, Side side)
{
    switch (side) {
    case Side::Left: return cell % rowLength != 1 ? cell - 1 : 0;
    case Side::Up: return cell > rowLength ? cell - rowLength : 0;
    case Side::Right: return cell % rowLength != 0 ? cell + 1 : 0;
    case Side::Down: return cell <= cellCount - rowLength ? cell + rowLength : 0;
    }
    return 0;
}

} // namespace gelumpa
