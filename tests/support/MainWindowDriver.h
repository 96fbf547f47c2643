// The real main window driven in process, for the window tests and the Wayland scenario: cells
// checked in a grab and clicked now or later, message boxes answered, a game played through,
// the picture windows found.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include <QImage>
#include <QList>
#include <QAction>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "tests/support/BoardPicture.h"
#include "ui/MainWindow.h"

namespace gelumpa::test {

// What the window test groups share: a fresh main window for every test, whose requests to
// end the program are counted instead of ending the test process.
class MainWindowTestGroup : public QObject {
protected:
    // Shows a fresh main window; false when it never became visible on screen.
    bool showFreshWindow();
    QAction& item(const char* name) { return *mainWindow->findChild<QAction*>(QLatin1String(name)); }

    std::unique_ptr<MainWindow> mainWindow;
    int exits = 0;
};

// The client area of the main window, as drawn, at the screen's ratio.
QImage grabClient(const MainWindow& mainWindow);
// At ratio 1, by the shared board decoder: empty when every cell is drawn exactly
// as the board says (by default, as the game state says), else the first cell that is not.
QString boardMismatch(const MainWindow& mainWindow, std::optional<e2e::Board> expected = std::nullopt);

void clickCell(MainWindow& mainWindow, int cell);
// Queues a press and a release on the cell, handled at the next event processing.
void postClick(MainWindow& mainWindow, int cell);

// A cell that has a side neighbour of its own kind (a removable group), or 0.
int removableCell(const GameState& state);
// Removes groups of the running game until it ends; false if no game was running
// or it did not end.
bool playToTheEnd(MainWindow& mainWindow);

// What the next message box showed; answered by a zero timer armed before the command.
struct SeenBox {
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    // The captions of its buttons, in the order OK, Cancel, Yes, No.
    QStringList buttons;
};
std::shared_ptr<SeenBox> answerNextBox(QMessageBox::StandardButton answer);

// The visible top-level windows with this title.
QList<QWidget*> shownWindows(const QString& title);

} // namespace gelumpa::test
