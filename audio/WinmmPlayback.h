// The device side on Windows: WINMM's play-from-memory, the way the game always played its
// sounds. WINMM opens and closes its device for each sound by itself.
#pragma once

#include "audio/DevicePlayback.h"

namespace gelumpa {

class WinmmPlayback final : public DevicePlayback {
public:
    WinmmPlayback() = default;
    ~WinmmPlayback() override;
    WinmmPlayback(const WinmmPlayback&) = delete;
    WinmmPlayback& operator=(const WinmmPlayback&) = delete;

    void prepare() override {}
    // WINMM plays the sound on a thread of its own, reading the image where it lies.
    void play(std::span<const std::uint8_t> waveImage) override;
    std::optional<Clock::time_point> closeDue() const override { return std::nullopt; }
    void closeIfDrained() override {}
    void close() override;

    bool deviceOpen() const override { return false; }
};

} // namespace gelumpa
