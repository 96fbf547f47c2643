// Packing PCM samples into a complete RIFF WAVE file image.
#pragma once

#include <QByteArray>

#include <utility>
#include <vector>

namespace gelumpa::assetgen {

struct WaveFormat {
    int sampleRate;
    int bitsPerSample; // 8 or 16, mono
};

// A LIST/INFO chunk with the given (four-letter id, text) entries.
QByteArray infoListChunk(const std::vector<std::pair<QByteArray, QByteArray>>& entries);

// "RIFF" header, "fmt " and "data" chunks, then chunksAfterData inside the RIFF size, then
// bytesPastRiff appended beyond the size the header states.
QByteArray encodeWave(const WaveFormat& format, const QByteArray& pcm,
                      const QByteArray& chunksAfterData = {}, const QByteArray& bytesPastRiff = {});

} // namespace gelumpa::assetgen
