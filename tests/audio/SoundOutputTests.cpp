// Protects the sound output against each system's device side, SDL's and WINMM's alike, and
// under ThreadSanitizer: a sound that plays on after its start until the next cuts it short,
// silence without delay, an end that leaves nothing playing, waves read in place.
#include "audio/DevicePlayback.h"
#include "audio/SoundOutput.h"
#include "audio/WaveImage.h"
#include "Hearing.h"
#include "TestWaves.h"
#include "tests/support/Waiting.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace gelumpa {
namespace {

using namespace std::chrono_literals;

// The device side starts a sound and returns while it plays: a click would otherwise hold the
// window for as long as its sound, the about tune for five seconds.
TEST(DevicePlayback, startsASoundThatPlaysOnUntilTheNextCutsItShort)
{
    const std::vector<std::uint8_t> tune = silence(5 * 8000);
    const std::vector<std::uint8_t> click = silence(8);
    const std::unique_ptr<DevicePlayback> device = makeDevicePlayback();
    const auto started = std::chrono::steady_clock::now();
    device->play(tune);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 2s) << "the play waited for its recording to end";
    EXPECT_TRUE(hearing::soundPlays()) << "the tune does not play";
    device->play(click);
    EXPECT_TRUE(e2e::waitUntil(1s, [] { return !hearing::soundPlays(); })) << "the tune was not cut short";
}

// A recording missing, one that is no wave, one past the end. An opened device would keep the
// worker busy for a while.
TEST(SoundOutput, whatCannotBePlayedIsSilenceWithoutDelay)
{
    const std::array<std::uint8_t, 12> notAWave{'R', 'I', 'F', 'F', 4, 0, 0, 0, 'J', 'U', 'N', 'K'};
    SoundOutput output({{}, notAWave});
    output.prepare();
    ASSERT_TRUE(e2e::waitUntil(5s, [&] { return !output.busy(); })) << "the device side did not get ready";
    for (const std::size_t recording : {0, 1, 2}) {
        output.play(recording);
        EXPECT_TRUE(e2e::waitUntil(200ms, [&] { return !output.busy(); })) << "recording " << recording;
        EXPECT_FALSE(hearing::soundPlays()) << "recording " << recording;
    }
}

// The game's end takes its sound with it, and a sound asked for later is not heard.
TEST(SoundOutput, itsEndLeavesNothingPlaying)
{
    const std::vector<std::uint8_t> tune = silence(5 * 8000);
    SoundOutput output({tune});
    output.play(0);
    // The worker has carried the play out once it rests again or holds a device open for it;
    // only then is the device side the test's to ask.
    ASSERT_TRUE(e2e::waitUntil(2s, [&] { return !output.busy() || output.deviceOpen(); }))
        << "the worker is still at the play";
    ASSERT_TRUE(hearing::soundPlays()) << "the tune did not start";
    output.end();
    EXPECT_TRUE(e2e::waitUntil(1s, [] { return !hearing::soundPlays(); })) << "the tune plays on";
    output.play(0);
    EXPECT_FALSE(output.busy());
}

// The samples are played where they lie, so the reader alone decides where they end: an odd
// chunk's pad byte, a chunk after the samples and bytes beyond the RIFF size are no sound.
TEST(WaveImage, samplesAreFoundByTheChunkSizes)
{
    const std::vector<std::uint8_t> image{
        'R', 'I', 'F', 'F', 62, 0, 0, 0, 'W', 'A', 'V', 'E',
        'j', 'u', 'n', 'k', 3, 0, 0, 0, 9, 9, 9, 0,
        'f', 'm', 't', ' ', 16, 0, 0, 0, 1, 0, 1, 0, 0x40, 0x1f, 0, 0, 0x40, 0x1f, 0, 0, 1, 0, 8, 0,
        'd', 'a', 't', 'a', 3, 0, 0, 0, 1, 2, 3, 0,
        'L', 'I', 'S', 'T', 2, 0, 0, 0, 7, 7, 7, 7};
    const auto wave = readWaveImage(image);
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->rate, 8000);
    EXPECT_EQ(wave->channels, 1);
    EXPECT_EQ(wave->bitsPerSample, 8);
    EXPECT_EQ(std::vector<std::uint8_t>(wave->samples.begin(), wave->samples.end()), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(wave->samples.data(), image.data() + 56);
    const auto cut = readWaveImage(std::span(image).first(58));
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->samples.size(), 2u);
}

} // namespace
} // namespace gelumpa
