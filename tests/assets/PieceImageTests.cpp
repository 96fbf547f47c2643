// The ten piece pictures, pixel by pixel: the board shows nothing else, and the end-to-end tests
// tell the kinds apart by these exact colours, from the one drawing of a piece they share.
#include "FileChunks.h"
#include "tests/support/PiecePicture.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace gelumpa::assettest;

TEST(PieceImages, are24BitRgbPngsShowingEachBallWithItsShineOnWhiteAndHighlightedOnPureBlue)
{
    for (const bool highlighted : {false, true}) {
        for (int kind = 1; kind <= 5; ++kind) {
            const QString path =
                QStringLiteral(":/pieces/%1-%2.png").arg(highlighted ? "highlighted" : "normal").arg(kind);
            ASSERT_TRUE(isPlainRgbPng(path, e2e::pieceSize, e2e::pieceSize)) << qPrintable(path);
            const QImage picture(path);
            int wrong = 0;
            for (int y = 0; y < e2e::pieceSize; ++y) {
                for (int x = 0; x < e2e::pieceSize; ++x) {
                    const QRgb expected = e2e::expectedPixel(kind, highlighted, x, y);
                    const QRgb actual = picture.pixel(x, y);
                    if (actual != expected && wrong++ < 5) {
                        ADD_FAILURE() << qPrintable(path) << " pixel (" << x << ", " << y << ") is " << std::hex
                                      << actual << ", expected " << expected;
                    }
                }
            }
            EXPECT_EQ(wrong, 0) << qPrintable(path);
        }
    }
}
