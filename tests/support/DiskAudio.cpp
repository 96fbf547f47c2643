// Reading SDL's disk audio capture; see DiskAudio.h.
#include "tests/support/DiskAudio.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace e2e {

bool fileHoldsSound(const QString& path)
{
    QFile capture(path);
    if (!capture.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = capture.readAll();
    return std::any_of(bytes.begin(), bytes.end(), [&bytes](char byte) { return byte != bytes.front(); });
}

DiskAudio::DiskAudio() : file(directory.filePath(QStringLiteral("audio.raw"))) {}

QProcessEnvironment DiskAudio::environment() const
{
    QProcessEnvironment env;
    env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("disk"));
    env.insert(QStringLiteral("SDL_DISKAUDIOFILE"), file);
    return env;
}

qint64 DiskAudio::size() const
{
    return QFileInfo(file).size();
}

} // namespace e2e
