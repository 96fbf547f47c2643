// Packing PCM samples into a complete RIFF WAVE file image.
#include "WaveFile.h"

#include <cstdint>

namespace gelumpa::assetgen {

namespace {

void put16(QByteArray& out, std::uint32_t value)
{
    out.append(static_cast<char>(value & 0xff));
    out.append(static_cast<char>((value >> 8) & 0xff));
}

void put32(QByteArray& out, std::uint32_t value)
{
    put16(out, value & 0xffff);
    put16(out, value >> 16);
}

// A chunk: id, size, body and a pad byte when the body's length is odd.
QByteArray chunk(const QByteArray& id, const QByteArray& body)
{
    QByteArray out = id;
    put32(out, static_cast<std::uint32_t>(body.size()));
    out.append(body);
    if (body.size() % 2 != 0)
        out.append('\0');
    return out;
}

} // namespace

QByteArray infoListChunk(const std::vector<std::pair<QByteArray, QByteArray>>& entries)
{
    QByteArray body = "INFO";
    for (const auto& [id, text] : entries)
        body.append(chunk(id, text + '\0'));
    return chunk("LIST", body);
}

QByteArray encodeWave(const WaveFormat& format, const QByteArray& pcm,
                      const QByteArray& chunksAfterData, const QByteArray& bytesPastRiff)
{
    constexpr std::uint32_t pcmFormat = 1;
    constexpr std::uint32_t channels = 1;
    const auto blockAlign = static_cast<std::uint32_t>(format.bitsPerSample / 8);

    QByteArray fmt;
    put16(fmt, pcmFormat);
    put16(fmt, channels);
    put32(fmt, static_cast<std::uint32_t>(format.sampleRate));
    put32(fmt, static_cast<std::uint32_t>(format.sampleRate) * blockAlign);
    put16(fmt, blockAlign);
    put16(fmt, static_cast<std::uint32_t>(format.bitsPerSample));

    const QByteArray body = "WAVE" + chunk("fmt ", fmt) + chunk("data", pcm) + chunksAfterData;
    QByteArray out = "RIFF";
    put32(out, static_cast<std::uint32_t>(body.size()));
    out.append(body);
    out.append(bytesPastRiff);
    return out;
}

} // namespace gelumpa::assetgen
