// Reading the assets the way the game gets them, and taking their PNG and RIFF files apart.
#include "FileChunks.h"

#include <QFile>

#include <algorithm>

namespace gelumpa::assettest {

namespace {

std::uint32_t be32(const QByteArray& bytes, qsizetype offset)
{
    std::uint32_t value = 0;
    for (qsizetype i = 0; i < 4; ++i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes[offset + i]);
    return value;
}

const QByteArray pngSignature("\x89PNG\r\n\x1a\n", 8);

} // namespace

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::uint16_t le16(const QByteArray& bytes, qsizetype offset)
{
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[offset])
                                      | static_cast<std::uint8_t>(bytes[offset + 1]) << 8);
}

std::uint32_t le32(const QByteArray& bytes, qsizetype offset)
{
    return le16(bytes, offset) | static_cast<std::uint32_t>(le16(bytes, offset + 2)) << 16;
}

std::vector<Chunk> pngChunks(const QByteArray& png)
{
    std::vector<Chunk> chunks;
    if (!png.startsWith(pngSignature))
        return chunks;
    qsizetype at = pngSignature.size();
    while (at + 12 <= png.size()) {
        const std::uint32_t size = be32(png, at);
        chunks.push_back({png.mid(at + 4, 4), at + 8, size});
        at += 12 + static_cast<qsizetype>(size);
    }
    return chunks;
}

bool isPlainRgbPng(const QString& path, std::uint32_t width, std::uint32_t height)
{
    const QByteArray png = readAll(path);
    const std::vector<Chunk> chunks = pngChunks(png);
    if (chunks.empty() || chunks.front().id != "IHDR")
        return false;
    const qsizetype at = chunks.front().bodyOffset;
    return be32(png, at) == width && be32(png, at + 4) == height && png[at + 8] == 8 && png[at + 9] == 2
        && std::none_of(chunks.begin(), chunks.end(), [](const Chunk& chunk) { return chunk.id == "tRNS"; });
}

std::vector<Chunk> riffChunks(const QByteArray& wave)
{
    std::vector<Chunk> chunks;
    if (wave.size() < 12 || !wave.startsWith("RIFF") || wave.mid(8, 4) != "WAVE")
        return chunks;
    const qsizetype end = std::min<qsizetype>(wave.size(), 8 + static_cast<qsizetype>(le32(wave, 4)));
    qsizetype at = 12;
    while (at + 8 <= end) {
        const std::uint32_t size = le32(wave, at + 4);
        chunks.push_back({wave.mid(at, 4), at + 8, size});
        at += 8 + static_cast<qsizetype>(size) + static_cast<qsizetype>(size % 2);
    }
    return chunks;
}

} // namespace gelumpa::assettest
