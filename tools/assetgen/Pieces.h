// The ten piece pictures: a flat ball with a white shine, normal on white, highlighted on blue.
#pragma once

#include <QImage>

namespace gelumpa::assetgen {

enum class PieceLook { Normal, Highlighted };

// The 32 x 32 RGB picture of piece kind 1..5 in the given look.
QImage drawPiece(int kind, PieceLook look);

} // namespace gelumpa::assetgen
