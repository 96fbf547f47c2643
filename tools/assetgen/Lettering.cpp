// Text for the pictures: DejaVu faces read straight from their font files and drawn as filled
// glyph outlines, so the lettering depends on no font matching, screen resolution or hinting.
#include "Lettering.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>

namespace gelumpa::assetgen {

namespace {

// In the order of Face.
constexpr std::array<const char*, 4> faceFiles{
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf",
};

constexpr auto layout = QRawFont::LayoutFlags(QRawFont::KernedAdvances | QRawFont::UseDesignMetrics);

struct Glyphs {
    QList<quint32> indexes;
    QList<QPointF> advances;
};

Glyphs shape(const QRawFont& font, const QString& text)
{
    Glyphs glyphs{font.glyphIndexesForString(text), {}};
    glyphs.advances = font.advancesForGlyphIndexes(glyphs.indexes, layout);
    return glyphs;
}

} // namespace

Lettering::Lettering(std::array<QByteArray, 4> faces)
    : fontFiles(std::move(faces))
{
}

std::optional<Lettering> Lettering::load()
{
    std::array<QByteArray, 4> faces;
    for (std::size_t i = 0; i < faceFiles.size(); ++i) {
        QFile file(QString::fromLatin1(faceFiles[i]));
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        faces[i] = file.readAll();
    }
    return Lettering(std::move(faces));
}

QRawFont Lettering::font(Face face, qreal pixelSize) const
{
    return QRawFont(fontFiles[static_cast<std::size_t>(face)], pixelSize, QFont::PreferNoHinting);
}

qreal textWidth(const QRawFont& font, const QString& text)
{
    qreal width = 0;
    for (const QPointF& advance : shape(font, text).advances)
        width += advance.x();
    return width;
}

void drawText(QPainter& painter, const QRawFont& font, const QPointF& origin, const QString& text,
              const QBrush& fill, const QPen& outline)
{
    const Glyphs glyphs = shape(font, text);
    QPainterPath path;
    QPointF position = origin;
    for (qsizetype i = 0; i < glyphs.indexes.size(); ++i) {
        path.addPath(font.pathForGlyph(glyphs.indexes[i]).translated(position));
        position += glyphs.advances[i];
    }
    if (outline.style() != Qt::NoPen)
        painter.strokePath(path, outline);
    painter.fillPath(path, fill);
}

} // namespace gelumpa::assetgen
