// The SDL side of the sound output: plays an in-memory RIFF WAVE image through SDL's audio
// subsystem, replacing whatever still plays, and closes the device again once its sound has
// drained. It blocks while SDL loads and the device opens, so it lives on the sound worker's
// thread and is used by that thread alone.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

struct SDL_AudioSpec;

namespace gelumpa {

struct SdlFunctions;

class SdlPlayback {
public:
    using Clock = std::chrono::steady_clock;

    SdlPlayback();
    ~SdlPlayback();
    SdlPlayback(const SdlPlayback&) = delete;
    SdlPlayback& operator=(const SdlPlayback&) = delete;

    // Starts the sound at once; an image that cannot be played, no SDL library or no
    // audio device means silence.
    void play(std::span<const std::uint8_t> waveImage);
    // When closeIfDrained should look at the device next; nothing while it is closed.
    std::optional<Clock::time_point> closeDue() const { return closeAt; }
    // Closes the device once its sound has played out, or sets a later closeDue.
    void closeIfDrained();
    // Stops the sound and closes the device.
    void close();

    bool deviceOpen() const { return device != 0; }

private:
    // How far SDL has come: loaded at the first sound, its audio started at the first
    // sound that can be played.
    enum class Stage { NotLoaded, Loaded, Started, Unavailable };

    bool loadLibrary();
    bool openDevice();
    // Converts the samples to the device's format and queues them in place of what it still has.
    void queue(const SDL_AudioSpec& spec, const std::uint8_t* samples, std::uint32_t length);
    bool deviceLost() const;
    void closeAfterQueue();

    Stage stage = Stage::NotLoaded;
    std::unique_ptr<const SdlFunctions> sdl;
    std::uint32_t device = 0;
    int deviceRate = 0;
    std::uint16_t deviceFormat = 0;
    std::uint8_t deviceChannels = 0;
    std::vector<std::uint8_t> converted;
    std::optional<Clock::time_point> closeAt;
};

} // namespace gelumpa
