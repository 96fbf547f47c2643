// The ring is black on the cell's outermost logical pixel, which no ball reaches, and
// white just inside it wherever the picture shows its background: the white parts the
// black ring from a blue square, and no ball pixel ever changes.
#include "ui/CursorRing.h"

#include <QImage>

namespace gelumpa {

namespace {
// Whether a device pixel shows the picture's background (or no picture at all).
class Background {
public:
    Background(const PiecePicture* picture, const QRect& pictureRect)
        : image(picture != nullptr ? picture->pixmap.toImage() : QImage()),
          colour(picture != nullptr ? picture->background.rgb() : 0), place(pictureRect)
    {
    }

    bool at(QPoint device) const
    {
        if (image.isNull() || !place.contains(device))
            return true;
        const QPoint inPicture = device - place.topLeft();
        const int x = inPicture.x() * image.width() / place.width();
        const int y = inPicture.y() * image.height() / place.height();
        return image.pixel(x, y) == colour;
    }

private:
    const QImage image;
    const QRgb colour;
    const QRect place;
};

void fillFrame(QPainter& painter, const QRect& outer, int band, const QColor& colour)
{
    painter.fillRect(QRect(outer.left(), outer.top(), outer.width(), band), colour);
    painter.fillRect(QRect(outer.left(), outer.bottom() - band + 1, outer.width(), band), colour);
    painter.fillRect(QRect(outer.left(), outer.top() + band, band, outer.height() - 2 * band), colour);
    painter.fillRect(QRect(outer.right() - band + 1, outer.top() + band, band, outer.height() - 2 * band), colour);
}
} // namespace

void paintCursorRing(QPainter& painter, const QRect& square, int band, const PiecePicture* picture,
                     const QRect& pictureRect)
{
    fillFrame(painter, square, band, Qt::black);
    const QRect inner = square.adjusted(band, band, -band, -band);
    const Background background(picture, pictureRect);
    for (int y = inner.top(); y <= inner.bottom(); ++y) {
        const bool edgeRow = y < inner.top() + band || y > inner.bottom() - band;
        for (int x = inner.left(); x <= inner.right(); ++x) {
            const bool inRing = edgeRow || x < inner.left() + band || x > inner.right() - band;
            if (!inRing) {
                x = inner.right() - band;
                continue;
            }
            if (background.at({x, y}))
                painter.fillRect(QRect(x, y, 1, 1), Qt::white);
        }
    }
}

} // namespace gelumpa
