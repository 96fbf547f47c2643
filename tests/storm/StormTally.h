// What the storm did and saw, counted for its closing summary.
#pragma once

#include "BoardPicture.h"
#include "StormScript.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <ostream>
#include <vector>

namespace storm {

class StormTally {
public:
    // Each click counts once, a double click twice, a menu command once.
    void countBurst(const std::vector<Action>& burst, std::chrono::microseconds queueing);
    // A board at rest after a burst, compared with the one at the checkpoint before.
    void countRest(const e2e::Board& board, std::chrono::milliseconds drain);
    // Whether the game was still at work on a burst when xdotool had queued all of it.
    void countHandling(bool stillBusy) { busyAfterQueueing += stillBusy ? 1 : 0; }
    void countQuestion(bool yes) { ++(yes ? yesAnswers : noAnswers); }
    void countEndWindow() { ++endWindows; }
    void countAboutWindow() { ++aboutWindows; }

    std::int64_t eventsSent() const { return events; }
    int burstCount() const { return bursts; }
    void print(std::ostream& out, std::uint32_t seed, std::chrono::seconds wallTime) const;

private:
    std::array<std::int64_t, actCount> perAct{};
    std::int64_t events = 0;
    std::int64_t xEvents = 0;
    std::chrono::microseconds queueingTime{};
    std::chrono::milliseconds drainTime{};
    int bursts = 0;
    int busyAfterQueueing = 0;
    int checkpoints = 0;
    int dealsSeen = 0;
    int endedBoardsSeen = 0;
    int removalsSeen = 0;
    int piecesSeenRemoved = 0;
    int endWindows = 0;
    int aboutWindows = 0;
    int yesAnswers = 0;
    int noAnswers = 0;
    e2e::Board previous;
    bool previousSeen = false;
};

} // namespace storm
