// Reading SDL's disk audio capture; see DiskAudio.h.
#include "tests/support/DiskAudio.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>

namespace e2e {

DiskAudio::DiskAudio() : file(directory.filePath(QStringLiteral("audio.raw"))) {}

QProcessEnvironment DiskAudio::environment() const
{
    QProcessEnvironment env;
    env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("disk"));
    env.insert(QStringLiteral("SDL_DISKAUDIOFILE"), file);
    return env;
}

QByteArray DiskAudio::contents() const
{
    QFile capture(file);
    if (!capture.open(QIODevice::ReadOnly))
        return {};
    return capture.readAll();
}

void DiskAudio::clear() const
{
    QFile::remove(file);
}

qint64 DiskAudio::size() const
{
    return QFileInfo(file).size();
}

bool DiskAudio::holdsSound() const
{
    const QByteArray bytes = contents();
    return std::any_of(bytes.begin(), bytes.end(), [&bytes](char byte) { return byte != bytes.front(); });
}

bool DiskAudio::isOpenBy(qint64 processId) const
{
    const std::filesystem::path target = file.toStdString();
    std::error_code error;
    for (const auto& descriptor : std::filesystem::directory_iterator("/proc/" + std::to_string(processId) + "/fd", error))
        if (std::filesystem::read_symlink(descriptor.path(), error) == target)
            return true;
    return false;
}

} // namespace e2e
