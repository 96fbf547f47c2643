// Starts the game: the command line's answer and the pieces it asks for, the application's names,
// the program icon and the main window.
#include <QApplication>
#include <QIcon>

#include "ui/ApplicationStart.h"
#include "ui/CommandLine.h"
#include "ui/MainWindow.h"

int main(int argc, char* argv[])
{
    const gelumpa::CommandLineAnswer commandLine = gelumpa::answerCommandLine(argc, argv);
    if (commandLine.exitStatus)
        return *commandLine.exitStatus;
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    const std::unique_ptr<QApplication> app = gelumpa::startApplication(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("gelumpa"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.00"));
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
