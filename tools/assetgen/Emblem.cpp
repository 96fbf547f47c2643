// The maker's emblem: a geometric eight-pointed star in gold and white line work.
#include "Emblem.h"

#include <QPainter>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace gelumpa::assetgen {

namespace {

const QColor gold(222, 178, 62);
const QColor deepGold(120, 82, 30);
const QColor lineWhite(246, 242, 228);

QPointF polar(const QPointF& centre, double radius, double angle)
{
    return centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
}

// A star with `points` tips: vertices alternate between the outer and the inner radius.
QPolygonF star(const QPointF& centre, double outer, double inner, int points, double turn)
{
    QPolygonF polygon;
    for (int i = 0; i < 2 * points; ++i) {
        const double angle = turn + i * std::numbers::pi / points;
        polygon << polar(centre, i % 2 == 0 ? outer : inner, angle);
    }
    return polygon;
}

QPolygonF regularPolygon(const QPointF& centre, double radius, int corners, double turn)
{
    QPolygonF polygon;
    for (int i = 0; i < corners; ++i)
        polygon << polar(centre, radius, turn + i * 2 * std::numbers::pi / corners);
    return polygon;
}

QPen pen(const QColor& colour, double width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

} // namespace

void drawStarEmblem(QPainter& painter, const QPointF& centre, double radius)
{
    constexpr double upright = -std::numbers::pi / 2;
    const double eighth = std::numbers::pi / 8;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(pen(gold, 2.5));
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(pen(lineWhite, 1));
    painter.drawEllipse(centre, radius - 5, radius - 5);

    // The great star and, turned by half a point, its white shadow lines.
    const QPolygonF greatStar = star(centre, radius * 0.9, radius * 0.5, 8, upright);
    painter.setPen(pen(lineWhite, 1.2));
    painter.drawPolygon(star(centre, radius * 0.78, radius * 0.46, 8, upright + eighth));
    painter.setPen(pen(gold, 3));
    painter.setBrush(deepGold);
    painter.drawPolygon(greatStar);

    painter.setPen(pen(lineWhite, 1.2));
    for (int i = 0; i < 8; ++i) {
        const double angle = upright + i * std::numbers::pi / 4;
        painter.drawLine(polar(centre, radius * 0.3, angle), polar(centre, radius * 0.84, angle));
    }

    painter.setPen(pen(lineWhite, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(regularPolygon(centre, radius * 0.34, 8, upright + eighth));

    painter.setPen(pen(lineWhite, 1));
    painter.setBrush(gold);
    painter.drawPolygon(star(centre, radius * 0.28, radius * 0.14, 8, upright));
    painter.setBrush(lineWhite);
    painter.drawEllipse(centre, radius * 0.07, radius * 0.07);

    // Gold studs between the tips.
    painter.setPen(Qt::NoPen);
    painter.setBrush(gold);
    for (int i = 0; i < 8; ++i)
        painter.drawEllipse(polar(centre, radius * 0.8, upright + eighth + i * std::numbers::pi / 4), 2.4, 2.4);

    painter.restore();
}

} // namespace gelumpa::assetgen
