// The piece pictures, normal and highlighted: ten read-only pictures indexed by kind
// 1..5, which the board cells point at; plain, or with the colour-blind aid's shapes.
#pragma once

#include <array>
#include <optional>

#include <QColor>
#include <QPixmap>

#include "core/BoardDisplay.h"

namespace gelumpa {

// The pictures the pieces are drawn with, chosen once at start: the plain balls, or the
// same balls with a black shape for each kind, for players who confuse their colours.
enum class PieceSet { Plain, WithSymbols };

// One store entry: the 32 x 32 picture and its square's background colour, with which
// a cell fills whatever the picture does not cover on a fractional-scale screen.
struct PiecePicture {
    QPixmap pixmap;
    // The picture drawn afresh at twice the size, sharper on a screen of an even scale than
    // the small one doubled; null when the set has none.
    QPixmap twiceSize;
    QColor background;
};

class PieceStores {
public:
    explicit PieceStores(PieceSet set = PieceSet::Plain) : set(set) {}

    // The entry stays in place once made, so cells may keep pointing at it.
    const PiecePicture& entry(int kind, PieceLook look) const;

private:
    const PieceSet set;
    // Each picture is decoded when it is first asked for: until the first game the board
    // shows one of the ten.
    mutable std::array<std::optional<PiecePicture>, 5> normal;
    mutable std::array<std::optional<PiecePicture>, 5> highlighted;
};

} // namespace gelumpa
