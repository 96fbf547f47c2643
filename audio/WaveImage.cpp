// Reading a wave image's chunks. An image may end before its RIFF header says or run on after it
// (one of the game's recordings is two bytes longer): whatever lies outside either is ignored.
#include "audio/WaveImage.h"

#include <algorithm>
#include <string_view>

namespace gelumpa {

namespace {
constexpr std::size_t chunkHeaderSize = 8;
constexpr std::uint16_t pcmFormat = 1;

std::uint32_t littleEndian(std::span<const std::uint8_t> bytes)
{
    std::uint32_t value = 0;
    for (std::size_t i = bytes.size(); i-- > 0;)
        value = (value << 8) | bytes[i];
    return value;
}

bool named(std::span<const std::uint8_t> bytes, std::string_view name)
{
    return std::equal(name.begin(), name.end(), bytes.begin(), bytes.begin() + 4);
}
} // namespace

std::optional<WaveImage> readWaveImage(std::span<const std::uint8_t> image)
{
    if (image.size() < 12 || !named(image, "RIFF") || !named(image.subspan(8), "WAVE"))
        return std::nullopt;
    const std::size_t riffEnd =
        std::min<std::size_t>(image.size(), std::size_t{littleEndian(image.subspan(4, 4))} + chunkHeaderSize);
    std::optional<WaveImage> wave;
    int blockAlign = 0;
    for (std::size_t at = 12; at + chunkHeaderSize <= riffEnd;) {
        const auto header = image.subspan(at, chunkHeaderSize);
        const std::size_t size = littleEndian(header.subspan(4));
        const auto body = image.subspan(at + chunkHeaderSize, std::min(size, riffEnd - at - chunkHeaderSize));
        if (named(header, "fmt ") && body.size() >= 16) {
            if (littleEndian(body.subspan(0, 2)) != pcmFormat)
                return std::nullopt;
            wave = WaveImage{static_cast<int>(littleEndian(body.subspan(4, 4))),
                             static_cast<int>(littleEndian(body.subspan(2, 2))),
                             static_cast<int>(littleEndian(body.subspan(14, 2))), {}};
            blockAlign = wave->channels * wave->bitsPerSample / 8;
        } else if (named(header, "data") && wave) {
            if (blockAlign > 0)
                wave->samples = body.first(body.size() - body.size() % static_cast<std::size_t>(blockAlign));
            break;
        }
        // Chunks are padded to an even length.
        at += chunkHeaderSize + size + size % 2;
    }
    if (!wave || wave->rate <= 0 || wave->channels <= 0 || wave->channels > 8
        || (wave->bitsPerSample != 8 && wave->bitsPerSample != 16) || wave->samples.empty())
        return std::nullopt;
    return wave;
}

} // namespace gelumpa
