// The program icon: a light-blue toilet and a toilet-paper roll on its holder, 32 x 32 pixel art.
#pragma once

#include <QImage>

namespace gelumpa::assetgen {

// The icon as a 32 x 32 palettised picture; palette entry 0 is the transparent background.
QImage drawIcon();

// The icon enlarged to side x side pixels by repeating pixels, as 32-bit ARGB.
QImage enlargeIcon(const QImage& icon, int side);

} // namespace gelumpa::assetgen
