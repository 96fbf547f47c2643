// Starts the game: the application's names, the program icon and the main window.
#include <QApplication>
#include <QIcon>

#include "ui/Form1.h"

int main(int argc, char* argv[])
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("gelumpa"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.00"));
    QCoreApplication::setOrganizationName(QStringLiteral("Orvane"));
    QGuiApplication::setDesktopFileName(QStringLiteral("example.orvane.gelumpa"));

    QIcon icon;
    for (const int size : {32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icon/gelumpa-%1.png").arg(size), QSize(size, size));

    gelumpa::Form1 form;
    form.setWindowIcon(icon);
    form.show();
    return QApplication::exec();
}
