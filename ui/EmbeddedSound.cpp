// Recordings are embedded uncompressed, so their bytes can be handed out where they lie.
#include "ui/EmbeddedSound.h"

#include <QResource>
#include <QString>

namespace gelumpa {

std::span<const std::uint8_t> embeddedRecording(int n)
{
    const QResource resource(QStringLiteral(":/sounds/%1.wav").arg(n));
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression)
        return {};
    return {reinterpret_cast<const std::uint8_t*>(resource.data()), static_cast<std::size_t>(resource.size())};
}

std::vector<std::span<const std::uint8_t>> embeddedRecordings()
{
    return {embeddedRecording(1), embeddedRecording(2), embeddedRecording(3), embeddedRecording(4)};
}

} // namespace gelumpa
