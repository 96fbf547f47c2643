// Starts the game: the player's language, the command line's answer and the pieces it asks for,
// the application's names, the program icon and the main window.
#include <QApplication>
#include <QIcon>

#include "ui/ApplicationStart.h"
#include "ui/CommandLine.h"
#include "ui/MainWindow.h"
#include "ui/PlayerLanguage.h"

int main(int argc, char* argv[])
{
    // Before the application, which it outlives: the command line answers in it too.
    gelumpa::PlayerLanguage language;
    const gelumpa::CommandLineAnswer commandLine = gelumpa::answerCommandLine(argc, argv, language);
    if (commandLine.exitStatus)
        return *commandLine.exitStatus;
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    const std::unique_ptr<QApplication> app = gelumpa::startApplication(argc, argv, language);
    language.useInApplication();
    QCoreApplication::setApplicationName(QStringLiteral("gelumpa"));
    QCoreApplication::setApplicationVersion(QStringLiteral(GELUMPA_VERSION));
    QCoreApplication::setOrganizationName(QStringLiteral("Orvane"));
    QGuiApplication::setDesktopFileName(QStringLiteral("example.orvane.gelumpa"));

    gelumpa::MainWindow window(gelumpa::endProgram,
                               commandLine.symbols ? gelumpa::PieceSet::WithSymbols : gelumpa::PieceSet::Plain);
    // The title bar's size only: every larger picture would be decoded and sent to the
    // window system at each start, and launchers take those from the installed theme icon.
    window.setWindowIcon(QIcon(QStringLiteral(":/icon/gelumpa-32.png")));
    window.show();
    return QApplication::exec();
}
