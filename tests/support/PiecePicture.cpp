// The colours of the five kinds and the embedded piece pictures; see PiecePicture.h.
#include "tests/support/PiecePicture.h"

#include <QString>

#include <array>

namespace e2e {

namespace {

constexpr QRgb tan = 0xffdcae50;
constexpr QRgb green = 0xff00ff00;
constexpr QRgb red = 0xffff0000;
constexpr QRgb paleCyan = 0xff8cf2ed;
constexpr QRgb cyan = 0xff00ffff;
constexpr QRgb magenta = 0xffff00ff;

constexpr int kinds = 5;

QImage loadPicture(int kind, bool highlighted)
{
    if (kind == emptyCell) {
        QImage empty(pieceSize, pieceSize, QImage::Format_RGB32);
        empty.fill(white);
        return empty;
    }
    const QString path = QStringLiteral(":/pieces/%1-%2.png").arg(highlighted ? "highlighted" : "normal").arg(kind);
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

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
