// The ten piece pictures: a flat ball with a white shine, normal on white, highlighted on blue.
// The pixels are fixed row by row, so the balls are set pixel by pixel rather than painted.
#include "Pieces.h"

#include <array>

namespace gelumpa::assetgen {

namespace {

constexpr int side = 32;

// One run of pixels in a row: columns first..last inclusive.
struct Span {
    int row;
    int first;
    int last;
};

// The ball's outline, one span per row from row 1 to row 30.
constexpr std::array<Span, 30> ballSpans{{
    {1, 13, 19}, {2, 10, 22}, {3, 9, 23}, {4, 7, 25}, {5, 6, 26},
    {6, 5, 27}, {7, 5, 27}, {8, 4, 28}, {9, 3, 29}, {10, 3, 29},
    {11, 3, 29}, {12, 2, 30}, {13, 2, 30}, {14, 2, 30}, {15, 2, 30},
    {16, 2, 30}, {17, 2, 30}, {18, 2, 30}, {19, 2, 30}, {20, 3, 29},
    {21, 3, 29}, {22, 3, 29}, {23, 4, 28}, {24, 5, 27}, {25, 5, 27},
    {26, 6, 26}, {27, 7, 25}, {28, 9, 23}, {29, 10, 22}, {30, 13, 19},
}};

// The shine at the ball's upper left.
constexpr std::array<Span, 8> shineSpans{{
    {6, 8, 9}, {7, 7, 10}, {8, 7, 10}, {9, 6, 8}, {10, 6, 7}, {11, 5, 6}, {12, 5, 5}, {13, 5, 5},
}};

QRgb ballColour(int kind, PieceLook look)
{
    switch (kind) {
    case 1: return qRgb(220, 174, 80);
    case 2: return qRgb(0, 255, 0);
    case 3: return qRgb(255, 0, 0);
    case 4: return look == PieceLook::Normal ? qRgb(140, 242, 237) : qRgb(0, 255, 255);
    default: return qRgb(255, 0, 255);
    }
}

void fillSpans(QImage& image, const auto& spans, QRgb colour)
{
    for (const Span& span : spans) {
        for (int x = span.first; x <= span.last; ++x)
            image.setPixel(x, span.row, colour);
    }
}

} // namespace

QImage drawPiece(int kind, PieceLook look)
{
    QImage image(side, side, QImage::Format_RGB888);
    image.fill(look == PieceLook::Normal ? qRgb(255, 255, 255) : qRgb(0, 0, 255));
    fillSpans(image, ballSpans, ballColour(kind, look));
    fillSpans(image, shineSpans, qRgb(255, 255, 255));
    return image;
}

} // namespace gelumpa::assetgen
