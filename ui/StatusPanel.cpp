// The status panel's labels at their design places. Sizes are in pixels (11 px for
// 8.25 pt, 18 px for 13.5 pt) so the screen's DPI setting leaves the layout alone.
// Each label reaches to the next one, so " 100" or "Nightmare" fit where the design
// text was shorter.
#include "ui/StatusPanel.h"

#include <algorithm>
#include <iterator>

#include <QColor>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <QStyle>
#include <QtMath>

#include "core/DesignState.h"

namespace gelumpa {

namespace {
constexpr int smallText = 11;
constexpr int largeText = 18;

bool containsFace(const QStringList& families, const QString& face)
{
    // A family that several foundries make is listed as "Name [Foundry]".
    const QString withFoundry = face + QLatin1String(" [");
    return std::any_of(families.cbegin(), families.cend(), [&](const QString& family) {
        return family.compare(face, Qt::CaseInsensitive) == 0 || family.startsWith(withFoundry, Qt::CaseInsensitive);
    });
}

// The design's face, then close sans-serif faces that stand in for it, as far as this
// system has them. Qt would ask fontconfig for substitutes of each missing face before
// it tried the next one, which costs more than loading the face that is there.
QStringList installedFaces()
{
    const QStringList wanted{QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                             QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")};
    const QStringList installed = QFontDatabase::families();
    QStringList found;
    std::copy_if(wanted.cbegin(), wanted.cend(), std::back_inserter(found),
                 [&](const QString& face) { return containsFace(installed, face); });
    // With none of them there, Qt's own substitution finds a sans-serif face.
    return found.isEmpty() ? wanted : found;
}

QFont panelFont(const QStringList& faces, int pixelSize)
{
    QFont font;
    font.setFamilies(faces);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

// A label drawn narrowed across by a fixed factor: a stand-in face wider than the design's is
// scaled to the room of its design text. A narrower stretch of the face would cost a font engine,
// a fontconfig match, for every width tried before the window could show; scaling the painter
// keeps the one engine of the label's size and fits the room exactly.
class NarrowedLabel final : public QLabel {
public:
    NarrowedLabel(QWidget* parent, qreal widthFactor) : QLabel(parent), widthFactor(widthFactor) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.scale(widthFactor, 1.0);
        const QRect room(0, 0, qCeil(width() / widthFactor), height());
        style()->drawItemText(&painter, room, alignment(), palette(), isEnabled(), text(), foregroundRole());
    }

private:
    const qreal widthFactor;
};

QLabel* makeLabel(QWidget* panel, const char* name, const QString& text, const QColor& colour, const QFont& font,
                  const QRect& place)
{
    constexpr qreal narrowest = 0.5;
    // A little room is kept for the glyphs' rounding on dense screens.
    const int room = place.width() - 3;
    const int full = QFontMetrics(font).horizontalAdvance(text);
    auto* label = full <= room ? new QLabel(panel) : new NarrowedLabel(panel, std::max(narrowest, qreal(room) / full));
    label->setObjectName(QLatin1String(name));
    // The format first: text given before it would be set a second time.
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(place);
    return label;
}

QString designValue(StatusLabel label)
{
    return QString::fromUtf8(designState::value(label));
}
} // namespace

StatusPanel::StatusPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("statusPanel"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);

    const QStringList faces = installedFaces();
    const QFont small = panelFont(faces, smallText);
    const QFont large = panelFont(faces, largeText);
    const QColor white(255, 255, 255);
    QLabel* scoreCaption = makeLabel(this, "scoreCaption", QStringLiteral("Score :"), white, small, {0, 0, 48, 13});
    written[indexOf(StatusLabel::Score)] = makeLabel(this, "scoreLabel", designValue(StatusLabel::Score), QColor(0, 255, 0), small, {48, 2, 32, 13});
    QLabel* levelCaption = makeLabel(this, "levelCaption", QStringLiteral("Level :"), white, small, {80, 0, 40, 13});
    written[indexOf(StatusLabel::Level)] =
        makeLabel(this, "levelLabel", designValue(StatusLabel::Level), QColor(255, 0, 0), small, {120, 1, 96, 13});
    QLabel* groupSizeCaption = makeLabel(this, "groupSizeCaption", QStringLiteral("Select :"), white, small, {0, 16, 48, 13});
    written[indexOf(StatusLabel::GroupSize)] =
        makeLabel(this, "groupSizeLabel", designValue(StatusLabel::GroupSize), QColor(0, 255, 255), small, {48, 16, 48, 13});
    // Each counter is named by the value it shows, and labelled by its caption: a reader says
    // "Score : 12". The captions hold no access key, so they take no key as buddies.
    scoreCaption->setBuddy(&label(StatusLabel::Score));
    levelCaption->setBuddy(&label(StatusLabel::Level));
    groupSizeCaption->setBuddy(&label(StatusLabel::GroupSize));
    makeLabel(this, "signature", QStringLiteral("Orvane 2003"), QColor(255, 255, 0), large, {216, 8, 121, 24});
}

QLabel& StatusPanel::label(StatusLabel label)
{
    return *written[indexOf(label)];
}

const QLabel& StatusPanel::label(StatusLabel label) const
{
    return *written[indexOf(label)];
}

} // namespace gelumpa
