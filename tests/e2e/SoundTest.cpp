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
constexpr std::chrono::milliseconds tuneTimeout{20000};

// Protects the sound effects end to end: heard when on, silent when off, cut by the next one.
class Sound : public GameFixture {
protected:
    QProcessEnvironment gameEnvironment() const override { return audio.environment(); }

    // The device closes a little after its sound has drained; the file then holds all of it.
    bool waitForDeviceClosed()
    {
        return waitUntil(tuneTimeout, [this] { return audio.size() > 0 && !audio.isOpenBy(game().processId()); });
    }

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

TEST_F(Sound, aMarkRightAfterTheAboutTuneCutsTheTuneShort)
{
    Board dealt;
    ASSERT_NO_FATAL_FAILURE(dealNewGame(dealt));

    game().choose(MenuCommand::About);
    const std::optional<WindowId> about = desktop().waitForWindow(aboutWindowTitle, shortWait);
    ASSERT_TRUE(about) << "no about window";
    ASSERT_TRUE(waitUntil(shortWait, [this] { return audio.holdsSound(); })) << "the about tune was not heard";
    ASSERT_TRUE(waitForDeviceClosed()) << "the audio device stayed open after the about tune";
    const qint64 wholeTune = audio.size();
    audio.clear();
    desktop().click(desktop().geometry(*about).center());
    ASSERT_TRUE(desktop().waitForNoWindow(aboutWindowTitle, shortWait));

    game().choose(MenuCommand::About);
    const std::optional<WindowId> again = desktop().waitForWindow(aboutWindowTitle, shortWait);
    ASSERT_TRUE(again) << "no about window the second time";
    ASSERT_TRUE(waitUntil(shortWait, [this] { return audio.holdsSound(); })) << "the about tune was not heard";
    const int clicked = firstPieceClearOf(dealt, desktop().geometry(*again));
    ASSERT_NE(clicked, 0) << "the about window hides the whole board";
    game().clickCell(clicked);
    ASSERT_TRUE(waitForHighlight(clicked));
    ASSERT_TRUE(waitForDeviceClosed()) << "the audio device stayed open after the mark";

    EXPECT_TRUE(audio.holdsSound()) << "the mark was not heard";
    EXPECT_LT(audio.size(), wholeTune / 2) << "the capture ran on as if the tune had not been cut (whole tune: "
                                           << wholeTune << " bytes)";
}

} // namespace
} // namespace e2e
