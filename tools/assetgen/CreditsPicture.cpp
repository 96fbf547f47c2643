// The credits picture of the about window: emblem, title, a small snapshot, credits and mark.
#include "CreditsPicture.h"

#include "Emblem.h"
#include "Lettering.h"
#include "People.h"

#include <QPainter>

#include <array>

namespace gelumpa::assetgen {

namespace {

constexpr int width = 363;
constexpr int height = 215;

const QColor groundBrown(62, 38, 24);
const QColor titleCream(252, 242, 214);
const QColor gold(222, 178, 62);
const QColor markRed(226, 36, 28);
const QColor markYellow(255, 214, 40);

constexpr qreal textLeft = 142;
const QRectF snapshot(284, 42, 70, 62);

void drawTitle(QPainter& painter, const Lettering& lettering)
{
    const QRawFont titleFont = lettering.font(Face::CondensedBold, 20);
    const QString title = QStringLiteral("Gelumpa Dravenik");
    drawText(painter, titleFont, QPointF(textLeft, 30), title, titleCream);
    const QRawFont versionFont = lettering.font(Face::SansBold, 13);
    drawText(painter, versionFont, QPointF(textLeft + textWidth(titleFont, title) + 6, 30),
             QStringLiteral("1.0"), gold);
    painter.setPen(QPen(gold, 1));
    painter.drawLine(QPointF(textLeft, 36.5), QPointF(width - 8, 36.5));
}

// The two people as a small framed snapshot, cropped to their heads and shoulders.
void drawSnapshot(QPainter& painter)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 248, 240));
    painter.drawRect(snapshot.adjusted(-3, -3, 3, 3));
    painter.setBrush(QColor(176, 214, 240));
    painter.drawRect(snapshot);
    painter.setClipRect(snapshot);
    const QRectF crop(12, 30, 178, 158);
    const qreal scale = snapshot.width() / crop.width();
    painter.translate(snapshot.topLeft());
    painter.scale(scale, scale);
    painter.translate(-crop.topLeft());
    drawTwoPeople(painter);
    painter.restore();
}

void drawCredits(QPainter& painter, const Lettering& lettering)
{
    const QRawFont heading = lettering.font(Face::SansBold, 11);
    const QRawFont body = lettering.font(Face::Sans, 11);
    struct Line {
        const QRawFont& font;
        QString text;
        qreal baseline;
    };
    const std::array<Line, 6> lines{{
        {heading, QStringLiteral("Written by"), 56},
        {body, QStringLiteral("the Orvane team"), 70},
        {heading, QStringLiteral("Tested by"), 90},
        {body, QStringLiteral("the Orvane testers"), 104},
        {body, QStringLiteral("Dedicated to everyone who ever"), 126},
        {body, QStringLiteral("won a game by pure luck."), 140},
    }};
    for (const Line& line : lines)
        drawText(painter, line.font, QPointF(textLeft, line.baseline), line.text, Qt::white);
}

// The maker's mark: the name in red on a yellow shadow, the year in yellow on a red one.
void drawMakersMark(QPainter& painter, const Lettering& lettering)
{
    const QRawFont font = lettering.font(Face::SerifBold, 22);
    const QString name = QStringLiteral("Orvane");
    const QString year = QStringLiteral("2003");
    const qreal gap = 7;
    const qreal left = width - 10 - textWidth(font, name) - gap - textWidth(font, year);
    const QPointF nameAt(left, 182);
    const QPointF yearAt(left + textWidth(font, name) + gap, 182);
    const QPointF shadow(1.5, 1.5);
    drawText(painter, font, nameAt + shadow, name, markYellow);
    drawText(painter, font, nameAt, name, markRed);
    drawText(painter, font, yearAt + shadow, year, markRed);
    drawText(painter, font, yearAt, year, markYellow);
}

void drawWebAddress(QPainter& painter, const Lettering& lettering)
{
    const QRawFont font = lettering.font(Face::Sans, 11);
    const QString address = QStringLiteral("www.orvane.example");
    drawText(painter, font, QPointF((width - textWidth(font, address)) / 2, 207), address, Qt::white);
}

} // namespace

QImage drawCreditsPicture(const Lettering& lettering)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(groundBrown);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawStarEmblem(painter, QPointF(70, 98), 62);
    drawTitle(painter, lettering);
    drawSnapshot(painter);
    drawCredits(painter, lettering);
    drawMakersMark(painter, lettering);
    drawWebAddress(painter, lettering);
    painter.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

} // namespace gelumpa::assetgen
