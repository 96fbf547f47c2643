// A child process for the ui tests: plays on the real main window with the real end
// of the program, and queues a close or an exit to run inside a sound. It reports on
// stdout and fails if control ever comes back to the handler that played the sound.
#include <cstdio>
#include <cstring>

#include <QApplication>

#include "tests/support/MainWindowDriver.h"

using namespace gelumpa;

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const char* scenario = argv[1];

    MainWindow mainWindow;
    mainWindow.show();
    mainWindow.findChild<QAction*>(QStringLiteral("newGameItem"))->trigger();
    const GameState& state = mainWindow.game().gameState();
    const int cell = test::removableCell(state);

    if (std::strcmp(scenario, "close-during-removal") == 0)
        test::clickCell(mainWindow, cell);
    if (std::strcmp(scenario, "exit-during-mark") == 0) {
        QMetaObject::invokeMethod(
            &mainWindow,
            [&mainWindow] {
                test::answerNextBox(QMessageBox::Ok);
                mainWindow.findChild<QAction*>(QStringLiteral("leaveItem"))->trigger();
            },
            Qt::QueuedConnection);
    } else {
        QMetaObject::invokeMethod(&mainWindow, [&mainWindow] { mainWindow.close(); }, Qt::QueuedConnection);
    }
    test::clickCell(mainWindow, cell);

    std::printf("the handler went on after the program had ended (%s)\n", scenario);
    return 1;
}
