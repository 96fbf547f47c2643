// The toolkit the game talks to, carried out on the Qt windows: cell pictures, captions,
// check marks, questions, the two picture windows, waiting events, random draws,
// the embedded recordings and the sound output.
#pragma once

#include <array>
#include <functional>
#include <random>

#include <QAction>
#include <QPointer>
#include <QWidget>

#include "audio/SoundOutput.h"
#include "core/Toolkit.h"
#include "ui/BoardView.h"
#include "ui/PictureWindow.h"
#include "ui/PieceStores.h"
#include "ui/StatusPanel.h"

namespace gelumpa {

class QtToolkit final : public Toolkit {
public:
    // How the process ends; the real one never returns.
    using ExitProcess = std::function<void()>;
    static void terminateProcess();

    // The widgets the toolkit drives; the main window owns them and outlives the toolkit.
    struct Widgets {
        QWidget& mainWindow;
        BoardView& board;
        const PieceStores& pieces;
        StatusPanel& panel;
        // Indexed by MenuItem.
        std::array<QAction*, 4> checkedItems;
    };

    QtToolkit(const Widgets& widgets, ExitProcess exitProcess);

    void showPiece(int cell, int kind, PieceLook look) override;
    void clearCell(int cell) override;

    void setCaption(StatusLabel label, std::string_view text) override;
    std::string menuCaption(MenuItem item) const override;
    void setChecked(MenuItem item, bool checked) override;

    Answer askYesNo(std::string_view prompt, std::string_view title) override;
    Answer askOkCancel(std::string_view prompt, std::string_view title) override;

    void createWindow(Window window) override;
    void showWindow(Window window) override;
    void closeWindow(Window window) override;

    void endProgram() override;
    void runWaitingEvents() override;

    void seedFromClock() override;
    double drawUniform() override;

    std::span<const std::uint8_t> recording(Sound sound) override;
    void playFromMemory(std::span<const std::uint8_t> waveImage) override;

    const SoundOutput& audio() const { return sound; }

private:
    QPointer<PictureWindow>& slot(Window window);
    QAction& item(MenuItem item);
    const QAction& item(MenuItem item) const;

    Widgets widgets;
    ExitProcess exitProcess;
    std::array<QPointer<PictureWindow>, 2> windows;
    std::mt19937_64 random;
    // The recording the game asked for last: the one it plays next.
    std::size_t recordingAsked = 0;
    SoundOutput sound;
};

} // namespace gelumpa
