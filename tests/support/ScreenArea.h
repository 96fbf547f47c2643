// Counting the pixels of a screen area by colour: how the tests check texts and pictures
// they do not decode, such as the status panel's texts.
#pragma once

#include "tests/support/PiecePicture.h"

#include <QImage>
#include <QRect>
#include <QRgb>

#include <array>
#include <string>

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

// The status panel in the client area, and its seven texts (three captions, three values and the
// signature): each one's place in the panel (its design text's), the colour it is drawn in, and the
// least of its pixels that show it is written, in any face or none (a missing glyph is drawn as a box).
inline constexpr QRect panelArea{16, 352, 337, 41};
struct PanelText {
    const char* what;
    QRect place;
    QRgb colour;
    int least;
};
inline constexpr std::array<PanelText, 7> panelTexts{{
    {"\"Score :\" in white", {0, 0, 42, 13}, white, 10},
    {"the score in green", {48, 2, 22, 13}, 0xff00ff00, 10},
    {"\"Level :\" in white", {80, 0, 40, 13}, white, 10},
    {"the level name in red", {120, 1, 87, 13}, 0xffff0000, 10},
    {"\"Select :\" in white", {0, 16, 45, 13}, white, 10},
    {"the group size in cyan", {48, 16, 22, 13}, 0xff00ffff, 10},
    {"\"Orvane 2003\" in yellow", {216, 8, 113, 24}, 0xffffff00, 30},
}};

// The texts not written in their colour at their place, one a line; empty when all are.
inline std::string unwrittenTexts(const QImage& screen, QPoint clientOrigin)
{
    std::string missing;
    for (const PanelText& text : panelTexts) {
        const QRect place = text.place.translated(clientOrigin + panelArea.topLeft());
        if (countPixels(screen, place, [&](QRgb pixel) { return looksLike(pixel, text.colour); }) < text.least)
            missing += std::string("no ") + text.what + '\n';
    }
    return missing;
}

} // namespace e2e
