// The toolkit operations on the real windows.
#include "ui/QtToolkit.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include <QAbstractButton>
#include <QAccessible>
#include <QCoreApplication>
#include <QGridLayout>
#include <QMessageBox>

#include "ui/EmbeddedSound.h"
#include "ui/AboutWindow.h"
#include "ui/EndWindow.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace gelumpa {

namespace {
// The title bar's icon and buttons beside the title, with some air.
constexpr int titleBarButtonsRoom = 120;

QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
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

void QtToolkit::terminateProcess()
{
    std::fflush(nullptr);
#if defined(__SANITIZE_ADDRESS__)
    // std::_Exit skips the leak check a sanitized build runs at a normal exit; run it here,
    // so memory the game lost is still reported. What is alive now is not lost.
    __lsan_do_leak_check();
#endif
    std::_Exit(0);
}

QtToolkit::QtToolkit(const Widgets& widgets, ExitProcess exitProcess)
    : widgets(widgets), exitProcess(std::move(exitProcess))
{
}

QAction& QtToolkit::item(MenuItem item)
{
    return *widgets.checkedItems[static_cast<std::size_t>(item)];
}

const QAction& QtToolkit::item(MenuItem item) const
{
    return *widgets.checkedItems[static_cast<std::size_t>(item)];
}

void QtToolkit::showPiece(int cell, int kind, PieceLook look)
{
    widgets.board.showPiece(cell, widgets.pieces.entry(kind, look), kind, look);
}

void QtToolkit::clearCell(int cell)
{
    widgets.board.clearCell(cell);
}

void QtToolkit::setCaption(StatusLabel label, std::string_view caption)
{
    widgets.panel.label(label).setText(text(caption));
    if (QAccessible::isActive())
        widgets.board.announce(widgets.panel.spokenCaption(label));
}

std::string QtToolkit::menuCaption(MenuItem menuItem) const
{
    return item(menuItem).text().toStdString();
}

void QtToolkit::setChecked(MenuItem menuItem, bool checked)
{
    item(menuItem).setChecked(checked);
}

Answer QtToolkit::askYesNo(std::string_view prompt, std::string_view title)
{
    return ask(widgets.mainWindow, prompt, title, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes ? Answer::Yes
                                                                                                       : Answer::No;
}

Answer QtToolkit::askOkCancel(std::string_view prompt, std::string_view title)
{
    return ask(widgets.mainWindow, prompt, title, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok
        ? Answer::Ok
        : Answer::Cancel;
}

QPointer<PictureWindow>& QtToolkit::slot(Window window)
{
    return windows[window == Window::EndOfGame ? 0 : 1];
}

void QtToolkit::createWindow(Window window)
{
    auto& loaded = slot(window);
    if (loaded)
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
    loaded = made;
}

void QtToolkit::showWindow(Window window)
{
    if (const auto& shown = slot(window)) {
        shown->show();
        shown->raise();
    }
    if (window == Window::EndOfGame && QAccessible::isActive())
        widgets.board.announce(QStringLiteral("Game over, ") + widgets.panel.spokenCaption(StatusLabel::Score));
}

// The window may be closing itself from its own click handler, so it is hidden at
// once and deleted only when control is back in the event loop. It leaves its slot
// at once, so a later load makes a fresh window.
void QtToolkit::closeWindow(Window window)
{
    auto& loaded = slot(window);
    if (!loaded)
        return;
    PictureWindow* leaving = loaded;
    loaded.clear();
    leaving->hide();
    leaving->deleteLater();
}

void QtToolkit::endProgram()
{
    sound.close();
    exitProcess();
}

void QtToolkit::runWaitingEvents()
{
    QCoreApplication::processEvents();
}

void QtToolkit::seedFromClock()
{
    random.seed(static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

double QtToolkit::drawUniform()
{
    // The top 53 bits make a double in [0, 1) exactly, never 1.
    return static_cast<double>(random() >> 11) * 0x1.0p-53;
}

std::span<const std::uint8_t> QtToolkit::recording(Sound sound)
{
    return embeddedRecording(static_cast<int>(sound));
}

void QtToolkit::playFromMemory(std::span<const std::uint8_t> waveImage)
{
    sound.play(waveImage);
}

} // namespace gelumpa
