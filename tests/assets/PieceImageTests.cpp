// The ten piece pictures, judged by what they show: one drawing of a ball with a white shine at
// its upper left, pixel for pixel as stated, in the kind's colour on white, or on pure blue
// when highlighted.
#include "FileChunks.h"
#include "tests/support/PiecePicture.h"

#include <QImage>

#include <gtest/gtest.h>

#include <array>
#include <string>

using namespace gelumpa::assettest;

namespace {

constexpr int side = e2e::pieceSize;

// 'o' the ball, '+' the shine, '.' the ground.
constexpr std::array<const char*, side> drawing{
    "................................",
    ".............ooooooo............",
    "..........ooooooooooooo.........",
    ".........ooooooooooooooo........",
    ".......ooooooooooooooooooo......",
    "......ooooooooooooooooooooo.....",
    ".....ooo++oooooooooooooooooo....",
    ".....oo++++ooooooooooooooooo....",
    "....ooo++++oooooooooooooooooo...",
    "...ooo+++ooooooooooooooooooooo..",
    "...ooo++oooooooooooooooooooooo..",
    "...oo++ooooooooooooooooooooooo..",
    "..ooo+ooooooooooooooooooooooooo.",
    "..ooo+ooooooooooooooooooooooooo.",
    "..ooooooooooooooooooooooooooooo.",
    "..ooooooooooooooooooooooooooooo.",
    "..ooooooooooooooooooooooooooooo.",
    "..ooooooooooooooooooooooooooooo.",
    "..ooooooooooooooooooooooooooooo.",
    "..ooooooooooooooooooooooooooooo.",
    "...ooooooooooooooooooooooooooo..",
    "...ooooooooooooooooooooooooooo..",
    "...ooooooooooooooooooooooooooo..",
    "....ooooooooooooooooooooooooo...",
    ".....ooooooooooooooooooooooo....",
    ".....ooooooooooooooooooooooo....",
    "......ooooooooooooooooooooo.....",
    ".......ooooooooooooooooooo......",
    ".........ooooooooooooooo........",
    "..........ooooooooooooo.........",
    ".............ooooooo............",
    "................................",
};

} // namespace

TEST(PieceImages, are24BitPngsOfTheOneBallDrawingInTheKindsColourOnWhiteOrOnBlue)
{
    for (const bool highlighted : {false, true}) {
        for (int kind = 1; kind <= 5; ++kind) {
            const QString path = e2e::piecePath(kind, highlighted);
            SCOPED_TRACE(qPrintable(path));
            ASSERT_TRUE(isPlainRgbPng(path, side, side));
            const QImage picture = e2e::piecePicture(kind, highlighted);
            const QRgb ball = e2e::ballColour(kind, highlighted);
            const QRgb ground = highlighted ? e2e::highlightBlue : e2e::white;
            for (int y = 0; y < side; ++y) {
                // The row as stated, with '?' wherever the picture shows another colour.
                std::string shown = drawing[static_cast<std::size_t>(y)];
                for (int x = 0; x < side; ++x) {
                    char& part = shown[static_cast<std::size_t>(x)];
                    const QRgb wanted = part == 'o' ? ball : part == '+' ? e2e::white : ground;
                    if (picture.pixel(x, y) != wanted)
                        part = '?';
                }
                EXPECT_EQ(shown, drawing[static_cast<std::size_t>(y)]) << "row " << y;
            }
        }
    }
}
