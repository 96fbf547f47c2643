// The ui tests' helpers.
#include "UiTestSupport.h"

#include <array>

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "tests/support/StateBoard.h"

namespace gelumpa::test {

namespace {
constexpr QPoint boardOrigin(24, 16);

struct BallColour {
    QRgb rgb;
    int kind;
};
constexpr std::array ballColours{
    BallColour{qRgb(220, 174, 80), 1}, BallColour{qRgb(0, 255, 0), 2},     BallColour{qRgb(255, 0, 0), 3},
    BallColour{qRgb(140, 242, 237), 4}, BallColour{qRgb(0, 255, 255), 4}, BallColour{qRgb(255, 0, 255), 5},
};

QPoint cellCentre(int cell)
{
    return BoardView::cellRect(cell).center();
}
} // namespace

QImage grabClient(const MainWindow& mainWindow)
{
    return mainWindow.centralWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

CellLook lookOf(const QImage& client, int cell)
{
    const QPoint corner = boardOrigin + BoardView::cellRect(cell).topLeft();
    const QRgb ball = client.pixel(corner + QPoint(16, 20));
    const QRgb ground = client.pixel(corner);
    CellLook look;
    look.highlighted = ground == qRgb(0, 0, 255);
    for (const auto& colour : ballColours)
        if (colour.rgb == ball)
            look.kind = colour.kind;
    return look;
}

QString boardMismatch(const MainWindow& mainWindow)
{
    const GameState& state = mainWindow.game().gameState();
    const QImage client = grabClient(mainWindow);
    for (int i = 1; i <= cellCount; ++i) {
        const CellLook expected{state.kind(i), state.marked(i) != 0};
        const CellLook shown = lookOf(client, i);
        if (!(shown == expected))
            return QStringLiteral("cell %1 shows kind %2%3, state has kind %4%5")
                .arg(i)
                .arg(shown.kind)
                .arg(shown.highlighted ? " highlighted" : "")
                .arg(expected.kind)
                .arg(expected.highlighted ? " marked" : "");
    }
    return {};
}

void clickCell(MainWindow& mainWindow, int cell)
{
    QTest::mouseClick(&mainWindow.board(), Qt::LeftButton, {}, cellCentre(cell));
}

void postClick(MainWindow& mainWindow, int cell)
{
    BoardView* board = &mainWindow.board();
    const QPointF at = cellCentre(cell);
    const QPointF global = board->mapToGlobal(at);
    for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        QCoreApplication::postEvent(
            board, new QMouseEvent(type, at, global, Qt::LeftButton,
                                   type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier));
}

bool sameBoard(const GameState& a, const GameState& b)
{
    for (int i = 1; i <= cellCount; ++i)
        if (a.kind(i) != b.kind(i) || a.marked(i) != b.marked(i))
            return false;
    return true;
}

int removableCell(const GameState& state) { return model::removableCell(model::kindsOf(state)); }

bool playToTheEnd(MainWindow& mainWindow)
{
    const GameState& state = mainWindow.game().gameState();
    if (state.gameOver)
        return false;
    for (int removal = 0; removal < cellCount && !state.gameOver; ++removal) {
        const int cell = removableCell(state);
        if (cell == 0)
            return false;
        if (state.anchorCell == 0 || state.marked(cell) == 0)
            clickCell(mainWindow, cell);
        clickCell(mainWindow, cell);
    }
    return state.gameOver;
}

std::shared_ptr<SeenBox> answerNextBox(QMessageBox::StandardButton answer)
{
    auto seen = std::make_shared<SeenBox>();
    QTimer::singleShot(0, [seen, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        seen->shown = true;
        seen->title = box->windowTitle();
        seen->text = box->text();
        seen->icon = box->icon();
        seen->buttons = box->standardButtons();
        if (QAbstractButton* button = box->button(answer))
            button->click();
        else
            box->reject();
    });
    return seen;
}

QList<QWidget*> shownWindows(const QString& title)
{
    QList<QWidget*> found;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->windowTitle() == title)
            found.append(window);
    return found;
}

bool MainWindowTestGroup::showFreshWindow()
{
    exits = 0;
    mainWindow = std::make_unique<MainWindow>([this] { ++exits; });
    mainWindow->show();
    return QTest::qWaitForWindowExposed(mainWindow.get());
}

} // namespace gelumpa::test
