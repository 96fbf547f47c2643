// Thousands of random games at both levels: random clicks, new games, level changes, the
// sound switch, about and exit, some arriving inside other handlers, with every invariant
// of the game checked after every handler.
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/RandomPlayer.h"
#include "tests/support/Seed.h"

namespace gelumpa::test {

namespace {

// Most moves click, and most of those go to a group that can go, so that games run to their
// end before the rare new game or level change deals again.
constexpr model::MoveWeights randomPlay{
    .acts = {280, 650, 4, 6, 10, 2, 2, 0, 20, 20},
    .duringSound = 40,
    .waiting = 120,
};

} // namespace

// Protects every invariant of the game state over long random play, re-entry included.
TEST(RandomPlay, everyHandlerOfThousandsOfRandomGamesLeavesTheGameSound)
{
    // Eighty players with seeds from this one on; GELUMPA_SEED replays one of them.
    constexpr unsigned firstSeed = 20030101;
    const std::optional<std::uint32_t> replayed = model::replayedSeed();
    const unsigned from = replayed.value_or(firstSeed);
    const unsigned players = replayed ? 1 : 80;
    constexpr int dealsEach = 100;
    int tokayDeals = 0;
    int nightmareDeals = 0;
    int ended = 0;
    for (unsigned seed = from; seed < from + players; ++seed) {
        model::MovePicker moves(randomPlay, seed);
        std::mt19937 dealing(seed);
        // Every exit answered OK ends the program; the player starts it again.
        for (int dealt = 0; dealt < dealsEach;) {
            RandomPlayer player(moves, [&dealing] { return std::uniform_real_distribution<double>(0.0, 1.0)(dealing); });
            player.play(dealsEach - dealt);
            ASSERT_EQ(player.failure(), "") << model::seedNote(seed);
            tokayDeals += player.dealtAt(Level::PieceOfTokay);
            nightmareDeals += player.dealtAt(Level::Nightmare);
            dealt += player.dealtAt(Level::PieceOfTokay) + player.dealtAt(Level::Nightmare);
            ended += player.gamesEnded();
        }
    }
    if (replayed)
        return;
    EXPECT_GT(tokayDeals, 1000);
    EXPECT_GT(nightmareDeals, 1000);
    EXPECT_GT(ended, 1000) << "too few games played to their end";
}

} // namespace gelumpa::test
