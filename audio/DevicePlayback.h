// The device side of the sound output: what plays a recording on this system. Each system has
// its own, named for what it plays through (SdlPlayback, WinmmPlayback); the build compiles one,
// and makeDevicePlayback makes it. It is used by the sound worker's thread alone.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>

namespace gelumpa {

class DevicePlayback {
public:
    using Clock = std::chrono::steady_clock;

    // Stops the sound.
    virtual ~DevicePlayback() = default;

    // Gets ready for a first sound while nothing plays, so that it needs only its device.
    virtual void prepare() = 0;
    // Starts a complete RIFF WAVE image, read where it lies, and returns while it plays, cutting
    // short whatever still played. An image that cannot be played, or no device, is silence.
    virtual void play(std::span<const std::uint8_t> waveImage) = 0;
    // When closeIfDrained should look at the device next; nothing while there is none to close.
    virtual std::optional<Clock::time_point> closeDue() const = 0;
    // Closes the device once its sound has played out, or sets a later closeDue.
    virtual void closeIfDrained() = 0;
    // Stops the sound and closes the device.
    virtual void close() = 0;

    // Whether a device is held open, to be closed by closeIfDrained or close.
    virtual bool deviceOpen() const = 0;
};

std::unique_ptr<DevicePlayback> makeDevicePlayback();

} // namespace gelumpa
