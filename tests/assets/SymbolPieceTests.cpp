// The colour-blind aid's pictures (gelumpa --symbols): the ordinary piece pictures with a black
// shape on each ball, which must tell the kinds apart to eyes that confuse their colours.
#include "FileChunks.h"
#include "tests/support/PiecePicture.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

using namespace gelumpa::assettest;

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

struct Deficiency {
    const char* name;
    Matrix simulation;
};

// Machado, Oliveira and Fernandes (2009) at severity 1.0, acting on linear RGB.
const std::array<Deficiency, 3> deficiencies{{
    {"protanopia",
     {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}}},
    {"deuteranopia",
     {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}}},
    {"tritanopia",
     {{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}}},
}};

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// The relative luminance (WCAG) of the colour as an eye with the deficiency sees it.
double seenLuminance(QRgb colour, const Matrix& simulation)
{
    const std::array<double, 3> rgb{linear(qRed(colour)), linear(qGreen(colour)), linear(qBlue(colour))};
    constexpr std::array<double, 3> weight{0.2126, 0.7152, 0.0722};
    double luminance = 0.0;
    for (std::size_t row = 0; row < 3; ++row) {
        double seen = 0.0;
        for (std::size_t column = 0; column < 3; ++column)
            seen += simulation[row][column] * rgb[column];
        luminance += weight[row] * std::clamp(seen, 0.0, 1.0);
    }
    return luminance;
}

double contrast(double luminance, double other)
{
    return (std::max(luminance, other) + 0.05) / (std::min(luminance, other) + 0.05);
}

// One set of five pictures: normal or highlighted, at the board's size or at twice it.
struct SymbolSet {
    bool highlighted;
    int scale;
};
constexpr std::array<SymbolSet, 4> symbolSets{{{false, 1}, {true, 1}, {false, 2}, {true, 2}}};

QImage symbolPicture(int kind, SymbolSet set)
{
    const QString path = QStringLiteral(":/pieces/symbols/%1-%2%3.png")
                             .arg(set.highlighted ? "highlighted" : "normal")
                             .arg(kind)
                             .arg(set.scale == 2 ? "@2x" : "");
    const auto side = static_cast<std::uint32_t>(e2e::pieceSize * set.scale);
    EXPECT_TRUE(isPlainRgbPng(path, side, side)) << qPrintable(path);
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

// The ordinary picture's pixel under the symbol picture's pixel (x, y); the ordinary pictures
// themselves are judged against their stated drawing by the piece image test.
QRgb ordinaryPixel(int kind, SymbolSet set, int x, int y)
{
    return e2e::cellPicture(kind, set.highlighted).pixel(x / set.scale, y / set.scale);
}

std::string describe(int kind, SymbolSet set)
{
    return std::string(set.highlighted ? "highlighted " : "normal ") + std::to_string(kind)
        + (set.scale == 2 ? "@2x" : "");
}

} // namespace

// Protects the pictures a player without the option never sees changing into something else
// than a shape: ball, shine and ground stay as they are, the shape is black, on the ball only,
// at its middle, and at twice the size it is drawn finer than a doubled small one.
TEST(SymbolPieces, differFromTheOrdinaryPicturesOnlyByABlackShapeInTheMiddleOfTheBall)
{
    for (const SymbolSet set : symbolSets) {
        for (int kind = 1; kind <= 5; ++kind) {
            SCOPED_TRACE(describe(kind, set));
            const QImage picture = symbolPicture(kind, set);
            const QRgb ball = e2e::ballColour(kind, set.highlighted);
            int shape = 0;
            int offBall = 0;
            QRect extent;
            for (int y = 0; y < picture.height(); ++y) {
                for (int x = 0; x < picture.width(); ++x) {
                    const QRgb ordinary = ordinaryPixel(kind, set, x, y);
                    if (picture.pixel(x, y) == ordinary)
                        continue;
                    ++shape;
                    offBall += picture.pixel(x, y) != e2e::black || ordinary != ball ? 1 : 0;
                    extent |= QRect(x / set.scale, y / set.scale, 1, 1);
                }
            }
            EXPECT_EQ(offBall, 0) << "pixels changed that are not black on the ball";
            EXPECT_GE(shape, 40 * set.scale * set.scale) << "too small a shape";
            EXPECT_TRUE(QRect(9, 9, 14, 14).contains(extent)) << "the shape reaches out to " << extent.left() << ','
                                                              << extent.top() << ' ' << extent.width() << 'x'
                                                              << extent.height();
        }
    }
    // The ring, the cross and the triangle: a plus and a square lie on whole pixels at any size.
    for (const bool highlighted : {false, true}) {
        for (const int kind : {1, 3, 5}) {
            const QImage small = symbolPicture(kind, {highlighted, 1});
            const QImage large = symbolPicture(kind, {highlighted, 2});
            EXPECT_FALSE(large == small.scaled(large.size())) << describe(kind, {highlighted, 2})
                                                              << " is the small picture doubled";
        }
    }
}

// Protects what the option is for: under each simulated colour blindness every shape stands out
// from its ball by at least 3 : 1, and the shapes seen of any two kinds differ in at least 20
// pixels of the board's size.
TEST(SymbolPieces, underSimulatedColourBlindnessEachKindsShapeStandsOutAndDiffersFromTheOthers)
{
    for (const Deficiency& deficiency : deficiencies) {
        for (const SymbolSet set : symbolSets) {
            std::array<std::vector<bool>, 6> seenShape;
            for (int kind = 1; kind <= 5; ++kind) {
                SCOPED_TRACE(std::string(deficiency.name) + ", " + describe(kind, set));
                const QImage picture = symbolPicture(kind, set);
                const double ball = seenLuminance(e2e::ballColour(kind, set.highlighted), deficiency.simulation);
                double weakest = 21.0;
                auto& seen = seenShape[static_cast<std::size_t>(kind)];
                for (int y = 0; y < picture.height(); ++y) {
                    for (int x = 0; x < picture.width(); ++x) {
                        const QRgb pixel = picture.pixel(x, y);
                        const bool onShape = pixel != ordinaryPixel(kind, set, x, y);
                        const double against = contrast(seenLuminance(pixel, deficiency.simulation), ball);
                        if (onShape)
                            weakest = std::min(weakest, against);
                        seen.push_back(onShape && against >= 3.0);
                    }
                }
                EXPECT_GE(weakest, 3.0) << "contrast of the shape against its ball";
            }
            for (std::size_t kind = 1; kind <= 5; ++kind) {
                for (std::size_t other = kind + 1; other <= 5; ++other) {
                    std::size_t differing = 0;
                    for (std::size_t i = 0; i < seenShape[kind].size(); ++i)
                        differing += seenShape[kind][i] != seenShape[other][i] ? 1 : 0;
                    EXPECT_GE(differing, static_cast<std::size_t>(20 * set.scale * set.scale))
                        << deficiency.name << ": the shapes of kinds " << kind << " and " << other << " in "
                        << describe(static_cast<int>(kind), set);
                }
            }
        }
    }
}
