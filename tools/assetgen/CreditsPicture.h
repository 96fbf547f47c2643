// The credits picture of the about window: emblem, title, a small snapshot, credits and mark.
#pragma once

#include <QImage>

namespace gelumpa::assetgen {

class Lettering;

// The 363 x 215 RGB picture on a dark brown ground.
QImage drawCreditsPicture(const Lettering& lettering);

} // namespace gelumpa::assetgen
