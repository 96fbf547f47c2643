// Encoding a palettised picture as a Windows .ico file: one 8-bit image with its AND mask.
// Layout: ICONDIR, one ICONDIRENTRY, then a BITMAPINFOHEADER, a 256-entry palette, the
// bottom-up 8-bit colour rows and the bottom-up 1-bit mask rows (1 = transparent).
#include "IcoFile.h"

#include <QImage>

#include <cstdint>

namespace gelumpa::assetgen {

namespace {

constexpr int paletteSize = 256;
constexpr int iconDirSize = 6;
constexpr int dirEntrySize = 16;
constexpr int infoHeaderSize = 40;

void put16(QByteArray& out, std::uint16_t value)
{
    out.append(static_cast<char>(value & 0xff));
    out.append(static_cast<char>(value >> 8));
}

void put32(QByteArray& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.append(static_cast<char>((value >> shift) & 0xff));
}

// Bitmap rows are padded to whole 32-bit words.
int rowBytes(int width, int bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

} // namespace

QByteArray encodeIco(const QImage& icon)
{
    const int width = icon.width();
    const int height = icon.height();
    const int colourRow = rowBytes(width, 8);
    const int maskRow = rowBytes(width, 1);
    const auto imageBytes = static_cast<std::uint32_t>(
        infoHeaderSize + paletteSize * 4 + (colourRow + maskRow) * height);

    QByteArray out;
    put16(out, 0); // reserved
    put16(out, 1); // resource type: icon
    put16(out, 1); // one image

    out.append(static_cast<char>(width));
    out.append(static_cast<char>(height));
    out.append(static_cast<char>(0)); // 0 means 256 colours
    out.append(static_cast<char>(0)); // reserved
    put16(out, 1); // colour planes
    put16(out, 8); // bits per pixel
    put32(out, imageBytes);
    put32(out, iconDirSize + dirEntrySize);

    put32(out, infoHeaderSize);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height * 2)); // colour bitmap plus mask
    put16(out, 1);
    put16(out, 8);
    put32(out, 0); // uncompressed
    put32(out, static_cast<std::uint32_t>((colourRow + maskRow) * height));
    put32(out, 0);
    put32(out, 0);
    put32(out, 0); // all 256 palette entries
    put32(out, 0);

    const QList<QRgb> colours = icon.colorTable();
    for (int i = 0; i < paletteSize; ++i) {
        const QRgb colour = i < colours.size() ? colours[i] : qRgb(0, 0, 0);
        out.append(static_cast<char>(qBlue(colour)));
        out.append(static_cast<char>(qGreen(colour)));
        out.append(static_cast<char>(qRed(colour)));
        out.append(static_cast<char>(0));
    }

    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x)
            out.append(static_cast<char>(icon.pixelIndex(x, y)));
        out.append(QByteArray(colourRow - width, '\0'));
    }

    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(maskRow, '\0');
        for (int x = 0; x < width; ++x) {
            if (qAlpha(colours[icon.pixelIndex(x, y)]) == 0)
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

} // namespace gelumpa::assetgen
