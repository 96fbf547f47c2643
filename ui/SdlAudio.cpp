// The sound worker: started with the first sound, so a game played in silence has no
// thread for it; it sleeps on a condition variable while silent and wakes, while a device
// is open, only when the device is due to close.
#include "ui/SdlAudio.h"

#include <utility>

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
    held = waveImage;
    handOverTimer.start();
}

void SdlAudio::handOver()
{
    if (!held)
        return;
    if (!worker.joinable())
        worker = std::thread([this] { run(); });
    {
        const std::lock_guard lock(mutex);
        waiting = std::exchange(held, std::nullopt);
        closing = false;
    }
    wakeUp.notify_one();
}

void SdlAudio::close()
{
    held.reset();
    handOverTimer.stop();
    if (!worker.joinable())
        return;
    {
        const std::lock_guard lock(mutex);
        waiting.reset();
        closing = true;
    }
    wakeUp.notify_one();
}

bool SdlAudio::busy() const
{
    if (held)
        return true;
    const std::lock_guard lock(mutex);
    return waiting || closing || working;
}

void SdlAudio::run()
{
    SdlPlayback playback;
    std::unique_lock lock(mutex);
    while (!quitting) {
        if (waiting || closing) {
            const auto sound = std::exchange(waiting, std::nullopt);
            closing = false;
            working = true;
            lock.unlock();
            if (sound)
                playback.play(*sound);
            else
                playback.close();
            deviceIsOpen = playback.deviceOpen();
            lock.lock();
            working = false;
        } else if (const auto due = playback.closeDue()) {
            wakeUp.wait_until(lock, *due);
            if (!waiting && !closing && !quitting && SdlPlayback::Clock::now() >= *due) {
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
