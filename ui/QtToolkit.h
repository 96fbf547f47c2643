// The game's windows on Qt: cell pictures, captions and check marks of the main window,
// questions, and the two picture windows.
#pragma once

#include <array>

#include <QAction>
#include <QPointer>
#include <QWidget>

#include "core/BoardDisplay.h"
#include "core/Dialogs.h"
#include "core/EnumTable.h"
#include "ui/BoardView.h"
#include "ui/PictureWindow.h"
#include "ui/PieceStores.h"
#include "ui/StatusPanel.h"

namespace gelumpa {

class QtToolkit final : public BoardDisplay, public Dialogs {
public:
    // The widgets the toolkit drives; the main window owns them and outlives the toolkit.
    struct Widgets {
        QWidget& mainWindow;
        BoardView& board;
        const PieceStores& pieces;
        StatusPanel& panel;
        // Indexed by MenuItem.
        std::array<QAction*, countOf<MenuItem>> checkedItems;
    };

    explicit QtToolkit(const Widgets& widgets) : widgets(widgets) {}

    void showPiece(int cell, int kind, PieceLook look) override;
    void clearCell(int cell) override;

    void setCaption(StatusLabel label, std::string_view text) override;
    void setChecked(MenuItem item, bool checked) override;

    Answer askYesNo(std::string_view prompt, std::string_view title) override;
    Answer askOkCancel(std::string_view prompt, std::string_view title) override;

    void createWindow(Window window) override;
    void showWindow(Window window) override;
    void closeWindow(Window window) override;

private:
    QPointer<PictureWindow>& slot(Window window);

    Widgets widgets;
    std::array<QPointer<PictureWindow>, countOf<Window>> windows;
};

} // namespace gelumpa
