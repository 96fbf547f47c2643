// The end-of-game and credits pictures: their size, their plain 24-bit colour and the parts the
// windows rely on (white ground under the end window's strip, heading, balloon, maker's mark).
#include "FileChunks.h"

#include "tests/support/ScreenArea.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace gelumpa::assettest;
using e2e::countPixels;

namespace {

bool isRed(QRgb c) { return qRed(c) > 180 && qGreen(c) < 90 && qBlue(c) < 90; }
bool isBlue(QRgb c) { return qBlue(c) > 150 && qRed(c) < 90 && qGreen(c) < 120; }
bool isYellow(QRgb c) { return qRed(c) > 200 && qGreen(c) > 170 && qBlue(c) < 110; }
bool isWhite(QRgb c) { return (c | 0xff000000) == e2e::white; }

} // namespace

TEST(EndPicture, is375By241In24BitColourOnWhiteWithPeopleLeftARedHeadingTopRightAndABlueBalloonBelowIt)
{
    ASSERT_TRUE(isPlainRgbPng(":/pictures/end.png", 375, 241));
    const QImage picture(":/pictures/end.png");
    for (const QPoint corner : {QPoint(0, 0), QPoint(374, 0), QPoint(374, 240)})
        EXPECT_TRUE(isWhite(picture.pixel(corner))) << corner.x() << ", " << corner.y();

    const QRect leftHalf(0, 0, 187, 241);
    EXPECT_GT(countPixels(picture, leftHalf, [](QRgb c) { return !isWhite(c); }), leftHalf.width() * leftHalf.height() / 3);
    EXPECT_GT(countPixels(picture, QRect(190, 0, 185, 50), isRed), 300);
    EXPECT_GT(countPixels(picture, QRect(190, 50, 185, 191), isBlue), 1000);
}

TEST(CreditsPicture, is363By215In24BitColourOnDarkBrownWithTheMakersMarkInRedAndYellowAtTheLowerRight)
{
    ASSERT_TRUE(isPlainRgbPng(":/pictures/credits.png", 363, 215));
    const QImage picture(":/pictures/credits.png");
    for (const QPoint corner : {QPoint(0, 0), QPoint(362, 0), QPoint(0, 214), QPoint(362, 214)}) {
        const QColor ground = picture.pixelColor(corner);
        EXPECT_TRUE(ground.red() < 100 && ground.red() > ground.green() && ground.green() > ground.blue())
            << corner.x() << ", " << corner.y();
    }
    const QRect lowerRight(230, 150, 133, 45);
    EXPECT_GT(countPixels(picture, lowerRight, isRed), 150);
    EXPECT_GT(countPixels(picture, lowerRight, isYellow), 150);
}
