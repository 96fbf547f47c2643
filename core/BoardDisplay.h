// What the main window shows of the game: the cells' pictures, the values in the status panel
// and the check marks of the menu items.
#pragma once

#include <string_view>

#include "core/GameState.h"

namespace gelumpa {

// How a cell shows its piece: normally, or highlighted as part of the marked group.
enum class PieceLook { Normal, Highlighted };

// The labels of the status panel whose values the game writes, beside their fixed captions.
enum class StatusLabel { GroupSize, Score, Level, Count };

// The menu items that carry check marks; the two items of each pair exclude each other.
enum class MenuItem { PieceOfTokay, Nightmare, SoundOn, SoundOff, Count };

// The item that carries a level's check mark, and the one of each position of the sound switch.
constexpr MenuItem levelItem(Level level) { return level == Level::PieceOfTokay ? MenuItem::PieceOfTokay : MenuItem::Nightmare; }
constexpr MenuItem soundItem(bool on) { return on ? MenuItem::SoundOn : MenuItem::SoundOff; }

class BoardDisplay {
public:
    virtual ~BoardDisplay() = default;

    // The cell shows the picture of its piece; kind is 1..5, never 0.
    virtual void showPiece(int cell, int kind, PieceLook look) = 0;
    // The cell shows nothing: the window's white background.
    virtual void clearCell(int cell) = 0;

    virtual void showValue(StatusLabel label, std::string_view value) = 0;
    virtual void setChecked(MenuItem item, bool checked) = 0;
};

} // namespace gelumpa
