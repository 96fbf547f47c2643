// The toolkit the rules talk to, carried out on the Qt windows: cell pictures, captions,
// check marks, message boxes, the two picture windows, waiting events, random draws,
// the embedded recordings and the sound output.
#pragma once

#include <array>
#include <functional>
#include <random>

#include <QPointer>

#include "core/Toolkit.h"
#include "ui/PictureWindow.h"
#include "ui/SdlAudio.h"

namespace gelumpa {

class Form1;

class QtToolkit final : public Toolkit {
public:
    // How the process ends; the real one never returns.
    using ExitProcess = std::function<void()>;
    static void terminateProcess();

    QtToolkit(Form1& form, ExitProcess exitProcess);

    void showPiece(std::int16_t cell, std::int16_t kind, PieceLook look) override;
    void clearCell(std::int16_t cell) override;

    void setCaption(Caption label, std::string_view text) override;
    std::string menuCaption(MenuArray menu, std::int16_t index) const override;
    void setChecked(MenuArray menu, std::int16_t index, bool checked) override;

    int askYesNo(std::string_view prompt, std::string_view title) override;
    int askOkCancel(std::string_view prompt, std::string_view title) override;

    void loadWindow(Window window) override;
    void showWindow(Window window) override;
    void unloadWindow(Window window) override;

    void endProgram() override;
    void runWaitingEvents() override;

    void seedFromClock() override;
    double drawUniform() override;

    std::span<const std::uint8_t> loadSound(std::int16_t n) override;
    void playFromMemory(std::span<const std::uint8_t> waveImage) override;

    const SdlAudio& audio() const { return sound; }

private:
    QPointer<PictureWindow>& slot(Window window);

    Form1& form;
    ExitProcess exitProcess;
    std::array<QPointer<PictureWindow>, 2> windows;
    std::mt19937_64 random;
    SdlAudio sound;
};

} // namespace gelumpa
