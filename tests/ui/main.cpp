// Runs the group of ui tests named by the first argument, with the real windows
// under the offscreen platform and SDL's silent audio driver unless told otherwise, in the
// language of the test's locale as the game chooses and loads it.
#include <array>
#include <cstdio>
#include <cstring>

#include <QApplication>

#include "UiTestGroups.h"
#include "ui/PlayerLanguage.h"

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    gelumpa::PlayerLanguage language;
    language.useInApplication();

    struct Group {
        const char* name;
        int (*run)(int, char**);
    };
    static constexpr std::array groups{
        Group{"MainWindow", gelumpa::test::runMainWindowTests},
        Group{"PictureWindows", gelumpa::test::runPictureWindowTests},
        Group{"Reentry", gelumpa::test::runReentryTests},
        Group{"HiDpi", gelumpa::test::runHiDpiTests},
        Group{"Keyboard", gelumpa::test::runKeyboardTests},
    };
    if (argc >= 2) {
        for (const Group& group : groups) {
            if (std::strcmp(argv[1], group.name) == 0) {
                // The group's name stands in for the program name of QTest's arguments.
                return group.run(argc - 1, argv + 1);
            }
        }
    }
    std::fprintf(stderr, "usage: %s MainWindow|PictureWindows|Reentry|HiDpi|Keyboard [QTest options]\n", argv[0]);
    return 2;
}
