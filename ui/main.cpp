// Starts the game: the command line's answer, the application's names, the program icon and the main window.
#include <QApplication>
#include <QIcon>

#include "ui/ApplicationStart.h"
#include "ui/CommandLine.h"
#include "ui/MainWindow.h"

int main(int argc, char* argv[])
{
    if (const std::optional<int> answered = gelumpa::answerCommandLine(argc, argv))
        return *answered;
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    const std::unique_ptr<QApplication> app = gelumpa::startApplication(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("gelumpa"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.00"));
    QCoreApplication::setOrganizationName(QStringLiteral("Orvane"));
    QGuiApplication::setDesktopFileName(QStringLiteral("example.orvane.gelumpa"));

    gelumpa::MainWindow window;
    // The title bar's size only: every larger picture would be decoded and sent to the
    // window system at each start, and launchers take those from the installed theme icon.
    window.setWindowIcon(QIcon(QStringLiteral(":/icon/gelumpa-32.png")));
    window.show();
    return QApplication::exec();
}
