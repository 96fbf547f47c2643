// Every effect the rules have on the world: cell pictures, captions, check marks,
// message boxes, windows, waiting events, random draws and sound output.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace gelumpa {

// Which of the two picture stores a cell is given: `pic` (normal) or `pic1` (highlighted).
enum class PieceLook { Normal, Highlighted };

// The labels of the status panel that the rules write.
enum class Caption { posisilbl, scorelbl, levellbl };

// The two menu control arrays whose items carry exclusive check marks (index 1 or 2).
enum class MenuArray { level1, suara1 };

// The two picture windows beside the main window.
enum class Window { Form2, frmAbout };

// Answer codes of the platform's message boxes.
inline constexpr int vbOK = 1;
inline constexpr int vbCancel = 2;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;

class Toolkit {
public:
    virtual ~Toolkit() = default;

    // Box(cell) shows pic(kind) or pic1(kind); kind is 1..5, never 0.
    virtual void showPiece(std::int16_t cell, std::int16_t kind, PieceLook look) = 0;
    // Box(cell) shows the empty picture: the window's white background.
    virtual void clearCell(std::int16_t cell) = 0;

    virtual void setCaption(Caption label, std::string_view text) = 0;
    virtual std::string menuCaption(MenuArray menu, std::int16_t index) const = 0;
    virtual void setChecked(MenuArray menu, std::int16_t index, bool checked) = 0;

    // Modal boxes without an icon; they return vbYes/vbNo and vbOK/vbCancel.
    virtual int askYesNo(std::string_view prompt, std::string_view title) = 0;
    virtual int askOkCancel(std::string_view prompt, std::string_view title) = 0;

    // Load creates the window unless it exists; show is non-modal and brings it to
    // the front; unloading a window that does not exist does nothing.
    virtual void loadWindow(Window window) = 0;
    virtual void showWindow(Window window) = 0;
    virtual void unloadWindow(Window window) = 0;

    // Closes every window at once; no further handler of the program runs.
    virtual void endProgram() = 0;
    // Handles every window event already waiting, then returns.
    virtual void runWaitingEvents() = 0;

    virtual void seedFromClock() = 0;
    // A uniform draw u with 0 <= u < 1.
    virtual double drawUniform() = 0;

    // The complete RIFF WAVE image of recording n (1..4), valid for the whole run.
    virtual std::span<const std::uint8_t> loadSound(std::int16_t n) = 0;
    // Starts playing a wave image asynchronously, replacing any sound still playing;
    // an image that cannot be played is skipped in silence.
    virtual void playFromMemory(std::span<const std::uint8_t> waveImage) = 0;
};

} // namespace gelumpa
