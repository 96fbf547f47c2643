// The device side on Linux: plays a RIFF WAVE image through SDL's audio subsystem, replacing
// whatever still plays, and closes the device again once its sound has drained. It blocks while
// SDL loads, connects to the sound server and opens a device, which the sound worker's thread
// keeps away from the window.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include <SDL_audio.h>

#include "audio/DevicePlayback.h"

namespace gelumpa {

struct SdlFunctions;
struct WaveImage;

class SdlPlayback final : public DevicePlayback {
public:
    SdlPlayback();
    ~SdlPlayback() override;
    SdlPlayback(const SdlPlayback&) = delete;
    SdlPlayback& operator=(const SdlPlayback&) = delete;

    // Loads SDL, starts its audio (on a sound server, its connection) and learns the output's
    // format, so that a sound later needs only its device; at the first sound otherwise.
    void prepare() override;
    // No SDL library means silence too.
    void play(std::span<const std::uint8_t> waveImage) override;
    std::optional<Clock::time_point> closeDue() const override { return closeAt; }
    void closeIfDrained() override;
    void close() override;

    bool deviceOpen() const override { return device != 0; }

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
