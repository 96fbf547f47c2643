// The device side of the sound output: plays a RIFF WAVE image through SDL's audio subsystem,
// replacing whatever still plays, and closes the device again once its sound has drained. It
// blocks while SDL loads, connects to the sound server and opens a device, so it lives on the
// sound worker's thread and is used by that thread alone.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include <SDL_audio.h>

namespace gelumpa {

struct SdlFunctions;
struct WaveImage;

class Playback {
public:
    using Clock = std::chrono::steady_clock;

    Playback();
    ~Playback();
    Playback(const Playback&) = delete;
    Playback& operator=(const Playback&) = delete;

    // Loads SDL, starts its audio (on a sound server, its connection) and learns the output's
    // format, so that a sound later needs only its device; at the first sound otherwise.
    void prepare();
    // Starts the sound at once; an image that cannot be played, no SDL library or no audio
    // device means silence. The image is read where it lies.
    void play(std::span<const std::uint8_t> waveImage);
    // When closeIfDrained should look at the device next; nothing while it is closed.
    std::optional<Clock::time_point> closeDue() const { return closeAt; }
    // Closes the device once its sound has played out, or sets a later closeDue.
    void closeIfDrained();
    // Stops the sound and closes the device.
    void close();

    bool deviceOpen() const { return device != 0; }

private:
    // How far SDL has come: loaded and its audio started by prepare() or the first sound.
    enum class Stage { NotLoaded, Started, Unavailable };

    bool start();
    // Converts the samples to the output's format into `converted`.
    bool convert(const WaveImage& wave);
    bool openDevice();
    bool deviceLost() const;
    void closeAfterQueue();

    Stage stage = Stage::NotLoaded;
    std::unique_ptr<const SdlFunctions> sdl;
    SDL_AudioSpec output{};
    std::uint32_t device = 0;
    std::vector<std::uint8_t> converted;
    std::size_t convertedLength = 0;
    std::optional<Clock::time_point> closeAt;
};

} // namespace gelumpa
