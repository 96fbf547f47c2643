// The drawing of two cheerful people, the one in front making a victory sign.
// Plain cartoon shapes with dark outlines: the friend behind on the left, the winner in front
// on the right, grinning, winking and holding up two fingers beside the face.
#include "People.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>

namespace gelumpa::assetgen {

namespace {

const QColor outline(50, 35, 30);
const QColor skinLight(246, 208, 170);
const QColor skinTan(214, 160, 116);
const QColor hairBrown(70, 42, 25);
const QColor hairBlack(28, 26, 30);
const QColor shirtBlue(70, 120, 200);
const QColor shirtRed(222, 72, 50);
const QColor mouthRed(150, 32, 36);
const QColor cheekPink(240, 120, 110, 90);

constexpr qreal lineWidth = 2.2;

QPen outlinePen(qreal width = lineWidth)
{
    return QPen(outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void fillShape(QPainter& painter, const QPainterPath& shape, const QColor& colour)
{
    painter.setPen(outlinePen());
    painter.setBrush(colour);
    painter.drawPath(shape);
}

void line(QPainter& painter, QPointF from, QPointF to, qreal width = lineWidth)
{
    painter.setPen(outlinePen(width));
    painter.drawLine(from, to);
}

// A limb as a thick rounded stroke with an outline: the outline colour a little wider underneath.
void limb(QPainter& painter, const QPainterPath& path, const QColor& colour, qreal width)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(outline, width + 2 * lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
}

QPainterPath ellipse(QPointF centre, qreal rx, qreal ry)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

void drawHeadShape(QPainter& painter, QPointF centre, qreal rx, qreal ry, const QColor& skin)
{
    fillShape(painter, ellipse(centre + QPointF(-rx + 1, 3), 5, 8), skin);
    fillShape(painter, ellipse(centre + QPointF(rx - 1, 3), 5, 8), skin);
    fillShape(painter, ellipse(centre, rx, ry), skin);
}

void drawFriendBehind(QPainter& painter)
{
    QPainterPath neck;
    neck.addRect(QRectF(58, 88, 22, 28));
    fillShape(painter, neck, skinTan);

    QPainterPath torso;
    torso.moveTo(6, 245);
    torso.lineTo(10, 156);
    torso.quadTo(12, 119, 44, 112);
    torso.lineTo(94, 112);
    torso.quadTo(124, 119, 128, 156);
    torso.lineTo(132, 245);
    torso.closeSubpath();
    fillShape(painter, torso, shirtBlue);

    QPainterPath collar;
    collar.moveTo(55, 112);
    collar.lineTo(69, 133);
    collar.lineTo(83, 112);
    collar.closeSubpath();
    fillShape(painter, collar, skinTan);
    // The sleeves' seams and a pocket, so the shirt reads as a shirt.
    line(painter, {30, 150}, {34, 245}, 1.6);
    line(painter, {108, 150}, {104, 245}, 1.6);
    painter.setPen(outlinePen(1.6));
    painter.setBrush(shirtBlue.darker(112));
    painter.drawRect(QRectF(82, 150, 16, 16));

    const QPointF face(69, 68);
    drawHeadShape(painter, face, 25, 29, skinTan);

    QPainterPath hair;
    hair.moveTo(44, 74);
    hair.cubicTo(36, 28, 100, 22, 95, 72);
    hair.quadTo(92, 56, 80, 52);
    hair.quadTo(66, 58, 52, 54);
    hair.quadTo(46, 62, 44, 74);
    hair.closeSubpath();
    fillShape(painter, hair, hairBrown);

    painter.setPen(Qt::NoPen);
    painter.setBrush(outline);
    painter.drawEllipse(QPointF(60, 70), 2.6, 3.4);
    painter.drawEllipse(QPointF(78, 70), 2.6, 3.4);
    line(painter, {54, 62}, {64, 61}, 2);
    line(painter, {74, 61}, {84, 62}, 2);

    QPainterPath nose;
    nose.moveTo(69, 74);
    nose.quadTo(66, 81, 70, 82);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(outlinePen(1.6));
    painter.drawPath(nose);

    QPainterPath smile;
    smile.moveTo(59, 87);
    smile.quadTo(69, 96, 79, 87);
    painter.drawPath(smile);
}

void drawWinnerInFront(QPainter& painter)
{
    QPainterPath neck;
    neck.addRect(QRectF(106, 118, 24, 32));
    fillShape(painter, neck, skinLight);

    QPainterPath torso;
    torso.moveTo(56, 245);
    torso.lineTo(60, 186);
    torso.quadTo(62, 154, 94, 147);
    torso.lineTo(142, 147);
    torso.quadTo(174, 154, 178, 186);
    torso.lineTo(182, 245);
    torso.closeSubpath();
    fillShape(painter, torso, shirtRed);

    // A white band across the chest, kept inside the shirt.
    painter.save();
    painter.setClipPath(torso, Qt::IntersectClip);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 246, 240));
    painter.drawRect(QRectF(50, 196, 140, 12));
    painter.restore();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(outlinePen());
    painter.drawPath(torso);

    QPainterPath collar;
    collar.moveTo(104, 147);
    collar.quadTo(118, 164, 132, 147);
    collar.closeSubpath();
    fillShape(painter, collar, skinLight);

    // The raised forearm: the elbow down at the side, the forearm up in front of the shoulder.
    line(painter, {160, 156}, {166, 166}, 1.6);
    QPainterPath forearm;
    forearm.moveTo(164, 214);
    forearm.quadTo(176, 170, 171, 120);
    limb(painter, forearm, skinLight, 17);

    const QPointF face(118, 98);
    drawHeadShape(painter, face, 27, 31, skinLight);

    QPainterPath hair;
    hair.moveTo(91, 100);
    hair.lineTo(89, 76);
    hair.lineTo(96, 80);
    hair.lineTo(95, 66);
    hair.lineTo(104, 72);
    hair.lineTo(108, 58);
    hair.lineTo(116, 68);
    hair.lineTo(123, 56);
    hair.lineTo(128, 68);
    hair.lineTo(138, 60);
    hair.lineTo(138, 72);
    hair.lineTo(148, 70);
    hair.lineTo(145, 82);
    hair.lineTo(147, 100);
    hair.quadTo(141, 86, 130, 84);
    hair.quadTo(116, 90, 104, 84);
    hair.quadTo(94, 88, 91, 100);
    hair.closeSubpath();
    fillShape(painter, hair, hairBlack);

    // A wink: the left eye a closed curve, the right one open.
    QPainterPath wink;
    wink.moveTo(101, 100);
    wink.quadTo(107, 94, 113, 100);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(outlinePen(2.4));
    painter.drawPath(wink);
    painter.setPen(Qt::NoPen);
    painter.setBrush(outline);
    painter.drawEllipse(QPointF(129, 98), 3, 4);
    line(painter, {100, 90}, {112, 92}, 2.2);
    line(painter, {124, 89}, {135, 87}, 2.2);

    painter.setPen(Qt::NoPen);
    painter.setBrush(cheekPink);
    painter.drawEllipse(QPointF(102, 110), 6, 4);
    painter.drawEllipse(QPointF(136, 109), 6, 4);

    QPainterPath nose;
    nose.moveTo(119, 101);
    nose.quadTo(115, 109, 120, 110);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(outlinePen(1.6));
    painter.drawPath(nose);

    QPainterPath mouth;
    mouth.moveTo(105, 115);
    mouth.quadTo(119, 118, 133, 114);
    mouth.quadTo(128, 132, 118, 132);
    mouth.quadTo(108, 132, 105, 115);
    mouth.closeSubpath();
    fillShape(painter, mouth, mouthRed);
    painter.save();
    painter.setClipPath(mouth, Qt::IntersectClip);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(100, 112, 40, 7.5));
    painter.restore();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(outlinePen(1.8));
    painter.drawPath(mouth);
}

// The victory sign: index and middle finger spread, the others folded under the thumb.
void drawVictoryHand(QPainter& painter)
{
    QPainterPath index;
    index.moveTo(165, 104);
    index.lineTo(156, 66);
    limb(painter, index, skinLight, 8.5);
    QPainterPath middle;
    middle.moveTo(176, 104);
    middle.lineTo(185, 64);
    limb(painter, middle, skinLight, 8.5);

    QPainterPath palm;
    palm.addRoundedRect(QRectF(158, 98, 26, 28), 9, 9);
    fillShape(painter, palm, skinLight);
    // The folded fingers and the thumb laid across them.
    line(painter, {163, 108}, {180, 108}, 1.6);
    line(painter, {163, 115}, {180, 115}, 1.6);
    QPainterPath thumb;
    thumb.moveTo(160, 121);
    thumb.quadTo(168, 112, 178, 110);
    limb(painter, thumb, skinLight, 6);
}

} // namespace

void drawTwoPeople(QPainter& painter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(QRectF(0, 0, peopleWidth, peopleHeight), Qt::IntersectClip);
    drawFriendBehind(painter);
    drawWinnerInFront(painter);
    drawVictoryHand(painter);
    painter.restore();
}

} // namespace gelumpa::assetgen
