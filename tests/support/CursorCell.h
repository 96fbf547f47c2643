// The board cursor's ring on the screen: it covers the pixels the board decoder reads a cell
// by, so the cell under it is read inside the ring.
#pragma once

#include "tests/support/BoardPicture.h"

#include <QImage>
#include <QPoint>

namespace e2e {

// Whether the cell with its corner here shows the ring: black on its outermost pixels, white
// just inside at the corner.
bool showsCursorRing(const QImage& screen, QPoint cellCorner);

// Reads the cell under the ring into the board: the one picture (or the empty cell) every
// pixel inside the ring agrees with. False when none does.
bool readInsideRing(const QImage& screen, QPoint cellCorner, int cell, Board& board);

} // namespace e2e
