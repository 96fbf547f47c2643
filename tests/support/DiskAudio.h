// What the game would let the player hear, captured by SDL's disk audio driver: a raw file
// that the driver opens anew (emptied) with every device open and fills in real time.
#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

namespace e2e {

// Anything but silence in a raw capture file: silence is one byte value throughout (0x80 for
// unsigned 8-bit samples, 0 for signed and float ones), whatever format the device was opened with.
bool fileHoldsSound(const QString& path);

class DiskAudio {
public:
    DiskAudio();

    // SDL_AUDIODRIVER=disk writing into this capture's file.
    QProcessEnvironment environment() const;

    qint64 size() const;
    bool holdsSound() const { return fileHoldsSound(file); }

private:
    QTemporaryDir directory;
    QString file;
};

} // namespace e2e
