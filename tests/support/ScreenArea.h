// Counting the pixels of a screen area by colour: how the tests check texts and pictures
// they do not decode, such as the panel's captions.
#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>

namespace e2e {

template <typename ColourTest>
int countPixels(const QImage& screen, QRect area, ColourTest&& test)
{
    area = area.intersected(screen.rect());
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += test(screen.pixel(x, y)) ? 1 : 0;
    return count;
}

// A pixel of text in one of the panel's pure colours, smoothed into a dark ground: the
// channels the colour has are bright, the others dark.
inline bool looksLike(QRgb pixel, QRgb colour)
{
    const auto channel = [](int seen, int wanted) { return wanted == 255 ? seen >= 128 : seen <= 64; };
    return channel(qRed(pixel), qRed(colour)) && channel(qGreen(pixel), qGreen(colour)) &&
           channel(qBlue(pixel), qBlue(colour));
}

} // namespace e2e
