// Text for the pictures: DejaVu faces read straight from their font files and drawn as filled
// glyph outlines, so the lettering depends on no font matching, screen resolution or hinting.
#pragma once

#include <QBrush>
#include <QByteArray>
#include <QPen>
#include <QRawFont>
#include <QString>

#include <array>
#include <optional>

class QPainter;
class QPointF;

namespace gelumpa::assetgen {

enum class Face { Sans, SansBold, CondensedBold, SerifBold };

class Lettering {
public:
    // Reads the faces from Debian's fonts-dejavu; nothing when a font file is missing.
    static std::optional<Lettering> load();

    QRawFont font(Face face, qreal pixelSize) const;

private:
    explicit Lettering(std::array<QByteArray, 4> faces);

    std::array<QByteArray, 4> fontFiles;
};

// Width of text in font: the sum of its kerned glyph advances.
qreal textWidth(const QRawFont& font, const QString& text);

// Draws text with its baseline starting at origin, filled with fill and, if outline is not
// Qt::NoPen, traced with outline first so the fill stays crisp on top.
void drawText(QPainter& painter, const QRawFont& font, const QPointF& origin, const QString& text,
              const QBrush& fill, const QPen& outline = Qt::NoPen);

} // namespace gelumpa::assetgen
