// Loads each embedded piece picture once, the first time a cell shows it.
#include "ui/PieceStores.h"

#include <QImage>
#include <QString>

namespace gelumpa {

namespace {
PiecePicture load(PieceLook look, std::size_t index)
{
    const QImage image(QStringLiteral(":/pieces/%1-%2.png")
                           .arg(look == PieceLook::Highlighted ? QLatin1String("highlighted") : QLatin1String("normal"))
                           .arg(index + 1));
    return {QPixmap::fromImage(image), image.pixelColor(0, 0)};
}
} // namespace

const PiecePicture& PieceStores::entry(int kind, PieceLook look) const
{
    const auto index = static_cast<std::size_t>(kind - 1);
    auto& stored = (look == PieceLook::Highlighted ? highlighted : normal)[index];
    if (!stored)
        stored = load(look, index);
    return *stored;
}

} // namespace gelumpa
