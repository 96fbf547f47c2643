// The sound worker: it sleeps on a condition variable while silent and wakes, while a device
// is open, only when the device is due to close. Between two steps of the device side's work
// it looks at the requests again, so the latest one is carried out and none after the output's end.
#include "audio/SoundOutput.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <utility>

#include "audio/DevicePlayback.h"

namespace gelumpa {

namespace {
// How long the output's end waits for the worker: closing a device takes a few milliseconds, a
// sound server that does not answer half a minute.
constexpr std::chrono::milliseconds workerEndWait{500};
} // namespace

// Whichever of the output and its worker goes last frees it.
struct SoundOutput::Shared {
    explicit Shared(Recordings recordings) : recordings(std::move(recordings)) {}

    const Recordings recordings;
    std::mutex mutex;
    // The worker waits on wakeUp for requests, the output's end on workerEnded.
    std::condition_variable wakeUp;
    std::condition_variable workerEnded;
    // Under `mutex`.
    bool preparing = false;
    std::optional<std::size_t> soundWaiting;
    bool closing = false;
    bool working = false;
    bool deviceOpen = false;
    bool quitting = false;
    bool ended = false;
};

SoundOutput::SoundOutput(Recordings recordings) : shared(std::make_shared<Shared>(std::move(recordings))) {}

SoundOutput::~SoundOutput() { end(); }

void SoundOutput::end()
{
    ended = true;
    if (!worker.joinable())
        return;
    std::unique_lock lock(shared->mutex);
    shared->quitting = true;
    shared->wakeUp.notify_one();
    const bool workerGone = shared->workerEnded.wait_for(lock, workerEndWait, [this] { return shared->ended; });
    lock.unlock();
    if (workerGone)
        worker.join();
    else
        worker.detach();
}

void SoundOutput::prepare()
{
    if (ended)
        return;
    {
        const std::lock_guard lock(shared->mutex);
        shared->preparing = true;
    }
    wakeWorker();
}

void SoundOutput::play(std::size_t recording)
{
    if (ended || recording >= shared->recordings.size() || shared->recordings[recording].empty())
        return;
    {
        const std::lock_guard lock(shared->mutex);
        shared->soundWaiting = recording;
        shared->closing = false;
    }
    wakeWorker();
}

void SoundOutput::close()
{
    if (!worker.joinable())
        return;
    {
        const std::lock_guard lock(shared->mutex);
        shared->soundWaiting.reset();
        shared->closing = true;
    }
    shared->wakeUp.notify_one();
}

void SoundOutput::wakeWorker()
{
    if (!worker.joinable())
        worker = std::thread([shared = shared] { run(*shared); });
    shared->wakeUp.notify_one();
}

bool SoundOutput::deviceOpen() const
{
    const std::lock_guard lock(shared->mutex);
    return shared->deviceOpen;
}

bool SoundOutput::busy() const
{
    const std::lock_guard lock(shared->mutex);
    return shared->preparing || shared->soundWaiting || shared->closing || shared->working || shared->deviceOpen;
}

void SoundOutput::run(Shared& shared)
{
    {
        // Stops its sound and closes its device when it goes.
        const std::unique_ptr<DevicePlayback> playback = makeDevicePlayback();
        std::unique_lock lock(shared.mutex);
        // One step of the device side's work, with the requests open to the output meanwhile.
        const auto carryOut = [&](auto step) {
            shared.working = true;
            lock.unlock();
            step();
            const bool open = playback->deviceOpen();
            lock.lock();
            shared.working = false;
            shared.deviceOpen = open;
        };
        while (!shared.quitting) {
            const std::optional<DevicePlayback::Clock::time_point> closeDue = playback->closeDue();
            if (std::exchange(shared.preparing, false))
                carryOut([&] { playback->prepare(); });
            else if (const std::optional<std::size_t> sound = std::exchange(shared.soundWaiting, std::nullopt))
                carryOut([&] { playback->play(shared.recordings[*sound]); });
            else if (std::exchange(shared.closing, false))
                carryOut([&] { playback->close(); });
            else if (closeDue && DevicePlayback::Clock::now() >= *closeDue)
                carryOut([&] { playback->closeIfDrained(); });
            else if (closeDue)
                shared.wakeUp.wait_until(lock, *closeDue);
            else
                shared.wakeUp.wait(lock);
        }
    }
    // Requests left waiting are never carried out.
    const std::lock_guard lock(shared.mutex);
    shared.preparing = false;
    shared.soundWaiting.reset();
    shared.closing = false;
    shared.deviceOpen = false;
    shared.ended = true;
    shared.workerEnded.notify_one();
}

} // namespace gelumpa
