// Loads each embedded piece picture once, the first time a cell shows it.
#include "ui/PieceStores.h"

#include <QImage>
#include <QString>

namespace gelumpa {

namespace {
PiecePicture load(PieceSet set, PieceLook look, std::size_t index)
{
    const QString name = QStringLiteral(":/pieces/%1%2-%3")
                             .arg(set == PieceSet::WithSymbols ? QLatin1String("symbols/") : QLatin1String())
                             .arg(look == PieceLook::Highlighted ? QLatin1String("highlighted") : QLatin1String("normal"))
                             .arg(index + 1);
    const QImage image(name + QLatin1String(".png"));
    const QPixmap twiceSize =
        set == PieceSet::WithSymbols ? QPixmap::fromImage(QImage(name + QLatin1String("@2x.png"))) : QPixmap();
    return {QPixmap::fromImage(image), twiceSize, image.pixelColor(0, 0)};
}
} // namespace

const PiecePicture& PieceStores::entry(int kind, PieceLook look) const
{
    const auto index = static_cast<std::size_t>(kind - 1);
    auto& stored = (look == PieceLook::Highlighted ? highlighted : normal)[index];
    if (!stored)
        stored = load(set, look, index);
    return *stored;
}

} // namespace gelumpa
