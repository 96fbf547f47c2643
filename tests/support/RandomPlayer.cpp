// The random player: the main event loop, the handlers it calls, and the checks after each.
#include "tests/support/RandomPlayer.h"

#include <utility>

#include "tests/support/BoardText.h"
#include "tests/support/Invariants.h"
#include "tests/support/StateBoard.h"

namespace gelumpa::test {

using model::Act;
using model::Delivery;
using model::Move;

RandomPlayer::RandomPlayer(model::MovePicker& moves, std::function<double()> draws) : moves(moves)
{
    windows.setRecording(false);
    windows.setFallbackDraws(std::move(draws));
    windows.setFallbackAnswers([this] { return yesNoAnswer; }, [this] { return okCancelAnswer; });
}

bool RandomPlayer::goesOn() const { return broken.empty() && dealt[1] + dealt[2] < dealLimit; }

void RandomPlayer::play(int deals)
{
    dealLimit = deals;
    try {
        while (goesOn()) {
            const auto move = moves.next();
            if (!move)
                break;
            if (move->act == Act::CloseWindow) {
                closeMainWindow(*move);
                return;
            }
            deliver(*move);
        }
        runEventLoop();
    } catch (const ProgramEnded&) {
        // The exit was answered OK: the program ends here.
    }
}

void RandomPlayer::deliver(const Move& move)
{
    switch (move.delivery) {
    case Delivery::Now:
        perform(move);
        checkBetweenEvents();
        runEventLoop();
        break;
    case Delivery::Waiting:
        windows.queueEvent([this, move] { perform(move); });
        break;
    case Delivery::DuringSound:
        windows.queueEventDuring(move.sound, [this, move] { perform(move); });
        break;
    }
}

// Events no sound let in are taken one at a time; the others keep waiting meanwhile,
// so a sound of the one taken lets them in.
void RandomPlayer::runEventLoop()
{
    while (broken.empty() && windows.eventsWaiting() != 0) {
        windows.takeWaitingEvent()();
        checkBetweenEvents();
    }
}

void RandomPlayer::perform(const Move& move)
{
    if (!broken.empty())
        return;
    ++steps;
    const Before before{windows.seeds(), windows.soundsStarted(), windows.eventRuns(), state().soundOn};
    switch (move.act) {
    case Act::ClickCell: game.clickCell(move.argument); break;
    case Act::ClickGroup: game.clickCell(pieceOfGroup(move.argument)); break;
    case Act::ClickTwice:
        --steps;
        for (int click = 0; click < 2; ++click)
            perform({Act::ClickCell, move.argument});
        return;
    case Act::NewGame: game.newGame(); break;
    case Act::Level:
        // Both questions are asked first thing, before any nested event could change the answer.
        yesNoAnswer = move.yes ? Answer::Yes : Answer::No;
        game.chooseLevel(static_cast<Level>(move.argument));
        break;
    case Act::Sound: game.setSoundOn(move.argument == 1); break;
    case Act::About: game.showCredits(); break;
    case Act::Exit:
        okCancelAnswer = move.yes ? Answer::Ok : Answer::Cancel;
        game.askToLeave();
        break;
    case Act::ClickBeside: // no cell under the pointer: nothing reaches the game
    case Act::CloseWindow: break; // ends the play before it is delivered
    }
    checkHandler(move, before);
}

void RandomPlayer::closeMainWindow(const Move& move)
{
    ++steps;
    game.closeWindows();
    if (windows.isOpen(Window::EndOfGame) || windows.isOpen(Window::About))
        fail(describe(move), {"a picture window outlived the main window"});
}

// Clicks that remove a group every second time, so that short plays run games to their end.
int RandomPlayer::pieceOfGroup(int pick) const
{
    const GameState& s = state();
    if (s.anchorCell != 0 && s.selectionCount > 1)
        return s.selection[static_cast<std::size_t>(pick % s.selectionCount + 1)];
    const int cell = model::removableCell(model::kindsOf(s), pick);
    return cell != 0 ? cell : pick % cellCount + 1;
}

void RandomPlayer::checkHandler(const Move& move, const Before& before)
{
    if (windows.seeds() == 0) {
        checkBeforeFirstGame(move);
        return;
    }
    auto rules = brokenInvariants(state(), windows);
    if (!before.soundOn && (windows.soundsStarted() != before.soundsStarted || windows.eventRuns() != before.eventRuns))
        rules.emplace_back("a sound played or events ran with sound off");
    const int newDeals = windows.seeds() - before.seeds;
    const bool dealing = move.act == Act::NewGame || move.act == Act::Level;
    if (dealing && newDeals != 0 && !model::freshDeal(model::kindsOf(state())))
        rules.emplace_back("the new deal does not hold 20 pieces of each kind");
    // Only these two deal themselves; they play no sound, so nothing runs inside them.
    if (dealing)
        dealt[static_cast<std::size_t>(state().level)] += newDeals;
    if (!rules.empty())
        fail(describe(move), rules);
}

void RandomPlayer::checkBeforeFirstGame(const Move& move)
{
    const GameState& s = state();
    bool untouched = s.gameOver && s.anchorCell == 0 && s.score == 0;
    for (int i = 1; i <= cellCount; ++i)
        untouched = untouched && s.kind(i) == 0 && !s.marked(i) && windows.shown(i) == ShownPicture{1, PieceLook::Normal};
    if (!untouched)
        fail(describe(move), {"before the first game nothing may change"});
}

// Whenever the event loop takes the next event, though not inside a handler (a removal's
// sound may let events in before its end test), the game is over exactly when no move is left.
void RandomPlayer::checkBetweenEvents()
{
    if (!broken.empty() || windows.seeds() == 0)
        return;
    const bool moveLeft = model::moveLeft(model::kindsOf(state()));
    if (state().gameOver && moveLeft)
        fail("between events", {"the game ended with a move left"});
    if (!state().gameOver && state().score != 0 && !moveLeft)
        fail("between events", {"the game goes on after a removal left no move"});
    gamesOver += state().gameOver && !wasOver ? 1 : 0;
    wasOver = state().gameOver;
}

void RandomPlayer::fail(const std::string& when, const std::vector<std::string>& rules)
{
    if (!broken.empty())
        return;
    broken = "broken rules at step " + std::to_string(steps) + ", after " + when + ":";
    for (const auto& rule : rules)
        broken += "\n  " + rule;
    for (const auto& row : rowsOf(state()))
        broken += "\n  | " + row;
}

} // namespace gelumpa::test
