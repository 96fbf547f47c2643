// Encoding a palettised picture as a Windows .ico file: one 8-bit image with its AND mask.
#pragma once

#include <QByteArray>

class QImage;

namespace gelumpa::assetgen {

// icon: Format_Indexed8, at most 256 colours; palette entries with alpha 0 are transparent
// and must be black, so the colour bitmap and the mask combine as Windows expects.
QByteArray encodeIco(const QImage& icon);

} // namespace gelumpa::assetgen
