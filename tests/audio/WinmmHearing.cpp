// WINMM is asked with SND_NOSTOP, which declines to play a sound while one of this process
// still plays; when none does, the single silent frame given plays before the call returns.
#include "Hearing.h"
#include "TestWaves.h"

#include <windows.h>

#include <mmsystem.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace gelumpa::hearing {

namespace {
// Without a device every sound would fail to play, which reads as one still playing: no test
// runs then.
class OutputDevice final : public ::testing::Environment {
    void SetUp() override
    {
        ASSERT_GT(waveOutGetNumDevs(), 0u) << "WINMM has no output device: under Wine, give it a sound server "
                                              "(packaging/windows/with-sound-server, as tools/windows --portable does)";
    }
};
const ::testing::Environment* const outputDevice = ::testing::AddGlobalTestEnvironment(new OutputDevice);
} // namespace

bool soundPlays()
{
    static const std::vector<std::uint8_t> silentFrame = silence(1);
    return !sndPlaySoundA(reinterpret_cast<LPCSTR>(silentFrame.data()), SND_SYNC | SND_NODEFAULT | SND_MEMORY | SND_NOSTOP);
}

} // namespace gelumpa::hearing
