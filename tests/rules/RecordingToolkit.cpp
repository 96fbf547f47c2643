// The recording toolkit: each call becomes one line of the record and updates the screen model.
#include "tests/rules/RecordingToolkit.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace gelumpa::test {

namespace {

const char* nameOf(Caption label)
{
    switch (label) {
    case Caption::posisilbl: return "posisilbl";
    case Caption::scorelbl: return "scorelbl";
    case Caption::levellbl: return "levellbl";
    }
    return "?";
}

const char* nameOf(MenuArray menu) { return menu == MenuArray::level1 ? "level1" : "suara1"; }

const char* nameOf(Window window) { return window == Window::Form2 ? "Form2" : "frmAbout"; }

bool validCell(std::int16_t cell) { return cell >= 1 && cell <= 100; }

void putLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes)
{
    for (int b = 0; b < bytes; ++b)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * b)));
}

void putText(std::vector<std::uint8_t>& out, std::string_view text) { out.insert(out.end(), text.begin(), text.end()); }

} // namespace

RecordingToolkit::RecordingToolkit()
    : captions{"000", "000", "Piece of Tokay"} // the main window's design
{
    cells.fill(ShownPicture{1, PieceLook::Normal});
    checks[static_cast<std::size_t>(MenuArray::level1)][1] = true;
    checks[static_cast<std::size_t>(MenuArray::suara1)][1] = true;
    for (std::int16_t n = 1; n <= 4; ++n)
        waves[static_cast<std::size_t>(n)] = waveImage(n);
}

std::vector<std::uint8_t> RecordingToolkit::waveImage(std::int16_t n)
{
    // A complete mono 8-bit PCM wave of two samples; the first sample names the recording.
    std::vector<std::uint8_t> image;
    putText(image, "RIFF");
    putLittleEndian(image, 38, 4);
    putText(image, "WAVEfmt ");
    putLittleEndian(image, 16, 4);
    putLittleEndian(image, 1, 2);
    putLittleEndian(image, 1, 2);
    putLittleEndian(image, 8000, 4);
    putLittleEndian(image, 8000, 4);
    putLittleEndian(image, 1, 2);
    putLittleEndian(image, 8, 2);
    putText(image, "data");
    putLittleEndian(image, 2, 4);
    image.push_back(static_cast<std::uint8_t>(n));
    image.push_back(0x80);
    return image;
}

void RecordingToolkit::record(std::string entry)
{
    if (recording)
        entries.push_back(std::move(entry));
}

void RecordingToolkit::showPiece(std::int16_t cell, std::int16_t kind, PieceLook look)
{
    if (!validCell(cell) || kind < 1 || kind > 5) {
        ADD_FAILURE() << "showPiece(" << cell << ", " << kind << ") outside the board or the picture stores";
        return;
    }
    cells[static_cast<std::size_t>(cell)] = ShownPicture{kind, look};
    if (recording)
        record("show " + std::to_string(cell) + (look == PieceLook::Normal ? " pic " : " pic1 ") + std::to_string(kind));
}

void RecordingToolkit::clearCell(std::int16_t cell)
{
    if (!validCell(cell)) {
        ADD_FAILURE() << "clearCell(" << cell << ") outside the board";
        return;
    }
    cells[static_cast<std::size_t>(cell)] = ShownPicture{};
    if (recording)
        record("clear " + std::to_string(cell));
}

void RecordingToolkit::setCaption(Caption label, std::string_view text)
{
    captions[static_cast<std::size_t>(label)] = std::string(text);
    if (recording)
        record(std::string("caption ") + nameOf(label) + " '" + std::string(text) + "'");
}

std::string RecordingToolkit::menuCaption(MenuArray menu, std::int16_t index) const
{
    static const std::array<std::array<const char*, 3>, 2> texts{{
        {"", "&Piece of Tokay", "&Nightmare"},
        {"", "&Make me mad !!", "&Keep silent.."},
    }};
    if (index < 1 || index > 2) {
        ADD_FAILURE() << "menu item " << index << " does not exist";
        return "";
    }
    return texts[static_cast<std::size_t>(menu)][static_cast<std::size_t>(index)];
}

void RecordingToolkit::setChecked(MenuArray menu, std::int16_t index, bool on)
{
    if (index < 1 || index > 2) {
        ADD_FAILURE() << "menu item " << index << " does not exist";
        return;
    }
    checks[static_cast<std::size_t>(menu)][static_cast<std::size_t>(index)] = on;
    if (recording)
        record(std::string("check ") + nameOf(menu) + " " + std::to_string(index) + (on ? " on" : " off"));
}

