// The sound worker: it sleeps on a condition variable while silent and wakes, while a device
// is open, only when the device is due to close.
#include "audio/SoundOutput.h"

#include <utility>

#include "audio/Playback.h"

namespace gelumpa {

SoundOutput::SoundOutput(Recordings recordings) : recordings(std::move(recordings)) {}

SoundOutput::~SoundOutput()
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

void SoundOutput::prepare()
{
    {
        const std::lock_guard lock(mutex);
        preparing = true;
    }
    wakeWorker();
}

void SoundOutput::play(std::size_t recording)
{
    if (recording >= recordings.size() || recordings[recording].empty())
        return;
    {
        const std::lock_guard lock(mutex);
        soundWaiting = recording;
        closing = false;
    }
    wakeWorker();
}

void SoundOutput::close()
{
    if (!worker.joinable())
        return;
    {
        const std::lock_guard lock(mutex);
        soundWaiting.reset();
        closing = true;
    }
    wakeUp.notify_one();
}

void SoundOutput::wakeWorker()
{
    if (!worker.joinable())
        worker = std::thread([this] { run(); });
    wakeUp.notify_one();
}

bool SoundOutput::busy() const
{
    const std::lock_guard lock(mutex);
    return preparing || soundWaiting || closing || working;
}

void SoundOutput::run()
{
    Playback playback;
    std::unique_lock lock(mutex);
    while (!quitting) {
        if (preparing || soundWaiting || closing) {
            const bool prepare = std::exchange(preparing, false);
            const std::optional<std::size_t> sound = std::exchange(soundWaiting, std::nullopt);
            const bool close = std::exchange(closing, false);
            working = true;
            lock.unlock();
            if (prepare)
                playback.prepare();
            if (sound)
                playback.play(recordings[*sound]);
            else if (close)
                playback.close();
            deviceIsOpen = playback.deviceOpen();
            lock.lock();
            working = false;
        } else if (const auto due = playback.closeDue()) {
            wakeUp.wait_until(lock, *due);
            if (!soundWaiting && !closing && !quitting && Playback::Clock::now() >= *due) {
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
