// A child process for the Wayland test: the real main window with the end-of-game window
// and the about window open beside it, on whatever platform the test chose. A compositor
// without input devices cannot take a player's clicks, so the game is played in process.
// Ends with status 0 once all three windows have been on screen and the board had the keys,
// with another when one never is.
#include <QApplication>
#include <QTest>

#include "tests/support/MainWindowDriver.h"

using namespace gelumpa;

namespace {

bool shownOnce(const QString& title)
{
    const QList<QWidget*> shown = test::shownWindows(title);
    return shown.size() == 1 && QTest::qWaitForWindowExposed(shown.first());
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);

    MainWindow mainWindow;
    mainWindow.show();
    if (!QTest::qWaitForWindowExposed(&mainWindow))
        return 2;
    // The keys are the board's from the start, on this compositor too; it has no seat, so the
    // window is never active and the board is the focus it will have when it is.
    if (mainWindow.focusWidget() != &mainWindow.board())
        return 6;
    mainWindow.findChild<QAction*>(QStringLiteral("newGameItem"))->trigger();
    if (!test::playToTheEnd(mainWindow))
        return 3;
    mainWindow.findChild<QAction*>(QStringLiteral("aboutItem"))->trigger();
    if (!shownOnce(QStringLiteral("Form2")) || !shownOnce(QStringLiteral("About MyApp")))
        return 4;
    // Closing the main window ends the program with status 0, as it does for the player.
    mainWindow.close();
    return 5;
}
