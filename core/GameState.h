// The game state, one for the program, held by the game behind the main window: the board and
// the counters and flags of play.
// Indices are 1-based; slot 0 of every table is unused.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "core/CellGeometry.h"

namespace gelumpa {

// The two difficulty levels, numbered as their menu items are.
enum class Level { PieceOfTokay = 1, Nightmare = 2 };

// A level's name as the status panel shows it; its menu item's caption is the same with an
// access key.
constexpr std::string_view levelName(Level level)
{
    constexpr std::array<std::string_view, 3> names{"", "Piece of Tokay", "Nightmare"};
    return names[static_cast<std::size_t>(level)];
}

struct BoardCell {
    int kind = 0; // 0 empty, 1..5 a piece
    bool marked = false; // while in the marked group
};

// The state starts as the window opens: no game yet (clicks are ignored until the
// first deal), the first level and the sound on.
struct GameState {
    std::array<BoardCell, cellCount + 1> board{};
    bool soundOn = true;
    bool gameOver = true;
    int score = 0;
    // The cell clicked to mark the current group; 0 while nothing is marked.
    int anchorCell = 0;
    int selectionCount = 0;
    Level level = Level::PieceOfTokay;
    // The marked group's cells in the order the fill reached them, from slot 1.
    std::array<int, cellCount + 1> selection{};

    int& kind(int cell) { return board[static_cast<std::size_t>(cell)].kind; }
    int kind(int cell) const { return board[static_cast<std::size_t>(cell)].kind; }
    bool& marked(int cell) { return board[static_cast<std::size_t>(cell)].marked; }
    bool marked(int cell) const { return board[static_cast<std::size_t>(cell)].marked; }
};

} // namespace gelumpa
