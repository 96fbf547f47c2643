// The colour-blind aid: every piece picture once more with a black shape inside its ball, one
// shape per kind, so that no two kinds differ by colour alone.
#pragma once

#include "Pieces.h"

#include <QImage>

namespace gelumpa::assetgen {

// The picture of drawPiece(kind, look) enlarged `scale` times pixel for pixel, with the kind's
// shape drawn in black at the ball's centre at the screen's own resolution: at scale 2 the
// shape's edges step by half a pixel of the 32 x 32 picture, not by a whole doubled one.
QImage drawSymbolPiece(int kind, PieceLook look, int scale);

} // namespace gelumpa::assetgen
