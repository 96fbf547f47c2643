// The game state the main window holds: the board and the counters and flags of play.
// Indices are 1-based; slot 0 of every table is unused.
#pragma once

#include <array>
#include <cstdint>

#include "core/CellGeometry.h"

namespace gelumpa {

// A 16-bit flag: -1 for true, 0 for false.
inline constexpr std::int16_t vbTrue = -1;
inline constexpr std::int16_t vbFalse = 0;

struct BoardCell {
    std::int16_t kind = 0; // 0 empty, 1..5 a piece
    std::int16_t mark = 0; // 1 while in the marked group
};

struct GameState {
    std::array<BoardCell, cellCount + 1> board{};
    bool soundOn = false;
    std::int16_t gameOver = vbFalse;
    std::int16_t score = 0;
    std::int16_t anchorCell = 0;
    std::int16_t selectionCount = 0;
    std::int16_t level = 0;
    std::array<std::int16_t, cellCount + 1> selection{};

    std::int16_t& kind(std::int16_t i) { return board[static_cast<std::size_t>(i)].kind; }
    std::int16_t kind(std::int16_t i) const { return board[static_cast<std::size_t>(i)].kind; }
    std::int16_t& mark(std::int16_t i) { return board[static_cast<std::size_t>(i)].mark; }
    std::int16_t mark(std::int16_t i) const { return board[static_cast<std::size_t>(i)].mark; }
};

} // namespace gelumpa
