// Every effect the game has on the world: cell pictures, captions, check marks,
// questions, the picture windows, waiting events, random draws and sound output.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/SoundHook.h"

namespace gelumpa {

// How a cell shows its piece: normally, or highlighted as part of the marked group.
enum class PieceLook { Normal, Highlighted };

// The labels of the status panel that the game writes.
enum class StatusLabel { GroupSize, Score, Level };

// The menu items that carry check marks; each pair excludes the other.
enum class MenuItem { PieceOfTokay, Nightmare, SoundOn, SoundOff };

// The two picture windows beside the main window.
enum class Window { EndOfGame, About };

// The player's answer to a question.
enum class Answer { Yes, No, Ok, Cancel };

class Toolkit {
public:
    virtual ~Toolkit() = default;

    // The cell shows the picture of its piece; kind is 1..5, never 0.
    virtual void showPiece(int cell, int kind, PieceLook look) = 0;
    // The cell shows nothing: the window's white background.
    virtual void clearCell(int cell) = 0;

    virtual void setCaption(StatusLabel label, std::string_view text) = 0;
    virtual std::string menuCaption(MenuItem item) const = 0;
    virtual void setChecked(MenuItem item, bool checked) = 0;

    // Modal questions without an icon: Yes or No, and Ok or Cancel.
    virtual Answer askYesNo(std::string_view prompt, std::string_view title) = 0;
    virtual Answer askOkCancel(std::string_view prompt, std::string_view title) = 0;

    // Creating makes the window unless it exists; showing is non-modal and brings it to
    // the front; closing a window that does not exist does nothing.
    virtual void createWindow(Window window) = 0;
    virtual void showWindow(Window window) = 0;
    virtual void closeWindow(Window window) = 0;

    // Closes every window at once; no further handler of the program runs.
    virtual void endProgram() = 0;
    // Handles every window event already waiting, then returns.
    virtual void runWaitingEvents() = 0;

    virtual void seedFromClock() = 0;
    // A uniform draw u with 0 <= u < 1.
    virtual double drawUniform() = 0;

    // The complete RIFF WAVE image of a sound's recording, valid for the whole run.
    virtual std::span<const std::uint8_t> recording(Sound sound) = 0;
    // Starts playing a wave image asynchronously, replacing any sound still playing;
    // an image that cannot be played is skipped in silence.
    virtual void playFromMemory(std::span<const std::uint8_t> waveImage) = 0;
};

} // namespace gelumpa
