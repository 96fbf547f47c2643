// The board display and the dialogs on the real windows, and the news a reader hears of them.
#include "ui/GameWindows.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGridLayout>
#include <QMessageBox>

#include "ui/AboutWindow.h"
#include "ui/EndWindow.h"

namespace gelumpa {

namespace {
// The title bar's icon and buttons beside the title, with some air.
constexpr int titleBarButtonsRoom = 120;

QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A counter's news as a reader hears it: what it counts, then its value ("Score 12").
QString spoken(StatusLabel label, const QString& value)
{
    constexpr std::array<const char*, countOf<StatusLabel>> meanings{
        //: %1 is the number of balls in the group the player has marked.
        QT_TRANSLATE_NOOP("ScreenReader", "Selected %1"),
        QT_TRANSLATE_NOOP("ScreenReader", "Score %1"),
        //: %1 is the level's name, which stays as the game shows it: "Piece of Tokay" or "Nightmare".
        QT_TRANSLATE_NOOP("ScreenReader", "Level %1"),
    };
    return QCoreApplication::translate("ScreenReader", meanings[indexOf(label)]).arg(value.trimmed());
}

QMessageBox::StandardButton ask(QWidget& owner, std::string_view prompt, std::string_view title,
                                QMessageBox::StandardButtons buttons)
{
    QMessageBox box(QMessageBox::NoIcon, text(title), text(prompt), buttons, &owner);
    box.setTextFormat(Qt::PlainText);
    // Plain text buttons, as the question boxes have always looked; some styles add icons.
    for (QAbstractButton* button : box.buttons())
        button->setIcon(QIcon());
    // Wide enough for its title: the level question's title is longer than its prompt,
    // and the window manager would cut it short.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int titleRoom = box.fontMetrics().horizontalAdvance(box.windowTitle()) + titleBarButtonsRoom;
        grid->addItem(new QSpacerItem(titleRoom, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0,
                      1, grid->columnCount());
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
} // namespace

void GameWindows::showPiece(int cell, int kind, PieceLook look)
{
    widgets.board.showPiece(cell, widgets.pieces.entry(kind, look), kind, look);
}

void GameWindows::clearCell(int cell)
{
    widgets.board.clearCell(cell);
}

void GameWindows::showValue(StatusLabel label, std::string_view value)
{
    const QString shown = text(value);
    widgets.panel.label(label).setText(shown);
    if (label == StatusLabel::Score)
        score = shown;
    if (news.listening())
        news.tell(spoken(label, shown));
}

void GameWindows::setChecked(MenuItem menuItem, bool checked)
{
    widgets.checkedItems[indexOf(menuItem)]->setChecked(checked);
}

Answer GameWindows::askYesNo(std::string_view prompt, std::string_view title)
{
    return ask(widgets.mainWindow, prompt, title, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes ? Answer::Yes
                                                                                                       : Answer::No;
}

Answer GameWindows::askOkCancel(std::string_view prompt, std::string_view title)
{
    return ask(widgets.mainWindow, prompt, title, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok
        ? Answer::Ok
        : Answer::Cancel;
}

QPointer<PictureWindow>& GameWindows::slot(Window window)
{
    return windows[indexOf(window)];
}

void GameWindows::createWindow(Window window)
{
    auto& current = slot(window);
    if (current)
        return;
    PictureWindow* made = window == Window::EndOfGame ? static_cast<PictureWindow*>(new EndWindow(&widgets.mainWindow))
                                                      : static_cast<PictureWindow*>(new AboutWindow(&widgets.mainWindow));
    QRect place(QPoint(), made->size());
    place.moveCenter(widgets.mainWindow.frameGeometry().center());
    made->move(place.topLeft());
    // A window still waiting for its deletion may not close the one that replaced it.
    QObject::connect(made, &PictureWindow::closeRequested, made, [this, window, made] {
        if (slot(window) == made)
            closeWindow(window);
    });
    current = made;
}

void GameWindows::showWindow(Window window)
{
    if (const auto& shown = slot(window)) {
        shown->show();
        shown->raise();
    }
    if (window == Window::EndOfGame && news.listening())
        //: %1 is the final score as the score's own news says it, such as "Score 84".
        news.tell(QCoreApplication::translate("ScreenReader", "Game over, %1").arg(spoken(StatusLabel::Score, score)));
}

// The window may be closing itself from its own click handler, so it is hidden at
// once and deleted only when control is back in the event loop. It leaves its slot
// at once, so a later createWindow makes a fresh window.
void GameWindows::closeWindow(Window window)
{
    auto& current = slot(window);
    if (!current)
        return;
    PictureWindow* leaving = current;
    current.clear();
    leaving->hide();
    leaving->deleteLater();
}

} // namespace gelumpa
