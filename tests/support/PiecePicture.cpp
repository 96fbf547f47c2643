// The colours of the five kinds and the embedded piece pictures; see PiecePicture.h.
#include "tests/support/PiecePicture.h"

#include <QString>

#include <algorithm>
#include <array>

namespace e2e {

namespace {

// The ball of kinds 1 to 5 (tan, green, red, pale cyan, magenta); only kind 4 brightens, to
// pure cyan, when highlighted.
constexpr std::array<QRgb, 5> balls{0xffdcae50, 0xff00ff00, 0xffff0000, 0xff8cf2ed, 0xffff00ff};
constexpr QRgb highlightedFour = 0xff00ffff;
constexpr int kinds = static_cast<int>(balls.size());

QImage loadPicture(int kind, bool highlighted)
{
    if (kind == emptyCell) {
        QImage empty(pieceSize, pieceSize, QImage::Format_RGB32);
        empty.fill(white);
        return empty;
    }
    return piecePicture(kind, highlighted);
}

} // namespace

QString piecePath(int kind, bool highlighted, bool symbols, bool twice)
{
    return QStringLiteral(":/pieces/%1%2-%3%4.png")
        .arg(symbols ? "symbols/" : "", highlighted ? "highlighted" : "normal")
        .arg(kind)
        .arg(twice ? "@2x" : "");
}

QImage piecePicture(int kind, bool highlighted, bool symbols, bool twice)
{
    return QImage(piecePath(kind, highlighted, symbols, twice)).convertToFormat(QImage::Format_RGB32);
}

QRgb ballColour(int kind, bool highlighted)
{
    if (kind < 1 || kind > kinds)
        return white;
    return kind == 4 && highlighted ? highlightedFour : balls[static_cast<std::size_t>(kind - 1)];
}

int kindOfBall(QRgb colour)
{
    colour |= 0xff000000;
    if (colour == white)
        return emptyCell;
    if (colour == highlightedFour)
        return 4;
    const auto found = std::find(balls.begin(), balls.end(), colour);
    return found == balls.end() ? unrecognised : static_cast<int>(found - balls.begin()) + 1;
}

const QImage& cellPicture(int kind, bool highlighted)
{
    // Loaded once: the screen tests compare every cell of every screenshot with these.
    static const std::array<std::array<QImage, kinds + 1>, 2> pictures = [] {
        std::array<std::array<QImage, kinds + 1>, 2> loaded;
        for (int look = 0; look < 2; ++look)
            for (int each = 0; each <= kinds; ++each)
                loaded[static_cast<std::size_t>(look)][static_cast<std::size_t>(each)] = loadPicture(each, look == 1);
        return loaded;
    }();
    return pictures[highlighted ? 1 : 0][static_cast<std::size_t>(kind)];
}

} // namespace e2e
