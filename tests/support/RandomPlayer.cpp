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
    tk.setRecording(false);
    tk.setFallbackDraws(std::move(draws));
    tk.setFallbackAnswers([this] { return yesNoAnswer; }, [this] { return okCancelAnswer; });
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
        tk.queueEvent([this, move] { perform(move); });
        break;
    case Delivery::DuringSound:
        tk.queueEventDuring(move.sound, [this, move] { perform(move); });
        break;
    }
}

// Events no sound let in are taken one at a time; the others keep waiting meanwhile,
// so a sound of the one taken lets them in.
void RandomPlayer::runEventLoop()
{
    while (broken.empty() && tk.eventsWaiting() != 0) {
        tk.takeWaitingEvent()();
        checkBetweenEvents();
    }
}

void RandomPlayer::perform(const Move& move)
{
    if (!broken.empty())
        return;
    ++steps;
    const Before before{tk.seeds(), tk.soundsStarted(), tk.eventRuns(), state().soundOn};
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
    if (tk.isOpen(Window::EndOfGame) || tk.isOpen(Window::About))
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
    if (tk.seeds() == 0) {
        checkBeforeFirstGame(move);
        return;
    }
    auto rules = brokenInvariants(state(), tk);
    if (!before.soundOn && (tk.soundsStarted() != before.soundsStarted || tk.eventRuns() != before.eventRuns))
        rules.emplace_back("a sound played or events ran with sound off");
    const int newDeals = tk.seeds() - before.seeds;
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
        untouched = untouched && s.kind(i) == 0 && !s.marked(i) && tk.shown(i) == ShownPicture{1, PieceLook::Normal};
    if (!untouched)
        fail(describe(move), {"before the first game nothing may change"});
}

// What holds whenever the event loop takes the next event, but not inside a handler:
// a removal's sound may let events in before its end test.
void RandomPlayer::checkBetweenEvents()
{
    if (!broken.empty() || tk.seeds() == 0)
        return;
    if (const std::string rule = brokenBetweenEvents(state()); !rule.empty())
        fail("between events", {rule});
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
