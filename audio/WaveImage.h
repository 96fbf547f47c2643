// A RIFF WAVE image read where it lies: the format of its PCM samples and the samples themselves,
// found by the RIFF chunk sizes, chunks that play no part skipped.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace gelumpa {

struct WaveImage {
    int rate = 0;
    int channels = 0;
    // 8 (unsigned) or 16 (signed, little-endian).
    int bitsPerSample = 0;
    // Inside the image given, whole sample frames only.
    std::span<const std::uint8_t> samples;
};

// Nothing when the image is no RIFF WAVE of 8- or 16-bit PCM samples, or has none.
std::optional<WaveImage> readWaveImage(std::span<const std::uint8_t> image);

} // namespace gelumpa
