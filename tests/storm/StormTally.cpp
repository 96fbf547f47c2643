// Counting and summing up the storm; see StormTally.h.
#include "StormTally.h"

#include "ExpectedPlay.h"

namespace storm {

namespace {

int piecesOn(const e2e::Board& board)
{
    int pieces = 0;
    for (int kind = 1; kind <= 5; ++kind)
        pieces += e2e::countOf(board, kind);
    return pieces;
}

// The button and key events a burst queues (pointer moves aside): a press and a release per
// click, a press and a release per key, Alt included.
int xEventsOf(const Action& action)
{
    switch (action.act) {
    case Act::CellDoubleClick: return 4;
    case Act::NewGame:
    case Act::PieceOfTokay:
    case Act::Nightmare:
    case Act::SoundOn:
    case Act::SoundOff: return 10;
    case Act::About: return 6;
    default: return 2;
    }
}

} // namespace

void StormTally::countBurst(const std::vector<Action>& burst, std::chrono::microseconds queueing)
{
    ++bursts;
    queueingTime += queueing;
    for (const Action& action : burst) {
        const int clicks = action.act == Act::CellDoubleClick ? 2 : 1;
        perAct[static_cast<std::size_t>(action.act)] += clicks;
        events += clicks;
        xEvents += xEventsOf(action);
    }
}

// Only what shows between two checkpoints can be told: more pieces than before means at
// least one deal; fewer, at least one removal; a board with no move left, an ended game.
void StormTally::countRest(const e2e::Board& board, std::chrono::milliseconds drain)
{
    ++checkpoints;
    drainTime += drain;
    if (previousSeen) {
        const int before = piecesOn(previous);
        const int now = piecesOn(board);
        if (now > before || (now == 100 && board != previous))
            ++dealsSeen;
        else if (now < before) {
            ++removalsSeen;
            piecesSeenRemoved += before - now;
        }
        if (!e2e::hasMoveLeft(board) && board != previous)
            ++endedBoardsSeen;
    }
    previous = board;
    previousSeen = true;
}

void StormTally::print(std::ostream& out, std::uint32_t seed, std::chrono::seconds wallTime) const
{
    out << "storm summary, seed " << seed << ":\n";
    out << "  events sent: " << events << " (";
    for (int act = 0; act < actCount; ++act)
        out << (act == 0 ? "" : ", ") << perAct[static_cast<std::size_t>(act)] << ' ' << nameOf(static_cast<Act>(act));
    out << ")\n";
    out << "  bursts: " << bursts << ", checkpoints: " << checkpoints << '\n';
    if (bursts > 0 && checkpoints > 0)
        out << "  queueing: " << xEvents << " X events, " << queueingTime.count() / bursts
            << " us per burst on average; the game took " << drainTime.count() / checkpoints
            << " ms per burst on average to come to rest; in " << busyAfterQueueing << " of " << bursts
            << " bursts it was still at work when the whole burst had been queued\n";
    out << "  deals seen: at least " << dealsSeen << "; games ended: " << endWindows
        << " end-of-game windows met at rest, " << endedBoardsSeen << " boards without a move seen\n";
    out << "  removals seen: at least " << removalsSeen << " (" << piecesSeenRemoved << " pieces)\n";
    out << "  level questions answered: " << yesAnswers << " Yes, " << noAnswers << " No; about windows met at rest: "
        << aboutWindows << '\n';
    out << "  wall time: " << wallTime.count() << " s\n";
}

} // namespace storm
