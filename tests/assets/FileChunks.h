// Reading the assets the way the game gets them, and taking their PNG and RIFF files apart.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace gelumpa::assettest {

// The bytes of an embedded resource (":/…"), or of a file; empty if it does not exist.
QByteArray readAll(const QString& path);

std::uint16_t le16(const QByteArray& bytes, qsizetype offset);
std::uint32_t le32(const QByteArray& bytes, qsizetype offset);

struct Chunk {
    QByteArray id;
    qsizetype bodyOffset;
    std::uint32_t size;
};

// The chunks of a PNG file, in order; empty if the signature is wrong.
std::vector<Chunk> pngChunks(const QByteArray& png);

// Whether the PNG at path is this size in 8-bit RGB (colour type 2), with no transparency chunk.
bool isPlainRgbPng(const QString& path, std::uint32_t width, std::uint32_t height);

// The chunks inside the RIFF WAVE form, as far as the size in the RIFF header reaches.
std::vector<Chunk> riffChunks(const QByteArray& wave);

} // namespace gelumpa::assettest
