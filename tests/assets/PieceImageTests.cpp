// The ten piece pictures, pixel by pixel: the board shows nothing else, and the end-to-end tests
// tell the kinds apart by these exact colours.
#include "FileChunks.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

using namespace gelumpa::assettest;

namespace {

// A band of rows over which a shape covers the same columns, both ends inclusive.
struct Band {
    int firstRow;
    int lastRow;
    int firstColumn;
    int lastColumn;
};

constexpr std::array<Band, 17> ballBands{{
    {1, 1, 13, 19}, {2, 2, 10, 22}, {3, 3, 9, 23}, {4, 4, 7, 25}, {5, 5, 6, 26},
    {6, 7, 5, 27}, {8, 8, 4, 28}, {9, 11, 3, 29}, {12, 19, 2, 30}, {20, 22, 3, 29},
    {23, 23, 4, 28}, {24, 25, 5, 27}, {26, 26, 6, 26}, {27, 27, 7, 25}, {28, 28, 9, 23},
    {29, 29, 10, 22}, {30, 30, 13, 19},
}};

constexpr std::array<Band, 6> shineBands{{
    {6, 6, 8, 9}, {7, 8, 7, 10}, {9, 9, 6, 8}, {10, 10, 6, 7}, {11, 11, 5, 6}, {12, 13, 5, 5},
}};

bool covers(const auto& bands, int x, int y)
{
    return std::any_of(bands.begin(), bands.end(), [x, y](const Band& band) {
        return y >= band.firstRow && y <= band.lastRow && x >= band.firstColumn && x <= band.lastColumn;
    });
}

enum class Part { Background, Ball, Shine };

Part partAt(int x, int y)
{
    if (covers(shineBands, x, y))
        return Part::Shine;
    return covers(ballBands, x, y) ? Part::Ball : Part::Background;
}

struct Look {
    const char* fileStem;
    QRgb background;
    std::array<QRgb, 5> balls; // kinds 1..5
};

const QRgb white = qRgb(255, 255, 255);

const Look normal{"normal", white,
                  {qRgb(220, 174, 80), qRgb(0, 255, 0), qRgb(255, 0, 0), qRgb(140, 242, 237), qRgb(255, 0, 255)}};
// Highlighted, only kind 4's ball changes its colour.
const Look highlighted{"highlighted", qRgb(0, 0, 255),
                       {qRgb(220, 174, 80), qRgb(0, 255, 0), qRgb(255, 0, 0), qRgb(0, 255, 255), qRgb(255, 0, 255)}};

QString resourcePath(const Look& look, int kind)
{
    return QStringLiteral(":/pieces/%1-%2.png").arg(QLatin1String(look.fileStem)).arg(kind);
}

void expectEveryPixel(const Look& look)
{
    for (int kind = 1; kind <= 5; ++kind) {
        const QImage picture(resourcePath(look, kind));
        ASSERT_EQ(picture.size(), QSize(32, 32)) << qPrintable(resourcePath(look, kind));
        int wrong = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const Part part = partAt(x, y);
                const QRgb expected = part == Part::Shine ? white
                    : part == Part::Ball                  ? look.balls[static_cast<std::size_t>(kind - 1)]
                                                          : look.background;
                const QRgb actual = picture.pixel(x, y);
                if (actual != expected && wrong++ < 5) {
                    ADD_FAILURE() << qPrintable(resourcePath(look, kind)) << " pixel (" << x << ", " << y
                                  << ") is " << std::hex << actual << ", expected " << expected;
                }
            }
        }
        EXPECT_EQ(wrong, 0) << qPrintable(resourcePath(look, kind));
    }
}

} // namespace

TEST(PieceImages, showEachBallWithItsShineOnWhiteAndHighlightedOnPureBlue)
{
    expectEveryPixel(normal);
    expectEveryPixel(highlighted);
}

TEST(PieceImages, areStoredAs24BitRgbPngsWithoutTransparency)
{
    for (const Look* look : {&normal, &highlighted})
        for (int kind = 1; kind <= 5; ++kind)
            EXPECT_TRUE(isPlainRgbPng(resourcePath(*look, kind), 32, 32)) << qPrintable(resourcePath(*look, kind));
}
