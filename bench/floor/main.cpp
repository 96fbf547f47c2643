// The floor of the start-up benchmark: the least a Qt window like the game's costs,
// a main window with one menu of one item over a fixed white area of the game's size.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPalette>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Gelumpa Floor 1.0"));
    window.menuBar()->addMenu(QStringLiteral("&Game Menu"))->addAction(QStringLiteral("&Random gelumpa"));

    auto* area = new QWidget(&window);
    area->setFixedSize(367, 398);
    QPalette palette = area->palette();
    palette.setColor(QPalette::Window, Qt::white);
    area->setPalette(palette);
    area->setAutoFillBackground(true);
    window.setCentralWidget(area);

    window.show();
    return app.exec();
}
