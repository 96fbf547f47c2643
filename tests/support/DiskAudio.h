// What the game would let the player hear, captured by SDL's disk audio driver: a raw file
// that the driver opens anew (emptied) with every device open and fills in real time.
#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

namespace e2e {

class DiskAudio {
public:
    DiskAudio();

    // SDL_AUDIODRIVER=disk writing into this capture's file.
    QProcessEnvironment environment() const;
    const QString& path() const { return file; }

    QByteArray contents() const;
    // Removes the capture while no device has it open, so the next sound starts a new file.
    void clear() const;
    qint64 size() const;
    // Anything but silence: silence is one byte value throughout (0x80 for unsigned 8-bit
    // samples, 0 for signed and float ones), whatever format the device was opened with.
    bool holdsSound() const;
    // Whether the process has the file open, that is whether its audio device is open.
    bool isOpenBy(qint64 processId) const;

private:
    QTemporaryDir directory;
    QString file;
};

} // namespace e2e
