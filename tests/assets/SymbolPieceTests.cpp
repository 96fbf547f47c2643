// The colour-blind aid's pictures (gelumpa --symbols): the ordinary piece pictures with a black
// shape on each ball, which must tell the kinds apart to eyes that confuse their colours.
#include "FileChunks.h"
#include "tests/support/PiecePicture.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <numeric>
#include <vector>

using namespace gelumpa::assettest;

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

// Machado, Oliveira and Fernandes (2009) at severity 1.0, acting on linear RGB.
const std::array<std::pair<const char*, Matrix>, 3> deficiencies{{
    {"protanopia", {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}}},
    {"deuteranopia", {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}}},
    {"tritanopia", {{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}}},
}};

// The relative luminance (WCAG) of the colour as an eye with the deficiency sees it.
double seenLuminance(QRgb colour, const Matrix& simulation)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const std::array<double, 3> rgb{linear(qRed(colour)), linear(qGreen(colour)), linear(qBlue(colour))};
    constexpr std::array<double, 3> weight{0.2126, 0.7152, 0.0722};
    double luminance = 0.0;
    for (std::size_t row = 0; row < 3; ++row)
        luminance += weight[row]
            * std::clamp(simulation[row][0] * rgb[0] + simulation[row][1] * rgb[1] + simulation[row][2] * rgb[2], 0.0, 1.0);
    return luminance;
}

QImage symbolPicture(int kind, bool highlighted, int scale)
{
    const QString path = e2e::piecePath(kind, highlighted, true, scale == 2);
    const auto side = static_cast<std::uint32_t>(e2e::pieceSize * scale);
    EXPECT_TRUE(isPlainRgbPng(path, side, side)) << qPrintable(path);
    return e2e::piecePicture(kind, highlighted, true, scale == 2);
}

} // namespace

// Protects the pictures and what they are for, in each look at the board's size and at twice it:
// they differ from the ordinary pictures only by a black shape in the middle of the ball (drawn
// anew at twice the size, not doubled); under each simulated colour blindness every shape stands
// out from its ball by at least 3 : 1, and the shapes of any two kinds differ in at least 20
// pixels of the board's size.
TEST(SymbolPieces, areABlackShapeOnTheBallThatColourBlindEyesTellApart)
{
    for (const bool highlighted : {false, true}) {
        for (const int scale : {1, 2}) {
            // Per deficiency and kind, which pixels show the shape standing out from the ball.
            std::array<std::array<std::vector<bool>, 6>, 3> seenShape;
            for (int kind = 1; kind <= 5; ++kind) {
                SCOPED_TRACE(std::string(highlighted ? "highlighted " : "normal ") + std::to_string(kind) + " at "
                             + std::to_string(scale) + "x");
                const QImage picture = symbolPicture(kind, highlighted, scale);
                if (scale == 2 && kind % 2 == 1) { // a ring, a cross, a triangle: not whole pixels doubled
                    EXPECT_NE(picture, symbolPicture(kind, highlighted, 1).scaled(picture.size()));
                }
                const QRgb ball = e2e::ballColour(kind, highlighted);
                int shape = 0;
                int offBall = 0;
                QRect extent;
                std::array<double, 3> weakest{21.0, 21.0, 21.0};
                for (int y = 0; y < picture.height(); ++y) {
                    for (int x = 0; x < picture.width(); ++x) {
                        const QRgb pixel = picture.pixel(x, y);
                        const bool onShape = pixel != e2e::cellPicture(kind, highlighted).pixel(x / scale, y / scale);
                        if (onShape) {
                            ++shape;
                            offBall += pixel != e2e::black
                                || e2e::cellPicture(kind, highlighted).pixel(x / scale, y / scale) != ball;
                            extent |= QRect(x / scale, y / scale, 1, 1);
                        }
                        for (std::size_t d = 0; d < deficiencies.size(); ++d) {
                            const double seen = seenLuminance(pixel, deficiencies[d].second);
                            const double around = seenLuminance(ball, deficiencies[d].second);
                            const double against = (std::max(seen, around) + 0.05) / (std::min(seen, around) + 0.05);
                            if (onShape)
                                weakest[d] = std::min(weakest[d], against);
                            seenShape[d][static_cast<std::size_t>(kind)].push_back(onShape && against >= 3.0);
                        }
                    }
                }
                EXPECT_EQ(offBall, 0) << "pixels changed that are not black on the ball";
                EXPECT_GE(shape, 40 * scale * scale) << "too small a shape";
                EXPECT_TRUE(QRect(9, 9, 14, 14).contains(extent)) << "the shape reaches out to " << extent.left()
                                                                  << ',' << extent.top() << ' ' << extent.width()
                                                                  << 'x' << extent.height();
                for (std::size_t d = 0; d < deficiencies.size(); ++d)
                    EXPECT_GE(weakest[d], 3.0) << deficiencies[d].first << ": contrast of the shape against its ball";
            }
            for (std::size_t d = 0; d < deficiencies.size(); ++d) {
                const auto& shapes = seenShape[d];
                for (std::size_t kind = 1; kind <= 5; ++kind) {
                    for (std::size_t other = kind + 1; other <= 5; ++other) {
                        const auto differing = std::inner_product(shapes[kind].begin(), shapes[kind].end(),
                                                                  shapes[other].begin(), 0, std::plus<>(),
                                                                  std::not_equal_to<>());
                        EXPECT_GE(differing, 20 * scale * scale)
                            << deficiencies[d].first << ": the shapes of kinds " << kind << " and " << other
                            << (highlighted ? " highlighted" : " normal") << " at " << scale << 'x';
                    }
                }
            }
        }
    }
}
