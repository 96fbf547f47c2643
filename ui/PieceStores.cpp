// Loads the ten embedded piece pictures once, when the main window is made.
#include "ui/PieceStores.h"

#include <QImage>
#include <QString>

namespace gelumpa {

namespace {
PiecePicture load(const QString& path)
{
    const QImage image(path);
    return {QPixmap::fromImage(image), image.pixelColor(0, 0)};
}
} // namespace

PieceStores::PieceStores()
{
    for (std::size_t k = 0; k < pic.size(); ++k) {
        pic[k] = load(QStringLiteral(":/pieces/normal-%1.png").arg(k + 1));
        pic1[k] = load(QStringLiteral(":/pieces/highlighted-%1.png").arg(k + 1));
    }
}

const PiecePicture& PieceStores::entry(std::int16_t kind, PieceLook look) const
{
    const auto index = static_cast<std::size_t>(kind - 1);
    return look == PieceLook::Highlighted ? pic1[index] : pic[index];
}

} // namespace gelumpa
