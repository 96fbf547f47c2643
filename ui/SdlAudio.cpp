// The sound worker: started with the first sound, so a game played in silence has no
// thread for it; it sleeps on a condition variable while silent and wakes, while a device
// is open, only when the device is due to close.
#include "ui/SdlAudio.h"

#include <utility>

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>

#include "ui/SdlPlayback.h"

namespace gelumpa {

SdlAudio::SdlAudio()
{
    // A timer of no interval runs once the events waiting now, the repaints among them, are handled.
    handOverTimer.setSingleShot(true);
    handOverTimer.setInterval(0);
    handOverTimer.callOnTimeout([this] { handOver(); });
}

SdlAudio::~SdlAudio()
{
    if (!worker.joinable())
        return;
    {
        const std::lock_guard lock(mutex);
        quitting = true;
    }
    wakeUp.notify_one();
    worker.join();
}

void SdlAudio::play(std::span<const std::uint8_t> waveImage)
{
    if (waveImage.empty())
        return;
    held.assign(waveImage.begin(), waveImage.end());
    holding = true;
    handOverTimer.start();
}

void SdlAudio::handOver()
{
    if (!holding)
        return;
    // Loading SDL and opening a device keep a processor busy for a while: what the click changed
    // is drawn first, and the window system is let finish showing it.
    if (!deviceOpen()) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        QGuiApplication::sync();
    }
    if (!worker.joinable())
        worker = std::thread([this] { run(); });
    {
        const std::lock_guard lock(mutex);
        std::swap(held, waiting);
        soundWaiting = true;
        closing = false;
    }
    holding = false;
    wakeUp.notify_one();
}

void SdlAudio::close()
{
    holding = false;
    handOverTimer.stop();
    if (!worker.joinable())
        return;
    {
        const std::lock_guard lock(mutex);
        soundWaiting = false;
        closing = true;
    }
    wakeUp.notify_one();
}

bool SdlAudio::busy() const
{
    if (holding)
        return true;
    const std::lock_guard lock(mutex);
    return soundWaiting || closing || working;
}

void SdlAudio::run()
{
    SdlPlayback playback;
    std::vector<std::uint8_t> sound;
    std::unique_lock lock(mutex);
    while (!quitting) {
        if (soundWaiting || closing) {
            const bool playing = std::exchange(soundWaiting, false);
            if (playing)
                std::swap(sound, waiting);
            closing = false;
            working = true;
            lock.unlock();
            if (playing)
                playback.play(sound);
            else
                playback.close();
            deviceIsOpen = playback.deviceOpen();
            lock.lock();
            working = false;
        } else if (const auto due = playback.closeDue()) {
            wakeUp.wait_until(lock, *due);
            if (!soundWaiting && !closing && !quitting && SdlPlayback::Clock::now() >= *due) {
                lock.unlock();
                playback.closeIfDrained();
                deviceIsOpen = playback.deviceOpen();
                lock.lock();
            }
        } else {
            wakeUp.wait(lock);
        }
    }
    lock.unlock();
    playback.close();
    deviceIsOpen = false;
}

} // namespace gelumpa
