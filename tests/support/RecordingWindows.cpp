// The recording windows: each call becomes one line of the record and updates the screen model.
#include "tests/support/RecordingWindows.h"

#include <gtest/gtest.h>

#include "core/DesignState.h"

namespace gelumpa::test {

namespace {

constexpr std::array<const char*, countOf<StatusLabel>> labelNames{"groupSize", "score", "level"};
constexpr std::array<const char*, countOf<MenuItem>> itemNames{"pieceOfTokay", "nightmare", "soundOn", "soundOff"};
constexpr std::array<const char*, countOf<Window>> windowNames{"endWindow", "aboutWindow"};

bool validCell(int cell) { return cell >= 1 && cell <= 100; }

} // namespace

// The windows open in the main window's design state.
RecordingWindows::RecordingWindows()
{
    cells.fill(ShownPicture{designState::pieceKind, PieceLook::Normal});
    for (const StatusLabel label : every<StatusLabel>)
        values[indexOf(label)] = designState::value(label);
    for (const MenuItem item : every<MenuItem>)
        checks[indexOf(item)] = designState::checked(item);
}

void RecordingWindows::record(std::string entry)
{
    if (keepingRecord)
        entries.push_back(std::move(entry));
}

void RecordingWindows::showPiece(int cell, int kind, PieceLook look)
{
    if (!validCell(cell) || kind < 1 || kind > 5) {
        ADD_FAILURE() << "showPiece(" << cell << ", " << kind << ") outside the board or the picture stores";
        return;
    }
    cells[static_cast<std::size_t>(cell)] = ShownPicture{kind, look};
    if (keepingRecord)
        record("show " + std::to_string(cell) + (look == PieceLook::Normal ? " normal " : " highlighted ") + std::to_string(kind));
}

void RecordingWindows::clearCell(int cell)
{
    if (!validCell(cell)) {
        ADD_FAILURE() << "clearCell(" << cell << ") outside the board";
        return;
    }
    cells[static_cast<std::size_t>(cell)] = ShownPicture{};
    if (keepingRecord)
        record("clear " + std::to_string(cell));
}

void RecordingWindows::showValue(StatusLabel label, std::string_view value)
{
    values[indexOf(label)] = std::string(value);
    if (keepingRecord)
        record(std::string("value ") + labelNames[indexOf(label)] + " '" + std::string(value) + "'");
}

void RecordingWindows::setChecked(MenuItem item, bool on)
{
    checks[indexOf(item)] = on;
    record(std::string("check ") + itemNames[indexOf(item)] + (on ? " on" : " off"));
}

void RecordingWindows::setFallbackAnswers(std::function<Answer()> yesNo, std::function<Answer()> okCancel)
{
    yesNoFallback = std::move(yesNo);
    okCancelFallback = std::move(okCancel);
}

Answer RecordingWindows::ask(const char* entry, std::string_view question, std::string_view heading)
{
    prompt = question;
    title = heading;
    record(entry);
    const bool yesNo = std::string_view(entry) == "yesno";
    auto& answers = yesNo ? yesNoAnswers : okCancelAnswers;
    if (!answers.empty()) {
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    const auto& fallback = yesNo ? yesNoFallback : okCancelFallback;
    if (fallback)
        return fallback();
    ADD_FAILURE() << "unexpected question: " << question;
    return yesNo ? Answer::No : Answer::Cancel;
}

Answer RecordingWindows::askYesNo(std::string_view question, std::string_view heading)
{
    return ask("yesno", question, heading);
}

Answer RecordingWindows::askOkCancel(std::string_view question, std::string_view heading)
{
    return ask("okcancel", question, heading);
}

void RecordingWindows::createWindow(Window window)
{
    windows[indexOf(window)].open = true;
    record(std::string("create ") + windowNames[indexOf(window)]);
}

void RecordingWindows::showWindow(Window window)
{
    auto& model = windows[indexOf(window)];
    model.open = true;
    ++model.shows;
    record(std::string("show ") + windowNames[indexOf(window)]);
}

void RecordingWindows::closeWindow(Window window)
{
    windows[indexOf(window)] = WindowModel{};
    record(std::string("close ") + windowNames[indexOf(window)]);
}

void RecordingWindows::endProgram()
{
    record("end");
    waiting.clear();
    arriving.clear();
    throw ProgramEnded{};
}

void RecordingWindows::queueEventDuring(int n, std::function<void()> event)
{
    arriving.emplace_back(n, std::move(event));
}

void RecordingWindows::runWaitingEvents()
{
    ++eventRunCount;
    record("events");
    for (auto it = arriving.begin(); it != arriving.end();) {
        if (it->first == playing) {
            waiting.push_back(std::move(it->second));
            it = arriving.erase(it);
        } else {
            ++it;
        }
    }
    // An event handled here may itself run the waiting events; each event runs once.
    while (!waiting.empty())
        takeWaitingEvent()();
}

std::function<void()> RecordingWindows::takeWaitingEvent()
{
    auto event = std::move(waiting.front());
    waiting.pop_front();
    return event;
}

void RecordingWindows::seedFromClock()
{
    ++seedCount;
    record("seed");
}

void RecordingWindows::queueDraws(const std::vector<double>& values)
{
    draws.insert(draws.end(), values.begin(), values.end());
}

double RecordingWindows::drawUniform()
{
    record("draw");
    if (!draws.empty()) {
        const double u = draws.front();
        draws.pop_front();
        return u;
    }
    if (drawFallback)
        return drawFallback();
    ADD_FAILURE() << "more uniform draws than scripted";
    return 0.0;
}

void RecordingWindows::startSound(Sound sound)
{
    ++soundCount;
    playing = static_cast<int>(sound);
    record("play " + std::to_string(playing));
}

} // namespace gelumpa::test
