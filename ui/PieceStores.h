// The piece pictures, normal and highlighted: ten read-only pictures indexed by kind
// 1..5, which the board cells point at.
#pragma once

#include <array>
#include <optional>

#include <QColor>
#include <QPixmap>

#include "core/BoardDisplay.h"

namespace gelumpa {

// One store entry: the 32 x 32 picture and its square's background colour, with which
// a cell fills whatever the picture does not cover on a fractional-scale screen.
struct PiecePicture {
    QPixmap pixmap;
    QColor background;
};

class PieceStores {
public:
    // The entry stays in place once made, so cells may keep pointing at it.
    const PiecePicture& entry(int kind, PieceLook look) const;

private:
    // Each picture is decoded when it is first asked for: until the first game the board
    // shows one of the ten.
    mutable std::array<std::optional<PiecePicture>, 5> normal;
    mutable std::array<std::optional<PiecePicture>, 5> highlighted;
};

} // namespace gelumpa
