// The drawing of two cheerful people, the one in front making a victory sign.
#pragma once

class QPainter;

namespace gelumpa::assetgen {

// Size of the frame the drawing fills; callers scale and place it with the painter's transform.
inline constexpr int peopleWidth = 190;
inline constexpr int peopleHeight = 241;

// Draws both people, cut off at the waist by the frame's bottom edge like a snapshot.
void drawTwoPeople(QPainter& painter);

} // namespace gelumpa::assetgen
