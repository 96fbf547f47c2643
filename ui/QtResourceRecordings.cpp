// The recordings embedded as Qt resources, uncompressed, so their bytes can be handed out where
// they lie.
#include "ui/GameRecordings.h"

#include <QResource>
#include <QString>

namespace gelumpa {

SoundOutput::Recordings gameRecordings()
{
    SoundOutput::Recordings recordings;
    for (int n = 1; n <= 4; ++n) {
        const QResource resource(QStringLiteral(":/sounds/%1.wav").arg(n));
        const bool whole = resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression;
        recordings.push_back(whole ? std::span(reinterpret_cast<const std::uint8_t*>(resource.data()),
                                               static_cast<std::size_t>(resource.size()))
                                   : std::span<const std::uint8_t>());
    }
    return recordings;
}

} // namespace gelumpa
