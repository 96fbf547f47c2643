// The program icon: the Windows .ico (8-bit colours and an AND mask) and the PNGs for Linux,
// which must show the same picture with a transparent background at every size, without blur.
#include "FileChunks.h"

#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

#include <array>
#include <optional>

using namespace gelumpa::assettest;

namespace {

constexpr int side = 32;
constexpr qsizetype paletteEntries = 256;
constexpr qsizetype colourRowBytes = 32;
constexpr qsizetype maskRowBytes = 4;

const QString icoPath = QStringLiteral(GELUMPA_ASSETS_DIR "/icon/gelumpa.ico");

// The one image of the .ico, decoded from its bitmap: colour per pixel and the mask bit.
struct IcoImage {
    std::array<QRgb, side * side> colours{};
    std::array<bool, side * side> transparent{};
};

// Reads the .ico, checking its structure on the way; nothing when the structure is wrong.
std::optional<IcoImage> readIco(const QByteArray& ico)
{
    if (ico.size() < 22 || le16(ico, 0) != 0 || le16(ico, 2) != 1 || le16(ico, 4) != 1)
        return std::nullopt;
    const auto width = static_cast<std::uint8_t>(ico[6]);
    const auto height = static_cast<std::uint8_t>(ico[7]);
    const std::uint32_t bytes = le32(ico, 14);
    const std::uint32_t offset = le32(ico, 18);
    if (width != side || height != side || le16(ico, 12) != 8 || offset + bytes != static_cast<std::uint32_t>(ico.size()))
        return std::nullopt;

    const qsizetype header = offset;
    if (le32(ico, header) != 40 || le32(ico, header + 4) != side || le32(ico, header + 8) != 2 * side
        || le16(ico, header + 14) != 8 || le32(ico, header + 16) != 0)
        return std::nullopt;
    const qsizetype palette = header + 40;
    const qsizetype colourRows = palette + 4 * paletteEntries;
    const qsizetype maskRows = colourRows + side * colourRowBytes;
    if (maskRows + side * maskRowBytes != ico.size())
        return std::nullopt;

    IcoImage image;
    for (int y = 0; y < side; ++y) {
        const int row = side - 1 - y; // bitmaps run bottom-up
        for (int x = 0; x < side; ++x) {
            const auto index = static_cast<std::uint8_t>(ico[colourRows + row * colourRowBytes + x]);
            const qsizetype entry = palette + 4 * index;
            const auto at = static_cast<std::size_t>(y * side + x);
            image.colours[at] = qRgb(static_cast<std::uint8_t>(ico[entry + 2]), static_cast<std::uint8_t>(ico[entry + 1]),
                                     static_cast<std::uint8_t>(ico[entry]));
            const auto maskByte = static_cast<std::uint8_t>(ico[maskRows + row * maskRowBytes + x / 8]);
            image.transparent[at] = (maskByte & (0x80 >> (x % 8))) != 0;
        }
    }
    return image;
}

QImage iconPng(int size)
{
    return QImage(QStringLiteral(":/icon/gelumpa-%1.png").arg(size)).convertToFormat(QImage::Format_ARGB32);
}

} // namespace

TEST(ProgramIcon, icoHoldsOne32By32ImageIn256ColoursWhoseMaskMakesTheBackgroundTransparentShowingThePngsPicture)
{
    const std::optional<IcoImage> ico = readIco(readAll(icoPath));
    ASSERT_TRUE(ico.has_value()) << qPrintable(icoPath);
    const QImage png = iconPng(side);
    ASSERT_EQ(png.size(), QSize(side, side));
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const auto at = static_cast<std::size_t>(y * side + x);
            const QRgb pixel = png.pixel(x, y);
            EXPECT_EQ(ico->transparent[at], qAlpha(pixel) == 0) << x << ", " << y;
            // Under the mask the colour must be black, or Windows would tint the desktop there.
            EXPECT_EQ(ico->colours[at], ico->transparent[at] ? qRgb(0, 0, 0) : qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel)))
                << x << ", " << y;
        }
    }
}

TEST(ProgramIcon, pngIsCleanPixelArtInAtMost256ColoursOnATransparentBackground)
{
    const QImage icon = iconPng(side);
    ASSERT_EQ(icon.size(), QSize(side, side));
    QSet<QRgb> colours;
    int opaque = 0;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const QRgb pixel = icon.pixel(x, y);
            EXPECT_TRUE(qAlpha(pixel) == 0 || qAlpha(pixel) == 255) << "half-transparent at " << x << ", " << y;
            colours.insert(pixel);
            opaque += qAlpha(pixel) == 255 ? 1 : 0;
        }
    }
    EXPECT_LE(colours.size(), 256);
    EXPECT_GT(opaque, 200);
    EXPECT_LT(opaque, 800);
    for (const QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
        EXPECT_EQ(qAlpha(icon.pixel(corner)), 0);
}

TEST(ProgramIcon, largerPngsRepeatThe32PixelIconsPixelsWithoutBlur)
{
    const QImage icon = iconPng(side);
    for (const int size : {48, 64, 128, 256}) {
        const QImage large = iconPng(size);
        ASSERT_EQ(large.size(), QSize(size, size)) << size;
        int wrong = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                // Nearest neighbour: each pixel repeats the source pixel its top left corner falls on.
                const QRgb expected = icon.pixel(x * side / size, y * side / size);
                wrong += large.pixel(x, y) != expected ? 1 : 0;
            }
        }
        EXPECT_EQ(wrong, 0) << "at " << size << " px";
    }
}
