// The sound output: hands each sound to a worker thread of its own and returns at once, so
// that neither loading SDL nor opening the device (tens of milliseconds on a sound server,
// half a minute on one that has stopped answering) ever keeps the window waiting.
// The worker plays the latest sound handed over, replacing whatever still plays, and closes
// the device shortly after the last one has drained; while silent it sleeps, costing nothing.
// A sound reaches the worker once the window has handled its waiting events, so that what
// the click changed is drawn before the worker competes with it for the processor.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <span>
#include <thread>
#include <vector>

#include <QTimer>

namespace gelumpa {

class SdlAudio {
public:
    SdlAudio();
    // Waits for the worker to finish what it is doing; the game itself ends through close()
    // and a process exit, which wait for nothing.
    ~SdlAudio();
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    // Starts the sound as soon as the worker can, from a copy of the image: the caller's may
    // change or go once this returns. An image that cannot be played, no SDL library or no
    // audio device means silence. A sound still waiting for the worker when the next comes is
    // never heard.
    void play(std::span<const std::uint8_t> waveImage);
    // Stops the sound and has the worker close the device; returns at once.
    void close();

    bool deviceOpen() const { return deviceIsOpen.load(); }
    // Whether a sound handed over, or a close, is still waiting for the worker or being carried out.
    bool busy() const;

private:
    void handOver();
    void run();

    // play, close and the destructor are called by the thread that owns this object, which
    // alone touches `held`, `holding`, `handOverTimer` and `worker`. The requests below `mutex`
    // are shared with the worker under it; everything SDL is the worker's alone (SdlPlayback and
    // the image it plays, local to run()). An image moves from `held` to `waiting` to the worker
    // by swapping buffers, so after the first sounds no click allocates.
    std::vector<std::uint8_t> held;
    bool holding = false;
    QTimer handOverTimer;
    std::thread worker;

    mutable std::mutex mutex;
    std::condition_variable wakeUp;
    std::vector<std::uint8_t> waiting;
    bool soundWaiting = false;
    bool closing = false;
    bool working = false;
    bool quitting = false;
    std::atomic<bool> deviceIsOpen{false};
};

} // namespace gelumpa
