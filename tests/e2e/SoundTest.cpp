// What the player hears, captured by SDL's disk audio driver in place of a sound card.
#include "tests/support/DiskAudio.h"
#include "tests/support/ExpectedPlay.h"
#include "tests/support/GameFixture.h"
#include "tests/support/Waiting.h"

#include <chrono>

namespace e2e {
namespace {

// Long enough for a sound started by a click to reach the capture file many times over.
constexpr std::chrono::milliseconds quietPeriod{2000};

// Protects the sound effects end to end: heard when on, silent when off. That the next sound
// cuts one still playing short, the sound output's own tests prove.
class Sound : public GameFixture {
protected:
    QProcessEnvironment gameEnvironment() const override { return audio.environment(); }

    DiskAudio audio;
};

TEST_F(Sound, markingAGroupIsHeardWhileSoundIsOnAndNotAfterKeepSilent)
{
    Board dealt;
    ASSERT_NO_FATAL_FAILURE(dealNewGame(dealt));
    ASSERT_FALSE(audio.holdsSound()) << "sound before anything was marked";

    game().choose(MenuCommand::SoundOff);
    const std::vector<int> first = largestGroup(dealt);
    ASSERT_FALSE(first.empty()) << describe(dealt);
    game().clickCell(first.front());
    ASSERT_TRUE(game().waitForBoard(withMarked(dealt, first), shortWait).matched);
    EXPECT_TRUE(holdsThroughout(quietPeriod, [this] { return !audio.holdsSound(); }))
        << "a mark was heard with the sound off";

    game().choose(MenuCommand::SoundOn);
    int second = 1;
    while (groupAt(dealt, second) == first)
        ++second;
    game().clickCell(second);
    ASSERT_TRUE(game().waitForBoard(withMarked(dealt, groupAt(dealt, second)), shortWait).matched);
    EXPECT_TRUE(waitUntil(shortWait, [this] { return audio.holdsSound(); }))
        << "a mark with the sound on was not heard (" << audio.size() << " bytes captured)";
}

} // namespace
} // namespace e2e
