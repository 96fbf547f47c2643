// What the game shows and asks through its windows on Qt: the board's pictures, the panel's
// counters with their news to a screen reader, the menus' check marks, the questions and the
// two picture windows.
#pragma once

#include <array>

#include <QAction>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "core/BoardDisplay.h"
#include "core/Dialogs.h"
#include "core/EnumTable.h"
#include "ui/BoardView.h"
#include "ui/PictureWindow.h"
#include "ui/PieceStores.h"
#include "ui/ReaderNews.h"
#include "ui/StatusPanel.h"

namespace gelumpa {

class GameWindows final : public BoardDisplay, public Dialogs {
public:
    // The widgets the game's effects go to; the main window owns them and outlives this.
    struct Widgets {
        QWidget& mainWindow;
        BoardView& board;
        const PieceStores& pieces;
        StatusPanel& panel;
        // Indexed by MenuItem.
        std::array<QAction*, countOf<MenuItem>> checkedItems;
    };

    explicit GameWindows(const Widgets& widgets) : widgets(widgets), news(widgets.panel) {}

    void showPiece(int cell, int kind, PieceLook look) override;
    void clearCell(int cell) override;

    // Shows a label's value and tells a reader of it.
    void showValue(StatusLabel label, std::string_view value) override;
    void setChecked(MenuItem item, bool checked) override;

    Answer askYesNo(std::string_view prompt, std::string_view title) override;
    Answer askOkCancel(std::string_view prompt, std::string_view title) override;

    void createWindow(Window window) override;
    // The end window comes with the news of the end and the final score.
    void showWindow(Window window) override;
    void closeWindow(Window window) override;

private:
    QPointer<PictureWindow>& slot(Window window);

    Widgets widgets;
    std::array<QPointer<PictureWindow>, countOf<Window>> windows;
    ReaderNews news;
    // The score as it was last shown, for the news of the end.
    QString score;
};

} // namespace gelumpa
