// Wave images the sound output's tests play.
#pragma once

#include <cstdint>
#include <vector>

namespace gelumpa {

// A wave image of `frames` frames of silence, 8-bit mono at 8 kHz.
inline std::vector<std::uint8_t> silence(std::uint32_t frames)
{
    std::vector<std::uint8_t> image{
        'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E',
        'f', 'm', 't', ' ', 16, 0, 0, 0, 1, 0, 1, 0, 0x40, 0x1f, 0, 0, 0x40, 0x1f, 0, 0, 1, 0, 8, 0,
        'd', 'a', 't', 'a', 0, 0, 0, 0};
    for (int byte = 0; byte < 4; ++byte) {
        image[4 + byte] = static_cast<std::uint8_t>((36 + frames) >> 8 * byte);
        image[40 + byte] = static_cast<std::uint8_t>(frames >> 8 * byte);
    }
    image.resize(image.size() + frames, 128);
    return image;
}

} // namespace gelumpa
