// The four recordings: complete wave files in the exact formats and sizes the game plays, with
// their two oddities, read where they lie by the game's own reader, handed out whole and
// uncompressed, and free of clicks.
#include "FileChunks.h"
#include "audio/WaveImage.h"
#include "ui/GameRecordings.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>

using namespace gelumpa::assettest;

namespace {

struct Recording {
    int number;
    std::uint32_t sampleRate;
    std::uint16_t bitsPerSample;
    std::uint32_t dataBytes;
};

constexpr std::array<Recording, 4> recordings{{
    {1, 11025, 8, 7650},
    {2, 22050, 8, 14602},
    {3, 22050, 16, 174336},
    {4, 8000, 8, 42028},
}};

QString resourcePath(const Recording& recording)
{
    return QStringLiteral(":/sounds/%1.wav").arg(recording.number);
}

const Chunk* findChunk(const std::vector<Chunk>& chunks, const char* id)
{
    const auto found = std::find_if(chunks.begin(), chunks.end(), [id](const Chunk& chunk) { return chunk.id == id; });
    return found == chunks.end() ? nullptr : &*found;
}

// The samples scaled to [-1, 1].
std::vector<double> samples(const QByteArray& wave, const Recording& recording)
{
    const std::vector<Chunk> chunks = riffChunks(wave);
    const Chunk* data = findChunk(chunks, "data");
    std::vector<double> result;
    if (data == nullptr)
        return result;
    if (recording.bitsPerSample == 8) {
        for (std::uint32_t i = 0; i < data->size; ++i)
            result.push_back((static_cast<std::uint8_t>(wave[data->bodyOffset + i]) - 128) / 128.0);
    } else {
        for (std::uint32_t i = 0; i + 1 < data->size; i += 2)
            result.push_back(static_cast<std::int16_t>(le16(wave, data->bodyOffset + i)) / 32768.0);
    }
    return result;
}

double loudest(const std::vector<double>& values, std::size_t first, std::size_t last)
{
    double peak = 0;
    for (std::size_t i = first; i < last; ++i)
        peak = std::max(peak, std::abs(values[i]));
    return peak;
}

} // namespace

// The game's reader must take what the header says straight from the embedded bytes, the odd
// sizes of some included.
TEST(Recordings, eachIsAMonoPcmWaveInItsOwnRateSampleSizeAndDataLengthThatTheGameReadsInPlace)
{
    for (const Recording& recording : recordings) {
        SCOPED_TRACE(qPrintable(resourcePath(recording)));
        const QByteArray wave = readAll(resourcePath(recording));
        const std::vector<Chunk> chunks = riffChunks(wave);
        ASSERT_GE(chunks.size(), 2u);
        EXPECT_EQ(chunks[0].id, "fmt ");
        const Chunk* format = findChunk(chunks, "fmt ");
        const Chunk* data = findChunk(chunks, "data");
        ASSERT_NE(format, nullptr);
        ASSERT_NE(data, nullptr);
        ASSERT_GE(format->size, 16u);
        const qsizetype at = format->bodyOffset;
        const std::uint16_t blockAlign = recording.bitsPerSample / 8;
        EXPECT_EQ(le16(wave, at), 1);     // PCM
        EXPECT_EQ(le16(wave, at + 2), 1); // mono
        EXPECT_EQ(le32(wave, at + 4), recording.sampleRate);
        EXPECT_EQ(le32(wave, at + 8), recording.sampleRate * blockAlign);
        EXPECT_EQ(le16(wave, at + 12), blockAlign);
        EXPECT_EQ(le16(wave, at + 14), recording.bitsPerSample);
        EXPECT_EQ(data->size, recording.dataBytes);
        EXPECT_LE(data->bodyOffset + static_cast<qsizetype>(data->size), wave.size());

        const auto inPlace = gelumpa::readWaveImage(gelumpa::gameRecordings()[static_cast<std::size_t>(recording.number - 1)]);
        ASSERT_TRUE(inPlace);
        EXPECT_EQ(inPlace->rate, static_cast<int>(recording.sampleRate));
        EXPECT_EQ(inPlace->samples.size(), recording.dataBytes);
    }
}

TEST(Recordings, recordingOneCarriesAnInfoListChunkAfterItsData)
{
    const QByteArray wave = readAll(":/sounds/1.wav");
    const std::vector<Chunk> chunks = riffChunks(wave);
    const Chunk* data = findChunk(chunks, "data");
    const Chunk* list = findChunk(chunks, "LIST");
    ASSERT_TRUE(data != nullptr && list != nullptr && list > data);
    EXPECT_EQ(wave.mid(list->bodyOffset, 4), "INFO");
    const QByteArray body = wave.mid(list->bodyOffset, list->size);
    EXPECT_TRUE(body.contains("ISFT") || body.contains("INAM"));
}

TEST(Recordings, onlyRecordingTwoRunsTwoBytesPastTheSizeInItsRiffHeader)
{
    for (const Recording& recording : recordings) {
        const QByteArray wave = readAll(resourcePath(recording));
        ASSERT_GE(wave.size(), 8);
        const qsizetype past = wave.size() - 8 - static_cast<qsizetype>(le32(wave, 4));
        EXPECT_EQ(past, recording.number == 2 ? 2 : 0) << qPrintable(resourcePath(recording));
        // The chunks fill the RIFF form exactly: nothing dangles inside it.
        const std::vector<Chunk> chunks = riffChunks(wave);
        ASSERT_FALSE(chunks.empty()) << qPrintable(resourcePath(recording));
        const Chunk& last = chunks.back();
        EXPECT_EQ(last.bodyOffset + static_cast<qsizetype>(last.size + last.size % 2), wave.size() - past);
    }
}

// A compressed one would be handed out empty: its bytes could not be played where they lie.
TEST(Recordings, areHandedOutWholeInTheirOrderFromTheirUncompressedEmbeddedBytes)
{
    const auto handedOut = gelumpa::gameRecordings();
    ASSERT_EQ(handedOut.size(), recordings.size());
    for (const Recording& recording : recordings) {
        const auto image = handedOut[static_cast<std::size_t>(recording.number - 1)];
        EXPECT_EQ(QByteArray::fromRawData(reinterpret_cast<const char*>(image.data()), static_cast<qsizetype>(image.size())),
                  readAll(QStringLiteral(GELUMPA_ASSETS_DIR "/sounds/%1.wav").arg(recording.number)));
    }
}

TEST(Recordings, noneClipsAndEachFadesInFromAndOutToSilence)
{
    for (const Recording& recording : recordings) {
        SCOPED_TRACE(qPrintable(resourcePath(recording)));
        const std::vector<double> values = samples(readAll(resourcePath(recording)), recording);
        ASSERT_EQ(values.size(), recording.dataBytes / (recording.bitsPerSample / 8u));
        const double peak = loudest(values, 0, values.size());
        EXPECT_LT(peak, 0.95);
        EXPECT_GT(peak, 0.5); // and loud enough to be heard
        const double lsb = recording.bitsPerSample == 8 ? 1 / 128.0 : 1 / 32768.0;
        EXPECT_LE(std::abs(values.front()), lsb);
        EXPECT_LE(std::abs(values.back()), lsb);
        const std::size_t millisecond = recording.sampleRate / 1000;
        EXPECT_LT(loudest(values, 0, millisecond), 0.1);
        EXPECT_LT(loudest(values, values.size() - 5 * millisecond, values.size()), 0.05);
    }
}
