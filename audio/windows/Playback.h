// The device side of the sound output on Windows: WINMM's play-from-memory, the way the game
// always played its sounds. It stands in for the SDL one (audio/Playback.h) in a Windows build.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>

namespace gelumpa {

class Playback {
public:
    using Clock = std::chrono::steady_clock;

    // WINMM is linked with the program and opens its device for each sound itself.
    void prepare() {}
    // Starts the sound and returns: WINMM plays it on a thread of its own, reading the image
    // where it lies, and cuts whatever it still plays. An image that cannot be played is silence.
    void play(std::span<const std::uint8_t> waveImage);
    // WINMM closes its device by itself when a sound ends.
    std::optional<Clock::time_point> closeDue() const { return std::nullopt; }
    void closeIfDrained() {}
    // Stops the sound.
    void close();

    bool deviceOpen() const { return false; }
};

} // namespace gelumpa