bool RecordingToolkit::checked(MenuArray menu, std::int16_t index) const
{
    return checks[static_cast<std::size_t>(menu)][static_cast<std::size_t>(index)];
}

void RecordingToolkit::setFallbackAnswers(std::function<int()> yesNo, std::function<int()> okCancel)
{
    yesNoFallback = std::move(yesNo);
    okCancelFallback = std::move(okCancel);
}

int RecordingToolkit::ask(const char* entry, std::string_view question, std::string_view heading)
{
    ++questionCount;
    prompt = question;
    title = heading;
    record(entry);
    const bool yesNo = std::string_view(entry) == "yesno";
    auto& answers = yesNo ? yesNoAnswers : okCancelAnswers;
    if (!answers.empty()) {
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    const auto& fallback = yesNo ? yesNoFallback : okCancelFallback;
    if (fallback)
        return fallback();
    ADD_FAILURE() << "unexpected question: " << question;
    return yesNo ? vbNo : vbCancel;
}

int RecordingToolkit::askYesNo(std::string_view question, std::string_view heading)
{
    return ask("yesno", question, heading);
}

int RecordingToolkit::askOkCancel(std::string_view question, std::string_view heading)
{
    return ask("okcancel", question, heading);
}

void RecordingToolkit::loadWindow(Window window)
{
    windows[static_cast<std::size_t>(window)].loaded = true;
    record(std::string("load ") + nameOf(window));
}

void RecordingToolkit::showWindow(Window window)
{
    auto& model = windows[static_cast<std::size_t>(window)];
    model.loaded = true;
    ++model.shows;
    record(std::string("show ") + nameOf(window));
}

void RecordingToolkit::unloadWindow(Window window)
{
    windows[static_cast<std::size_t>(window)] = WindowModel{};
    record(std::string("unload ") + nameOf(window));
}

void RecordingToolkit::endProgram()
{
    record("end");
    waiting.clear();
    arriving.clear();
    throw ProgramEnded{};
}

void RecordingToolkit::queueEventDuring(std::int16_t n, std::function<void()> event)
{
    arriving.emplace_back(n, std::move(event));
}

void RecordingToolkit::runWaitingEvents()
{
    ++eventRunCount;
    record("events");
    for (auto it = arriving.begin(); it != arriving.end();) {
        if (it->first == lastRecording) {
            waiting.push_back(std::move(it->second));
            it = arriving.erase(it);
        } else {
            ++it;
        }
    }
    // An event handled here may itself run the waiting events; each event runs once.
    while (!waiting.empty()) {
        auto event = std::move(waiting.front());
        waiting.pop_front();
        event();
    }
}

std::deque<std::function<void()>> RecordingToolkit::takeWaitingEvents()
{
    std::deque<std::function<void()>> taken;
    taken.swap(waiting);
    return taken;
}

void RecordingToolkit::seedFromClock()
{
    ++seedCount;
    record("seed");
}

void RecordingToolkit::queueDraws(const std::vector<double>& values)
{
    draws.insert(draws.end(), values.begin(), values.end());
}

double RecordingToolkit::drawUniform()
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

std::span<const std::uint8_t> RecordingToolkit::loadSound(std::int16_t n)
{
    ++loadCount;
    if (n < 1 || n > 4) {
        ADD_FAILURE() << "no recording " << n;
        return {};
    }
    if (recording)
        record("wave " + std::to_string(n));
    return waves[static_cast<std::size_t>(n)];
}

int RecordingToolkit::recordingOf(std::span<const std::uint8_t> image) const
{
    for (std::size_t n = 1; n < waves.size(); ++n)
        if (std::ranges::equal(image, waves[n]))
            return static_cast<int>(n);
    return 0;
}

void RecordingToolkit::playFromMemory(std::span<const std::uint8_t> waveImage)
{
    ++playCount;
    lastPlayed = waveImage.data();
    const int n = recordingOf(waveImage);
    lastRecording = static_cast<std::int16_t>(n);
    if (n == 0)
        ADD_FAILURE() << "played bytes that are none of the recordings";
    if (recording)
        record("play " + std::to_string(n));
}

} // namespace gelumpa::test
