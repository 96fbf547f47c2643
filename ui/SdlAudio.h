// The sound output: plays an in-memory RIFF WAVE image through SDL's audio subsystem,
// replacing whatever still plays. The device is opened for a sound and closed again
// shortly after the last one has drained, so an idle game costs nothing.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include <QTimer>

namespace gelumpa {

class SdlAudio {
public:
    SdlAudio();
    ~SdlAudio();
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    // Starts the sound at once; an image that cannot be played, or no audio device,
    // means silence.
    void play(std::span<const std::uint8_t> waveImage);
    // Stops the sound and closes the device.
    void close();

    bool deviceOpen() const { return device != 0; }

private:
    enum class Subsystem { NotStarted, Ready, Unavailable };

    bool openDevice();
    void closeWhenDrained();
    int queuedMilliseconds() const;

    Subsystem subsystem = Subsystem::NotStarted;
    std::uint32_t device = 0;
    int deviceRate = 0;
    std::uint16_t deviceFormat = 0;
    std::uint8_t deviceChannels = 0;
    std::vector<std::uint8_t> converted;
    QTimer closeTimer;
};

} // namespace gelumpa
