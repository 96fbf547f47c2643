// What a board cell looks like pixel by pixel: the piece pictures as the player sees them,
// and the kind a ball's colour stands for.
#pragma once

#include <QRgb>

namespace e2e {

inline constexpr int pieceSize = 32;
inline constexpr int emptyCell = 0;
// A cell whose picture is no piece picture at all.
inline constexpr int unrecognised = -1;

inline constexpr QRgb white = 0xffffffff;
inline constexpr QRgb black = 0xff000000;
inline constexpr QRgb highlightBlue = 0xff0000ff;

// Where a cell's colours are read: a ball pixel away from the shine, and the background corner.
inline constexpr int ballSampleX = 16;
inline constexpr int ballSampleY = 20;

QRgb ballColour(int kind, bool highlighted);
// The pixel at (x, y) of a cell showing `kind` (0: an empty cell) in its normal or highlighted look.
QRgb expectedPixel(int kind, bool highlighted, int x, int y);
// The kind whose ball has this colour, in either look; emptyCell for white, else unrecognised.
int kindOfBall(QRgb colour);

} // namespace e2e
