// The status panel's labels at their design places. Sizes are in pixels (11 px for
// 8.25 pt, 18 px for 13.5 pt) so the screen's DPI setting leaves the layout alone.
// Each label reaches to the next one, so " 100" or "Nightmare" fit where the design
// caption was shorter.
#include "ui/StatusPanel.h"

#include <algorithm>

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPalette>

namespace gelumpa {

namespace {
constexpr int smallText = 11;
constexpr int largeText = 18;

QFont panelFont(int pixelSize)
{
    QFont font;
    // Close sans-serif faces stand in where the design's font is missing.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

// A stand-in face wider than the design's is narrowed, in steps of 2 %, to the widest
// stretch at which the design caption fits its room again. Each stretch tried costs a
// font engine, so the search starts where the caption's width in proportion puts it;
// the glyphs' rounding usually leaves a step or two to go from there.
void narrowToFit(QFont& font, const QString& text, int room)
{
    constexpr int narrowest = 50;
    constexpr int widest = 98;
    const int full = QFontMetrics(font).horizontalAdvance(text);
    if (full <= room)
        return;
    // Rounded up to a whole step.
    const int proportional = (100 * room + 2 * full - 1) / (2 * full) * 2;
    int stretch = std::clamp(proportional, narrowest, widest);
    font.setStretch(stretch);
    while (stretch > narrowest && QFontMetrics(font).horizontalAdvance(text) > room) {
        stretch -= 2;
        font.setStretch(stretch);
    }
}

QLabel* makeLabel(QWidget* panel, const char* name, const QString& text, const QColor& colour, int pixelSize, const QRect& place)
{
    auto* label = new QLabel(panel);
    label->setObjectName(QLatin1String(name));
    // The format first: text given before it would be set a second time.
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    QFont font = panelFont(pixelSize);
    // A little room is kept for the glyphs' rounding on dense screens.
    narrowToFit(font, text, place.width() - 3);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(place);
    return label;
}
} // namespace

StatusPanel::StatusPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture1"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);

    const QColor white(255, 255, 255);
    makeLabel(this, "Label2", QStringLiteral("Score :"), white, smallText, {0, 0, 48, 13});
    scorelbl = makeLabel(this, "scorelbl", QStringLiteral("000"), QColor(0, 255, 0), smallText, {48, 2, 32, 13});
    makeLabel(this, "Label4", QStringLiteral("Level :"), white, smallText, {80, 0, 40, 13});
    levellbl = makeLabel(this, "levellbl", QStringLiteral("Piece of Tokay"), QColor(255, 0, 0), smallText, {120, 1, 96, 13});
    makeLabel(this, "Label3", QStringLiteral("Select :"), white, smallText, {0, 16, 48, 13});
    posisilbl = makeLabel(this, "posisilbl", QStringLiteral("000"), QColor(0, 255, 255), smallText, {48, 16, 48, 13});
    makeLabel(this, "Label1", QStringLiteral("Orvane 2003"), QColor(255, 255, 0), largeText, {216, 8, 121, 24});
}

QLabel& StatusPanel::label(Caption caption) const
{
    switch (caption) {
    case Caption::scorelbl: return *scorelbl;
    case Caption::levellbl: return *levellbl;
    case Caption::posisilbl: break;
    }
    return *posisilbl;
}

} // namespace gelumpa
