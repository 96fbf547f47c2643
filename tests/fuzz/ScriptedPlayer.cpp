// The scripted player: the main event loop, the handlers it calls, and the checks after each.
#include "tests/fuzz/ScriptedPlayer.h"

#include <array>
#include <cstdio>
#include <utility>

#include "tests/rules/BoardText.h"
#include "tests/rules/Invariants.h"

namespace gelumpa::fuzz {

ScriptedPlayer::ScriptedPlayer(std::span<const std::uint8_t> input) : script(input)
{
    tk.setRecording(false);
    tk.setFallbackDraws([this] { return script.nextDraw(); });
    tk.setFallbackAnswers([this] { return yesNoAnswer; }, [this] { return okCancelAnswer; });
}

void ScriptedPlayer::play()
{
    try {
        while (const auto command = script.nextCommand()) {
            if (command->action == Action::CloseWindow) {
                closeMainWindow(*command);
                return;
            }
            deliver(*command);
        }
        runEventLoop();
    } catch (const test::ProgramEnded&) {
        // The exit command was answered OK: the program, and with it this input, ends here.
    }
}

void ScriptedPlayer::deliver(const Command& command)
{
    switch (command.delivery) {
    case Delivery::Now:
        perform(command);
        checkBetweenEvents();
        runEventLoop();
        break;
    case Delivery::Waiting:
        tk.queueEvent([this, command] { perform(command); });
        break;
    case Delivery::DuringSound:
        tk.queueEventDuring(command.sound, [this, command] { perform(command); });
        break;
    }
}

// Events no sound let in are taken one at a time; the others keep waiting meanwhile,
// so a sound of the one taken lets them in.
void ScriptedPlayer::runEventLoop()
{
    while (tk.eventsWaiting() != 0) {
        auto events = tk.takeWaitingEvents();
        auto first = std::move(events.front());
        events.pop_front();
        for (auto& event : events)
            tk.queueEvent(std::move(event));
        first();
        checkBetweenEvents();
    }
}

void ScriptedPlayer::perform(const Command& command)
{
    ++steps;
    const Before before{tk.seeds(), tk.soundsLoaded(), tk.eventRuns(), state().soundOn};
    switch (command.action) {
    case Action::Click: game.clickCell(command.argument); break;
    case Action::ClickGroup: game.clickCell(pieceOfGroup(command.argument)); break;
    case Action::NewGame: game.newGame(); break;
    case Action::Level:
        // Both questions are asked first thing, before any nested event could change the answer.
        yesNoAnswer = command.answer;
        game.chooseLevel(static_cast<Level>(command.argument));
        break;
    case Action::Sound: game.setSoundOn(command.argument == 1); break;
    case Action::About: game.showCredits(); break;
    case Action::Exit:
        okCancelAnswer = command.answer;
        game.askToLeave();
        break;
    case Action::CloseWindow: break; // ends the script before it is delivered
    }
    checkHandler(command, before);
}

void ScriptedPlayer::closeMainWindow(const Command& command)
{
    ++steps;
    game.closeWindows();
    if (tk.isOpen(Window::EndOfGame) || tk.isOpen(Window::About))
        fail(describe(command), {"a picture window outlived the main window"});
}

// Clicks that remove a group every second time, so that short scripts play games to their end.
int ScriptedPlayer::pieceOfGroup(int pick) const
{
    const GameState& s = state();
    if (s.anchorCell != 0 && s.selectionCount > 1)
        return s.selection[static_cast<std::size_t>(pick % s.selectionCount + 1)];
    std::array<int, cellCount> paired{};
    int pairedCount = 0;
    for (int i = 1; i <= cellCount; ++i) {
        if (s.kind(i) == 0)
            continue;
        for (const int n : test::sideNeighbours(i)) {
            if (s.kind(static_cast<int>(n)) == s.kind(i)) {
                paired[static_cast<std::size_t>(pairedCount++)] = i;
                break;
            }
        }
    }
    if (pairedCount == 0)
        return static_cast<int>(pick + 1);
    return paired[static_cast<std::size_t>(pick % pairedCount)];
}

void ScriptedPlayer::checkHandler(const Command& command, const Before& before)
{
    if (tk.seeds() == 0) {
        checkBeforeFirstGame(command);
        return;
    }
    auto broken = test::brokenInvariants(state(), tk);
    if (!before.soundOn && (tk.soundsLoaded() != before.soundsLoaded || tk.eventRuns() != before.eventRuns))
        broken.emplace_back("a sound played or events ran with sound off");
    const bool dealing = command.action == Action::NewGame || command.action == Action::Level;
    if (dealing && tk.seeds() != before.seeds && !test::holdsTwentyOfEachKind(state()))
        broken.emplace_back("the new deal does not hold 20 pieces of each kind");
    if (!broken.empty())
        fail(describe(command), broken);
}

void ScriptedPlayer::checkBeforeFirstGame(const Command& command)
{
    const GameState& s = state();
    bool untouched = s.gameOver && s.anchorCell == 0 && s.score == 0;
    for (int i = 1; i <= cellCount; ++i)
        untouched = untouched && s.kind(i) == 0 && s.marked(i) == 0
            && tk.shown(i) == test::ShownPicture{1, PieceLook::Normal};
    if (!untouched)
        fail(describe(command), {"before the first game nothing may change"});
}

// What holds whenever the event loop takes the next event, but not inside a handler:
// a removal's sound may let events in before its end test.
void ScriptedPlayer::checkBetweenEvents()
{
    if (tk.seeds() == 0)
        return;
    const std::string broken = test::brokenBetweenEvents(state());
    if (!broken.empty())
        fail("between events", {broken});
}

void ScriptedPlayer::fail(const std::string& when, const std::vector<std::string>& broken) const
{
    std::fprintf(stderr, "\nBroken rules at step %ld, after %s:\n", steps, when.c_str());
    for (const auto& rule : broken)
        std::fprintf(stderr, "  %s\n", rule.c_str());
    for (const auto& row : test::rowsOf(state()))
        std::fprintf(stderr, "  | %s\n", row.c_str());
    std::fflush(stderr);
    __builtin_trap();
}

} // namespace gelumpa::fuzz
