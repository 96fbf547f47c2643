// The sound output: plays the game's recordings on a worker thread of its own and returns at
// once, so that neither loading SDL nor opening the device (a few milliseconds on a sound
// server, half a minute on one that has stopped answering) ever keeps the window waiting.
// The worker plays the latest sound handed over, replacing whatever still plays, and closes
// the device shortly after the last one has drained; while silent it sleeps, costing nothing.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>
#include <span>
#include <thread>
#include <vector>

namespace gelumpa {

class SoundOutput {
public:
    // Complete RIFF WAVE images, valid for the output's whole life; the worker reads them in place.
    using Recordings = std::vector<std::span<const std::uint8_t>>;
    explicit SoundOutput(Recordings recordings);
    // Waits for the worker to finish what it is doing; the game itself ends through close()
    // and a process exit, which wait for nothing.
    ~SoundOutput();
    SoundOutput(const SoundOutput&) = delete;
    SoundOutput& operator=(const SoundOutput&) = delete;

    // Has the worker load SDL and start its audio now, while nothing plays, so that the first
    // sound needs only its device; returns at once.
    void prepare();
    // Starts recording `recording` (an index into the recordings) as soon as the worker can.
    // A recording that cannot be played, no SDL library or no audio device means silence.
    // A sound still waiting for the worker when the next comes is never heard.
    void play(std::size_t recording);
    // Stops the sound and has the worker close the device; returns at once.
    void close();

    bool deviceOpen() const { return deviceIsOpen.load(); }
    // Whether a preparation, a sound or a close is still waiting for the worker or being carried out.
    bool busy() const;

private:
    void wakeWorker();
    void run();

    const Recordings recordings;
    // Started by prepare() or the first sound, so a program that never asks has no thread for it;
    // touched by the owning thread only.
    std::thread worker;

    // The requests, shared with the worker under `mutex`; everything SDL is the worker's alone
    // (Playback, local to run()).
    mutable std::mutex mutex;
    std::condition_variable wakeUp;
    bool preparing = false;
    std::optional<std::size_t> soundWaiting;
    bool closing = false;
    bool working = false;
    bool quitting = false;
    std::atomic<bool> deviceIsOpen{false};
};

} // namespace gelumpa
