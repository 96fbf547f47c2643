// The main window's layout, its menu tree and the forwarding of its events.
#include "ui/Form1.h"

#include <algorithm>

#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPalette>
#include <QScreen>
#include <QSignalBlocker>

#include "ui/BoardFrame.h"

namespace gelumpa {

namespace {
constexpr Qt::WindowFlags mainWindowFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
    | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
} // namespace

Form1::Form1(QtToolkit::ExitProcess exitProcess)
    : QMainWindow(nullptr, mainWindowFlags), toolkit(*this, std::move(exitProcess)), logic(toolkit)
{
    setWindowTitle(QStringLiteral("Gelumpa Dravenik 1.0"));
    buildClientArea();
    buildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    const QRect available = screen()->availableGeometry();
    QRect place(QPoint(), size());
    place.moveCenter(available.center());
    // On a screen smaller than the window the title bar and the menus stay within reach.
    move(std::max(place.left(), available.left()), std::max(place.top(), available.top()));
    logic.Form_Load();
}

void Form1::buildClientArea()
{
    auto* client = new QWidget(this);
    client->setFixedSize(clientSize);
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, Qt::white);
    client->setPalette(palette);
    setCentralWidget(client);

    auto* Shape1 = new BoardFrame(client);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(16, 8, 337, 337);

    Box = new BoardView(client);
    Box->setObjectName(QStringLiteral("Box"));
    Box->move(24, 16);
    // The design shows a light-brown ball in every cell until the first game.
    for (std::int16_t i = 1; i <= cellCount; ++i)
        Box->setCell(i, &stores.entry(1, PieceLook::Normal));
    connect(Box, &BoardView::cellClicked, this, [this](std::int16_t cell) { logic.Box_Click(cell); });

    Picture1 = new StatusPanel(client);
    Picture1->setGeometry(16, 352, 337, 41);
}

void Form1::buildMenus()
{
    // A real widget menu bar, so accessibility tools read its captions and marks.
    menuBar()->setNativeMenuBar(false);

    QMenu* menu1 = menuBar()->addMenu(QStringLiteral("&Game Menu"));
    menu1->setObjectName(QStringLiteral("menu1"));
    QAction* play1 = menu1->addAction(QStringLiteral("&Random gelumpa"));
    play1->setObjectName(QStringLiteral("play1"));
    connect(play1, &QAction::triggered, this, [this] { logic.play1_Click(); });
    QAction* xit1 = menu1->addAction(QStringLiteral("&XXXit to real world"));
    xit1->setObjectName(QStringLiteral("xit1"));
    connect(xit1, &QAction::triggered, this, [this] { logic.xit1_Click(); });

    QMenu* option1 = menuBar()->addMenu(QStringLiteral("&Game Options"));
    option1->setObjectName(QStringLiteral("option1"));
    QMenu* stage = option1->addMenu(QStringLiteral("&Level"));
    stage->setObjectName(QStringLiteral("stage"));
    level1[0] = addChoice(*stage, "level1", QStringLiteral("&Piece of Tokay"), 1, &Game::level1_Click);
    level1[1] = addChoice(*stage, "level1", QStringLiteral("&Nightmare"), 2, &Game::level1_Click);
    QMenu* sound1 = option1->addMenu(QStringLiteral("&Sound"));
    sound1->setObjectName(QStringLiteral("sound1"));
    suara1[0] = addChoice(*sound1, "suara1", QStringLiteral("&Make me mad !!"), 1, &Game::suara1_Click);
    suara1[1] = addChoice(*sound1, "suara1", QStringLiteral("&Keep silent.."), 2, &Game::suara1_Click);
    level1[0]->setChecked(true);
    suara1[0]->setChecked(true);

    QMenu* help1 = menuBar()->addMenu(QStringLiteral("&Help me !!"));
    help1->setObjectName(QStringLiteral("help1"));
    QAction* about1 = help1->addAction(QStringLiteral("&About me ??"));
    about1->setObjectName(QStringLiteral("about1"));
    connect(about1, &QAction::triggered, this, [this] { logic.about1_Click(); });
}

// An item of a menu control array. Its check mark belongs to the game's handler:
// the toggle Qt makes on a click is taken back before the handler runs.
QAction* Form1::addChoice(QMenu& menu, const char* array, const QString& caption, std::int16_t index,
                          void (Game::*handler)(std::int16_t))
{
    QAction* item = menu.addAction(caption);
    item->setObjectName(QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index));
    item->setCheckable(true);
    connect(item, &QAction::triggered, this, [this, item, index, handler](bool checked) {
        {
            const QSignalBlocker blocker(item);
            item->setChecked(!checked);
        }
        (logic.*handler)(index);
    });
    return item;
}

QAction& Form1::menuItem(MenuArray menu, std::int16_t index) const
{
    const auto& items = menu == MenuArray::level1 ? level1 : suara1;
    return *items[static_cast<std::size_t>(index - 1)];
}

// Closing through the title bar asks nothing: the picture windows go with the main
// window and the program ends there, so nothing the closing interrupted (a handler
// waiting inside a sound) can go on and show a window again.
void Form1::closeEvent(QCloseEvent* event)
{
    logic.Form_Unload();
    toolkit.endProgram();
    QMainWindow::closeEvent(event);
}

} // namespace gelumpa
