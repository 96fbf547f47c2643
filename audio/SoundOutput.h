// The sound output: plays the game's recordings on a worker thread of its own and returns at
// once, so that neither getting the device side ready nor opening its device (a few
// milliseconds on a sound server, half a minute on one that has stopped answering) ever keeps
// the window waiting.
// The worker plays the latest sound handed over, replacing whatever still plays, and closes
// the device shortly after the last one has drained; while silent it sleeps, costing nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <thread>
#include <vector>

namespace gelumpa {

class SoundOutput {
public:
    // Complete RIFF WAVE images, read in place by the worker, which may outlive the output for as
    // long as a sound server keeps it waiting: the game's are embedded and live as long as it does.
    using Recordings = std::vector<std::span<const std::uint8_t>>;

    explicit SoundOutput(Recordings recordings);
    // Ends the output (see end).
    ~SoundOutput();
    SoundOutput(const SoundOutput&) = delete;
    SoundOutput& operator=(const SoundOutput&) = delete;

    // Has the worker get the device side ready now, while nothing plays, so that the first
    // sound needs only its device; returns at once.
    void prepare();
    // Starts recording `recording` (an index into the recordings) as soon as the worker can.
    // A recording that cannot be played, or no device to play it, means silence.
    // A sound still waiting for the worker when the next comes is never heard.
    void play(std::size_t recording);
    // Stops the sound and has the worker close the device; returns at once.
    void close();
    // Stops the sound and ends the worker, for a program that leaves without taking its objects
    // apart; every request after it is ignored. Returns within a second: a worker that a sound
    // server holds longer is left to end by itself when the server lets it go, and what it shares
    // with the output lives until then.
    void end();

    bool deviceOpen() const;
    // Whether the worker has anything left to do: a preparation, a sound or a close waiting or
    // under way, or an open device that it will close once its sound has drained.
    bool busy() const;

private:
    struct Shared;

    void wakeWorker();
    static void run(Shared& shared);

    // The requests and what the worker reports, co-owned by the worker; the device side is the
    // worker's alone.
    const std::shared_ptr<Shared> shared;
    // Started by prepare() or the first sound, so a program that never asks has no thread for it;
    // touched by the owning thread only, as is `ended`.
    std::thread worker;
    bool ended = false;
};

} // namespace gelumpa
