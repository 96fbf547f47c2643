// The end-of-game and credits pictures: their size, their plain 24-bit colour and the parts the
// windows rely on (white ground under the end window's strip, heading, balloon, maker's mark).
#include "FileChunks.h"

#include <QImage>

#include <gtest/gtest.h>

#include <functional>

using namespace gelumpa::assettest;

namespace {

int countPixels(const QImage& image, const QRect& area, const std::function<bool(QColor)>& wanted)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += wanted(image.pixelColor(x, y)) ? 1 : 0;
    }
    return count;
}

bool isRed(QColor c) { return c.red() > 180 && c.green() < 90 && c.blue() < 90; }
bool isBlue(QColor c) { return c.blue() > 150 && c.red() < 90 && c.green() < 120; }
bool isYellow(QColor c) { return c.red() > 200 && c.green() > 170 && c.blue() < 110; }
bool isWhite(QColor c) { return c.red() == 255 && c.green() == 255 && c.blue() == 255; }

} // namespace

TEST(EndPicture, is375By241In24BitColourOnWhiteWithPeopleLeftARedHeadingTopRightAndABlueBalloonBelowIt)
{
    ASSERT_TRUE(isPlainRgbPng(":/pictures/end.png", 375, 241));
    const QImage picture(":/pictures/end.png");
    for (const QPoint corner : {QPoint(0, 0), QPoint(374, 0), QPoint(374, 240)})
        EXPECT_TRUE(isWhite(picture.pixelColor(corner))) << corner.x() << ", " << corner.y();

    const QRect leftHalf(0, 0, 187, 241);
    EXPECT_GT(countPixels(picture, leftHalf, [](QColor c) { return !isWhite(c); }), leftHalf.width() * leftHalf.height() / 3);
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
