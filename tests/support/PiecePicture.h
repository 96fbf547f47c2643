// What a board cell looks like: the colour of each kind's ball, by which a screenshot's cells
// are told apart, and the piece pictures the game embeds, which a cell must show exactly.
#pragma once

#include <QImage>
#include <QRgb>
#include <QString>

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
// Where the game embeds the picture of `kind` (1..5) in a look: the plain set, or the set with
// the colour-blind aid's shapes, at the board's size or drawn at twice it.
QString piecePath(int kind, bool highlighted, bool symbols = false, bool twice = false);
// That picture, in RGB32.
QImage piecePicture(int kind, bool highlighted, bool symbols = false, bool twice = false);
// The kind whose ball has this colour, in either look; emptyCell for white, else unrecognised.
int kindOfBall(QRgb colour);
// The embedded picture of `kind` in its normal or highlighted look, in RGB32; for an empty
// cell (kind 0), plain white. Null when the program's resources are not linked in.
const QImage& cellPicture(int kind, bool highlighted);

} // namespace e2e
