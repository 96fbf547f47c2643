// Protects the sound output on its own, under ThreadSanitizer too: requests meeting its worker at
// any moment, silence without delay, an end that never waits on a sound server, waves read in place.
#include "audio/SoundOutput.h"
#include "audio/WaveImage.h"
#include "tests/support/Waiting.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace gelumpa {
namespace {

using namespace std::chrono_literals;

// A wave image of `frames` frames of silence, 8-bit mono at 8 kHz.
std::vector<std::uint8_t> silence(std::uint32_t frames)
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

// Play, close and prepare meet the worker at any moment: opening the device for the five-second tune,
// a click replacing it, the wait for the click to drain, the timed close 300 ms on, the quiet after.
// The last click holds the device; the worker rests, device closed, long before the tune would end.
TEST(SoundOutput, requestsMeetingTheWorkerAtAnyMomentLeaveItAtRestWithItsDeviceClosed)
{
    const std::vector<std::uint8_t> click = silence(8);
    const std::vector<std::uint8_t> tune = silence(5 * 8000);
    SoundOutput output({click, tune});
    for (const int offset : {0, 150, 270, 285, 300, 315, 330, 345, 400}) {
        SCOPED_TRACE("requests " + std::to_string(offset) + " ms after the click");
        output.play(1);
        output.close();
        output.prepare();
        output.play(1);
        ASSERT_TRUE(e2e::waitUntil(2s, [&] { return output.deviceOpen(); })) << "the tune did not start";
        output.play(0);
        std::this_thread::sleep_for(std::chrono::milliseconds(offset));
        output.prepare();
        const auto lastClick = std::chrono::steady_clock::now();
        output.play(0);
        ASSERT_TRUE(e2e::waitUntil(2s, [&] { return !output.busy(); })) << "the worker did not come to rest";
        EXPECT_GT(std::chrono::steady_clock::now() - lastClick, 250ms) << "the last click was lost";
        EXPECT_FALSE(output.deviceOpen());
    }
}

// A recording missing, one that is no wave, one past the end; and a good one with no such driver
// in SDL. An opened device would keep the worker busy for 300 ms.
TEST(SoundOutput, whatCannotBePlayedIsSilenceWithoutDelay)
{
    const std::array<std::uint8_t, 12> notAWave{'R', 'I', 'F', 'F', 4, 0, 0, 0, 'J', 'U', 'N', 'K'};
    const std::vector<std::uint8_t> click = silence(8);
    const char* chosen = std::getenv("SDL_AUDIODRIVER");
    const std::string driver = chosen != nullptr ? chosen : "dummy";
    for (const auto& [tried, recordings] : {std::pair{driver, std::vector<std::size_t>{0, 1, 3}},
                                            std::pair{std::string("no-such-driver"), std::vector<std::size_t>{2}}}) {
        SCOPED_TRACE(tried);
        setenv("SDL_AUDIODRIVER", tried.c_str(), 1);
        SoundOutput output({{}, notAWave, click});
        output.prepare();
        ASSERT_TRUE(e2e::waitUntil(5s, [&] { return !output.busy(); })) << "SDL did not load";
        for (const std::size_t recording : recordings) {
            output.play(recording);
            EXPECT_TRUE(e2e::waitUntil(200ms, [&] { return !output.busy(); })) << "recording " << recording;
        }
    }
    setenv("SDL_AUDIODRIVER", driver.c_str(), 1);
}

// The output's end timed while its worker waits for a PulseAudio server that never answers, as a
// stopped one (SIGSTOP, a stuck Bluetooth sink) looks: the call waits in the listening queue. 0 when
// the end took under a second. Run in a process of its own, as the worker stays in SDL half a minute.
int endWhileTheSoundServerNeverAnswers()
{
    const std::string path = "/tmp/gelumpa-unanswering-" + std::to_string(getpid());
    sockaddr_un address{AF_UNIX, {}};
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    const int server = socket(AF_UNIX, SOCK_STREAM, 0);
    bind(server, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    listen(server, 4);
    setenv("SDL_AUDIODRIVER", "pulseaudio", 1);
    setenv("PULSE_SERVER", ("unix:" + path).c_str(), 1);
    auto output = std::make_unique<SoundOutput>(SoundOutput::Recordings{});
    output->prepare();
    pollfd caller{server, POLLIN, 0};
    const bool called = poll(&caller, 1, 10000) == 1;
    // The socket listens on without its name, which is then nothing left behind.
    unlink(path.c_str());
    const auto start = std::chrono::steady_clock::now();
    output.reset();
    return called && std::chrono::steady_clock::now() - start < 1s ? 0 : 1;
}

TEST(SoundOutputDeathTest, goesWithinASecondWhileItsWorkerWaitsForASoundServerThatNeverAnswers)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::_Exit(endWhileTheSoundServerNeverAnswers()), ::testing::ExitedWithCode(0), "");
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
