// The main window's layout, its menu tree and the forwarding of its events.
#include "ui/MainWindow.h"

#include <algorithm>

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMoveEvent>
#include <QPalette>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>

#include "core/DesignState.h"
#include "ui/BoardAccessible.h"
#include "ui/BoardFrame.h"

namespace gelumpa {

namespace {
constexpr Qt::WindowFlags mainWindowFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
    | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

// A level's menu item is captioned with its name, its first letter the access key.
QString levelCaption(Level level)
{
    return QLatin1Char('&') + QString::fromUtf8(levelName(level));
}
} // namespace

MainWindow::MainWindow(ProgramEnd programEnd, PieceSet pieceSet)
    : QMainWindow(nullptr, mainWindowFlags), stores(pieceSet), program(std::move(programEnd))
{
    setWindowTitle(QStringLiteral("Gelumpa Dravenik 1.0"));
    buildClientArea();
    buildMenus();
    program.prepareSoundAfterFirstPaint(*boardView);
    gameWindows = std::make_unique<GameWindows>(GameWindows::Widgets{*this, *boardView, stores, *panel, checkedItems});
    logic = std::make_unique<Game>(*gameWindows, *gameWindows, chance, program);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    centreOnScreen();
}

// Qt deletes the child widgets only after the members have gone, but the board's cells point
// into the piece stores and its first-paint watcher at the sound output: the widgets go first,
// after the game and its windows, which point at them.
MainWindow::~MainWindow()
{
    logic.reset();
    gameWindows.reset();
    delete takeCentralWidget();
}

// The frame counts: a window manager centres a framed window by its frame. On a screen
// smaller than the window the title bar and the menus stay within reach.
void MainWindow::centreOnScreen()
{
    const QRect available = screen()->availableGeometry();
    QRect place(QPoint(), frameGeometry().size());
    place.moveCenter(available.center());
    move(std::max(place.left(), available.left()), std::max(place.top(), available.top()));
}

// The window manager puts its frame around the window only once the window is shown, so
// the first centring knew nothing of the title bar; the first move that comes with the
// frame centres the window again, and later moves are the player's.
void MainWindow::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    if (!centredInFrame && frameGeometry().size() != size()) {
        centredInFrame = true;
        centreOnScreen();
    }
}

void MainWindow::buildClientArea()
{
    auto* client = new QWidget(this);
    client->setFixedSize(clientSize);
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, Qt::white);
    client->setPalette(palette);
    setCentralWidget(client);

    auto* frame = new BoardFrame(client);
    frame->setObjectName(QStringLiteral("boardFrame"));
    frame->setGeometry(16, 8, 337, 337);

    // Before the board exists: a reader asks for its table from the first moment.
    QAccessible::installFactory(makeBoardAccessible);
    boardView = new BoardView(client);
    boardView->setObjectName(QStringLiteral("board"));
    boardView->move(24, 16);
    // Until the first game, the window shows its design state.
    for (int cell = 1; cell <= cellCount; ++cell)
        boardView->showPiece(cell, stores.entry(designState::pieceKind, PieceLook::Normal), designState::pieceKind,
                             PieceLook::Normal);
    connect(boardView, &BoardView::cellClicked, this, [this](int cell) { logic->clickCell(cell); });

    panel = new StatusPanel(client);
    panel->setGeometry(16, 352, 337, 41);
    // The keys are the board's whenever the window is active; the menus keep their access keys.
    boardView->setFocus();
}

void MainWindow::buildMenus()
{
    // A real widget menu bar, so accessibility tools read its captions and marks.
    menuBar()->setNativeMenuBar(false);

    QMenu* gameMenu = menuBar()->addMenu(QStringLiteral("&Game Menu"));
    gameMenu->setObjectName(QStringLiteral("gameMenu"));
    QAction* newGame = gameMenu->addAction(QStringLiteral("&Random gelumpa"));
    newGame->setObjectName(QStringLiteral("newGameItem"));
    connect(newGame, &QAction::triggered, this, [this] { logic->newGame(); });
    QAction* leave = gameMenu->addAction(QStringLiteral("&XXXit to real world"));
    leave->setObjectName(QStringLiteral("leaveItem"));
    connect(leave, &QAction::triggered, this, [this] { logic->askToLeave(); });

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Game Options"));
    options->setObjectName(QStringLiteral("optionsMenu"));
    QMenu* levels = options->addMenu(QStringLiteral("&Level"));
    levels->setObjectName(QStringLiteral("levelMenu"));
    checkedItems[indexOf(MenuItem::PieceOfTokay)] = addChoice(*levels, "pieceOfTokayItem", levelCaption(Level::PieceOfTokay),
                                                           &Game::chooseLevel, Level::PieceOfTokay);
    checkedItems[indexOf(MenuItem::Nightmare)] =
        addChoice(*levels, "nightmareItem", levelCaption(Level::Nightmare), &Game::chooseLevel, Level::Nightmare);
    QMenu* sound = options->addMenu(QStringLiteral("&Sound"));
    sound->setObjectName(QStringLiteral("soundMenu"));
    checkedItems[indexOf(MenuItem::SoundOn)] =
        addChoice(*sound, "soundOnItem", QStringLiteral("&Make me mad !!"), &Game::setSoundOn, true);
    checkedItems[indexOf(MenuItem::SoundOff)] =
        addChoice(*sound, "soundOffItem", QStringLiteral("&Keep silent.."), &Game::setSoundOn, false);
    for (const MenuItem item : every<MenuItem>)
        menuItem(item).setChecked(designState::checked(item));

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help me !!"));
    for (QMenu* menu : {gameMenu, options, help})
        handKeysBackAfter(*menu);
    help->setObjectName(QStringLiteral("helpMenu"));
    QAction* about = help->addAction(QStringLiteral("&About me ??"));
    about->setObjectName(QStringLiteral("aboutItem"));
    connect(about, &QAction::triggered, this, [this] { logic->showCredits(); });
}

// A menu left with Escape leaves the menu bar holding the keys with nothing drawn to show it,
// so the next arrow would wander through the menus unseen: once no menu is open any more, the
// keys go back to the board.
void MainWindow::handKeysBackAfter(QMenu& menu)
{
    connect(&menu, &QMenu::aboutToHide, this, [this] {
        QTimer::singleShot(0, boardView, [this] {
            if (QApplication::activePopupWidget() == nullptr)
                boardView->setFocus();
        });
    });
}

// An item of an exclusive pair. Its check mark belongs to the game's handler: the
// toggle Qt makes on a click is taken back before the handler runs.
template <typename Choice>
QAction* MainWindow::addChoice(QMenu& menu, const char* name, const QString& caption, void (Game::*handler)(Choice),
                               Choice choice)
{
    QAction* item = menu.addAction(caption);
    item->setObjectName(QLatin1String(name));
    item->setCheckable(true);
    connect(item, &QAction::triggered, this, [this, item, handler, choice](bool checked) {
        {
            const QSignalBlocker blocker(item);
            item->setChecked(!checked);
        }
        ((*logic).*handler)(choice);
    });
    return item;
}

// Closing through the title bar asks nothing: the picture windows go with the main
// window and the program ends there, as the exit command ends it (see ProgramEnd.cpp).
void MainWindow::closeEvent(QCloseEvent* event)
{
    logic->closeWindows();
    program.endProgram();
    QMainWindow::closeEvent(event);
}

} // namespace gelumpa
