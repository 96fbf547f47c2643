// The drawing every piece picture shares: a flat ball with a white shine on a square ground.
#include "tests/support/PiecePicture.h"

#include <array>

namespace e2e {

namespace {

struct Span {
    int first;
    int last;
    bool contains(int x) const { return first <= x && x <= last; }
};

constexpr Span none{1, 0};

constexpr std::array<Span, pieceSize> ballRows{{
    none,     {13, 19}, {10, 22}, {9, 23},  {7, 25},  {6, 26},  {5, 27},  {5, 27},
    {4, 28},  {3, 29},  {3, 29},  {3, 29},  {2, 30},  {2, 30},  {2, 30},  {2, 30},
    {2, 30},  {2, 30},  {2, 30},  {2, 30},  {3, 29},  {3, 29},  {3, 29},  {4, 28},
    {5, 27},  {5, 27},  {6, 26},  {7, 25},  {9, 23},  {10, 22}, {13, 19}, none,
}};

constexpr std::array<Span, pieceSize> shineRows{{
    none, none,   none,    none,   none,   none,   {8, 9}, {7, 10},
    {7, 10}, {6, 8}, {6, 7}, {5, 6}, {5, 5}, {5, 5}, none, none,
    none, none,   none,    none,   none,   none,   none,   none,
    none, none,   none,    none,   none,   none,   none,   none,
}};

constexpr QRgb tan = 0xffdcae50;
constexpr QRgb green = 0xff00ff00;
constexpr QRgb red = 0xffff0000;
constexpr QRgb paleCyan = 0xff8cf2ed;
constexpr QRgb cyan = 0xff00ffff;
constexpr QRgb magenta = 0xffff00ff;

} // namespace

QRgb ballColour(int kind, bool highlighted)
{
    switch (kind) {
    case 1: return tan;
    case 2: return green;
    case 3: return red;
    case 4: return highlighted ? cyan : paleCyan;
    case 5: return magenta;
    default: return white;
    }
}

QRgb expectedPixel(int kind, bool highlighted, int x, int y)
{
    if (kind == emptyCell || shineRows[static_cast<std::size_t>(y)].contains(x))
        return white;
    if (ballRows[static_cast<std::size_t>(y)].contains(x))
        return ballColour(kind, highlighted);
    return highlighted ? highlightBlue : white;
}

int kindOfBall(QRgb colour)
{
    switch (colour | 0xff000000) {
    case tan: return 1;
    case green: return 2;
    case red: return 3;
    case paleCyan:
    case cyan: return 4;
    case magenta: return 5;
    case white: return emptyCell;
    default: return unrecognised;
    }
}

} // namespace e2e
