// The end-of-game picture: the two people, the heading "Lu Menang" and a teasing speech balloon.
#pragma once

#include <QImage>

namespace gelumpa::assetgen {

class Lettering;

// The 375 x 241 RGB picture on a white ground.
QImage drawEndPicture(const Lettering& lettering);

} // namespace gelumpa::assetgen
