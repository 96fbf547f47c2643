// Protects the sound output's worker on SDL: requests meeting it at any moment of its work, the
// timed close included; a driver SDL does not have; an end that never waits on a sound server.
#include "audio/SoundOutput.h"
#include "TestWaves.h"
#include "tests/support/Waiting.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace gelumpa {
namespace {

using namespace std::chrono_literals;

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

// A good recording, with no such driver in SDL: silence, and no device kept open.
TEST(SoundOutput, aDriverSdlDoesNotHaveIsSilenceWithoutDelay)
{
    const std::vector<std::uint8_t> click = silence(8);
    const char* chosen = std::getenv("SDL_AUDIODRIVER");
    const std::string driver = chosen != nullptr ? chosen : "dummy";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    {
        SoundOutput output({click});
        output.prepare();
        ASSERT_TRUE(e2e::waitUntil(5s, [&] { return !output.busy(); })) << "SDL did not load";
        output.play(0);
        EXPECT_TRUE(e2e::waitUntil(200ms, [&] { return !output.busy(); }));
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

} // namespace
} // namespace gelumpa
