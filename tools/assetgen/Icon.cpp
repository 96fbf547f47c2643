// The program icon: a light-blue toilet and a toilet-paper roll on its holder, 32 x 32 pixel art.
// Drawn as a character map so every pixel is placed by hand; each character names a palette entry.
#include "Icon.h"

#include <QList>

#include <array>
#include <string_view>

namespace gelumpa::assetgen {

namespace {

constexpr int side = 32;

// clang-format off
constexpr std::array<std::string_view, side> pixelMap{
    "................................",
    "................................",
    ".KKKKKKKKKKKK...................",
    ".KHHHHHHHHHHK...................",
    ".KKKKKKKKKKKK...................",
    "..KHLLLLLLMK...........gggggggg.",
    "..KHLLLLLLMKKKK........g......g.",
    "..KHLLLLLLMK..K........g.gggggg.",
    "..KHLLLLLLMK..........gggWWWWWWg",
    "..KHLLLLLLMK.........gWWWgWWWWWg",
    "..KHLLLLLLMK.........gWkkWgGGGGg",
    "..KHLLLLLLMK.........gWkkWgGGGGg",
    "..KHLLLLLLMK.........gWkkWgGGGGg",
    "..KHLLLLLLMK.........gWWWWgSSSSg",
    "..KKKKKKKKKKKKKKKKKKK.gWWWgSSSSg",
    "..KHHHHHHHHHHHHHHHHHK..ggggPPPPg",
    "..KKKKKKKKKKKKKKKKKKK.....gPPPPg",
    "...KHLLLLLLLLLLLLLMK......gPPPPg",
    "...KHLLLLLLLLLLLLLMK......gSPSPg",
    "...KHLLLLLLLLLLLLMK.......gPPPPg",
    "...KHLLLLLLLLLLLMK........gPPPPg",
    "...KHLLLLLLLLLLMK.........gPgPgg",
    "....KHLLLLLLLLKK..........g.g...",
    ".....KHLLLLLLMK.................",
    "......KHLLLLLMK.................",
    "......KHLLLLMK..................",
    "......KHLLLLMK..................",
    ".....KHLLLLLLMK.................",
    "....KHLLLLLLLLMK................",
    "....KKKKKKKKKKKK................",
    "................................",
    "................................",
};
// clang-format on

struct PaletteEntry {
    char symbol;
    QRgb colour;
};

// Entry 0 is the transparent background; its colour is black so the icon's colour bitmap
// leaves the screen untouched where the mask lets it through.
constexpr std::array<PaletteEntry, 11> palette{{
    {'.', qRgba(0, 0, 0, 0)},
    {'K', qRgb(0, 40, 140)},     // toilet outline, dark blue
    {'L', qRgb(150, 205, 255)},  // toilet body, light blue
    {'H', qRgb(215, 238, 255)},  // toilet highlight
    {'M', qRgb(95, 155, 225)},   // toilet shade
    {'g', qRgb(70, 70, 70)},     // roll outline and holder, dark grey
    {'G', qRgb(185, 185, 185)},  // roll body, grey
    {'W', qRgb(225, 225, 225)},  // roll's lit paper
    {'S', qRgb(140, 140, 140)},  // roll shade and perforation
    {'P', qRgb(250, 250, 250)},  // hanging sheet
    {'k', qRgb(40, 40, 40)},     // the hole in the roll's core
}};

constexpr int paletteIndex(char symbol)
{
    for (std::size_t i = 0; i < palette.size(); ++i) {
        if (palette[i].symbol == symbol)
            return static_cast<int>(i);
    }
    return -1;
}

// Every row is a full row, and every character names a palette entry.
static_assert([] {
    for (const std::string_view row : pixelMap) {
        if (row.size() != side)
            return false;
        for (const char symbol : row) {
            if (paletteIndex(symbol) < 0)
                return false;
        }
    }
    return true;
}());

} // namespace

QImage drawIcon()
{
    QImage icon(side, side, QImage::Format_Indexed8);
    QList<QRgb> colours;
    for (const PaletteEntry& entry : palette)
        colours.append(entry.colour);
    icon.setColorTable(colours);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x)
            icon.setPixel(x, y, static_cast<uint>(paletteIndex(pixelMap[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)])));
    }
    return icon;
}

QImage enlargeIcon(const QImage& icon, int side)
{
    return icon.convertToFormat(QImage::Format_ARGB32)
        .scaled(side, side, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace gelumpa::assetgen
