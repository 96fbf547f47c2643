// The shapes of the colour-blind aid: a ring, a plus, a cross, a square and a triangle, about
// 12 x 12 pixels of the 32 x 32 picture. Each is described by where it lies, not by pixels, so
// it is drawn crisp at every scale; it stays well below and right of the shine.
#include "Symbols.h"

#include <algorithm>
#include <cmath>

namespace gelumpa::assetgen {

namespace {

// The ball's middle, in pixels of the 32 x 32 picture.
constexpr double centre = 16.0;

// Whether the point (dx, dy) from the ball's middle, in pixels of the 32 x 32 picture, is on
// the shape of this kind. Strokes are 2 pixels wide.
bool onShape(int kind, double dx, double dy)
{
    const double across = std::abs(dx);
    const double down = std::abs(dy);
    switch (kind) {
    case 1: {
        const double squared = dx * dx + dy * dy;
        return squared >= 4.0 * 4.0 && squared < 6.0 * 6.0;
    }
    case 2: return (across < 1.0 && down < 6.0) || (down < 1.0 && across < 6.0);
    case 3: return across < 5.5 && down < 5.5 && std::abs(across - down) < 1.5;
    case 4: {
        const double edge = std::max(across, down);
        return edge >= 3.0 && edge < 5.5;
    }
    default: return dy >= -6.0 && dy < 5.0 && across < (dy + 6.0) * 6.0 / 11.0;
    }
}

} // namespace

QImage drawSymbolPiece(int kind, PieceLook look, int scale)
{
    const QImage piece = drawPiece(kind, look);
    QImage image(piece.width() * scale, piece.height() * scale, QImage::Format_RGB888);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double dx = (x + 0.5) / scale - centre;
            const double dy = (y + 0.5) / scale - centre;
            image.setPixel(x, y, onShape(kind, dx, dy) ? qRgb(0, 0, 0) : piece.pixel(x / scale, y / scale));
        }
    }
    return image;
}

} // namespace gelumpa::assetgen
