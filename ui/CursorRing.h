// The keyboard cursor's ring around a board cell, plain on a white and on a blue square.
#pragma once

#include <QPainter>
#include <QRect>

#include "ui/PieceStores.h"

namespace gelumpa {

// Paints in device pixels: square is the cell, band the width of one of its logical
// pixels, pictureRect where its picture lies (picture is nullptr for an empty cell).
void paintCursorRing(QPainter& painter, const QRect& square, int band, const PiecePicture* picture,
                     const QRect& pictureRect);

} // namespace gelumpa
