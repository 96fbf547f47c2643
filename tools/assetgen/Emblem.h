// The maker's emblem: a geometric eight-pointed star in gold and white line work.
#pragma once

class QPainter;
class QPointF;

namespace gelumpa::assetgen {

void drawStarEmblem(QPainter& painter, const QPointF& centre, double radius);

} // namespace gelumpa::assetgen
