// The end-of-game picture: the two people, the heading "Lu Menang" and a teasing speech balloon.
// The balloon is the winner's friend talking: it was only luck, win twice more for a prize.
#include "EndPicture.h"

#include "Lettering.h"
#include "People.h"

#include <QPainter>
#include <QPainterPath>

#include <array>

namespace gelumpa::assetgen {

namespace {

constexpr int width = 375;
constexpr int height = 241;

const QColor headingRed(220, 20, 20);
const QColor balloonBlue(20, 50, 200);

// Jakarta slang: "Aah, that was just luck, bro! Don't get cocky. Win twice more, then I'll
// give you a real prize!"
const std::array<QString, 6> balloonLines{
    QStringLiteral("Alaah... itu mah"),
    QStringLiteral("hoki doang, bro!"),
    QStringLiteral("Jangan GR dulu ya."),
    QStringLiteral("Menang 2x lagi deh,"),
    QStringLiteral("ntar gue kasih"),
    QStringLiteral("hadiah beneran!"),
};

const QRectF balloonBox(196, 52, 174, 180);

void drawHeading(QPainter& painter, const Lettering& lettering)
{
    const QString heading = QStringLiteral("Lu Menang");
    const QRawFont font = lettering.font(Face::SerifBold, 28);
    const qreal left = balloonBox.center().x() - textWidth(font, heading) / 2;
    drawText(painter, font, QPointF(left, 40), heading, headingRed,
             QPen(QColor(120, 0, 0), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// A rounded balloon whose tail points down-left at the winner's face.
void drawBalloon(QPainter& painter, const Lettering& lettering)
{
    QPainterPath balloon;
    balloon.addRoundedRect(balloonBox, 26, 26);
    QPainterPath tail;
    tail.moveTo(balloonBox.left() + 4, 112);
    tail.quadTo(182, 126, 160, 134);
    tail.quadTo(188, 136, balloonBox.left() + 6, 140);
    tail.closeSubpath();
    const QPainterPath outline = balloon.united(tail);

    painter.setPen(QPen(balloonBlue, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(240, 246, 255));
    painter.drawPath(outline);

    const QRawFont font = lettering.font(Face::CondensedBold, 15);
    constexpr qreal lineStep = 24;
    qreal baseline = balloonBox.top() + 32;
    for (const QString& line : balloonLines) {
        const qreal left = balloonBox.center().x() - textWidth(font, line) / 2;
        drawText(painter, font, QPointF(left, baseline), line, balloonBlue);
        baseline += lineStep;
    }
}

} // namespace

QImage drawEndPicture(const Lettering& lettering)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawTwoPeople(painter);
    drawHeading(painter, lettering);
    drawBalloon(painter, lettering);
    painter.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

} // namespace gelumpa::assetgen
