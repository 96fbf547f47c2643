// A stand-in for the windows, the chance and the running program: records every effect of the
// game as a short line, keeps a model of what the screen shows, and plays back scripted
// answers, draws and events.
#pragma once

#include <array>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/BoardDisplay.h"
#include "core/Chance.h"
#include "core/Dialogs.h"
#include "core/EnumTable.h"
#include "core/Program.h"

namespace gelumpa::test {

// Thrown by endProgram: the program ends at once, so no handler still on the stack goes on.
struct ProgramEnded {};

// What a cell shows; kind 0 is the empty picture.
struct ShownPicture {
    int kind = 0;
    PieceLook look = PieceLook::Normal;
    bool operator==(const ShownPicture&) const = default;
};

class RecordingWindows final : public BoardDisplay, public Dialogs, public Chance, public Program {
public:
    RecordingWindows();

    void showPiece(int cell, int kind, PieceLook look) override;
    void clearCell(int cell) override;
    void showValue(StatusLabel label, std::string_view value) override;
    void setChecked(MenuItem item, bool on) override;
    Answer askYesNo(std::string_view prompt, std::string_view title) override;
    Answer askOkCancel(std::string_view prompt, std::string_view title) override;
    void createWindow(Window window) override;
    void showWindow(Window window) override;
    void closeWindow(Window window) override;
    void seedFromClock() override;
    double drawUniform() override;
    void startSound(Sound sound) override;
    void runWaitingEvents() override;
    void endProgram() override;

    // The record of effects, one line each ("show 45 highlighted 3", "clear 45", "play 2", ...).
    const std::vector<std::string>& log() const { return entries; }
    void clearLog() { entries.clear(); }
    // Long random runs keep only the screen model and the counters below.
    void setRecording(bool on) { keepingRecord = on; }

    // The screen as the rules left it.
    ShownPicture shown(int cell) const { return cells[static_cast<std::size_t>(cell)]; }
    void preset(int cell, ShownPicture picture) { cells[static_cast<std::size_t>(cell)] = picture; }
    const std::string& value(StatusLabel label) const { return values[indexOf(label)]; }
    bool checked(MenuItem item) const { return checks[indexOf(item)]; }
    bool isOpen(Window window) const { return windows[indexOf(window)].open; }
    int timesShown(Window window) const { return windows[indexOf(window)].shows; }

    // Counters kept while recording is off as well.
    int seeds() const { return seedCount; }
    int soundsStarted() const { return soundCount; }
    int eventRuns() const { return eventRunCount; }
    const std::string& lastPrompt() const { return prompt; }
    const std::string& lastTitle() const { return title; }

    // Answers to the message boxes, taken in order; without one, the fallback answers.
    void answerYesNo(Answer answer) { yesNoAnswers.push_back(answer); }
    void answerOkCancel(Answer answer) { okCancelAnswers.push_back(answer); }
    void setFallbackAnswers(std::function<Answer()> yesNo, std::function<Answer()> okCancel);

    // Uniform draws, taken in order; without one, the fallback draws.
    void queueDraws(const std::vector<double>& values);
    void setFallbackDraws(std::function<double()> source) { drawFallback = std::move(source); }
    std::size_t drawsLeft() const { return draws.size(); }

    // Window events waiting to be handled by the next runWaitingEvents.
    void queueEvent(std::function<void()> event) { waiting.push_back(std::move(event)); }
    // An event that arrives while sound n starts: it waits for the runWaitingEvents after it.
    void queueEventDuring(int n, std::function<void()> event);
    std::size_t eventsWaiting() const { return waiting.size(); }
    // Hands the first waiting event over to the caller, as the main event loop would take it.
    std::function<void()> takeWaitingEvent();

private:
    struct WindowModel {
        bool open = false;
        int shows = 0;
    };

    void record(std::string entry);
    Answer ask(const char* entry, std::string_view question, std::string_view heading);

    bool keepingRecord = true;
    std::vector<std::string> entries;
    std::array<ShownPicture, 101> cells{};
    std::array<std::string, countOf<StatusLabel>> values;
    std::array<bool, countOf<MenuItem>> checks{};
    std::array<WindowModel, countOf<Window>> windows{};

    std::deque<Answer> yesNoAnswers;
    std::deque<Answer> okCancelAnswers;
    std::function<Answer()> yesNoFallback;
    std::function<Answer()> okCancelFallback;
    std::deque<double> draws;
    std::function<double()> drawFallback;
    std::deque<std::function<void()>> waiting;
    std::deque<std::pair<int, std::function<void()>>> arriving;
    int playing = 0;

    int seedCount = 0;
    int soundCount = 0;
    int eventRunCount = 0;
    std::string prompt;
    std::string title;
};

} // namespace gelumpa::test
