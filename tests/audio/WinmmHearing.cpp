// WINMM is asked with SND_NOSTOP, which declines to play a sound while one of this process
// still plays; when none does, the single silent frame given plays before the call returns.
#include "Hearing.h"

#include <windows.h>

#include <mmsystem.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace gelumpa::hearing {

namespace {
// One frame of silence, 8-bit mono at 8 kHz.
constexpr std::array<std::uint8_t, 45> silentFrame{
    'R', 'I', 'F', 'F', 37, 0, 0, 0, 'W', 'A', 'V', 'E',
    'f', 'm', 't', ' ', 16, 0, 0, 0, 1, 0, 1, 0, 0x40, 0x1f, 0, 0, 0x40, 0x1f, 0, 0, 1, 0, 8, 0,
    'd', 'a', 't', 'a', 1, 0, 0, 0, 128};

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
    return !sndPlaySoundA(reinterpret_cast<LPCSTR>(silentFrame.data()), SND_SYNC | SND_NODEFAULT | SND_MEMORY | SND_NOSTOP);
}

} // namespace gelumpa::hearing
