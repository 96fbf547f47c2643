// The sound output: plays an in-memory RIFF WAVE image through SDL's audio subsystem,
// replacing whatever still plays. The device is opened for a sound and closed again
// shortly after the last one has drained, so an idle game costs nothing; a device that
// is lost meanwhile is closed, and the next sound opens a new one.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include <QTimer>

namespace gelumpa {

struct SdlFunctions;

class SdlAudio {
public:
    SdlAudio();
    ~SdlAudio();
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    // Starts the sound at once; an image that cannot be played, no SDL library or no
    // audio device means silence.
    void play(std::span<const std::uint8_t> waveImage);
    // Stops the sound and closes the device.
    void close();

    bool deviceOpen() const { return device != 0; }

private:
    // How far SDL has come: loaded at the first sound, its audio started at the first
    // sound that can be played.
    enum class Stage { NotLoaded, Loaded, Started, Unavailable };

    bool loadLibrary();
    bool openDevice();
    bool deviceLost() const;
    void closeWhenDrained();
    int queuedMilliseconds() const;

    Stage stage = Stage::NotLoaded;
    std::unique_ptr<const SdlFunctions> sdl;
    std::uint32_t device = 0;
    int deviceRate = 0;
    std::uint16_t deviceFormat = 0;
    std::uint8_t deviceChannels = 0;
    std::vector<std::uint8_t> converted;
    QTimer closeTimer;
};

} // namespace gelumpa
