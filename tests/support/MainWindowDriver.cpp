// The main window driven in process; see MainWindowDriver.h.
#include "tests/support/MainWindowDriver.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "tests/support/StateBoard.h"

namespace gelumpa::test {

namespace {
QPoint cellCentre(int cell)
{
    return BoardView::cellRect(cell).center();
}
} // namespace

QImage grabClient(const MainWindow& mainWindow)
{
    return mainWindow.centralWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QString boardMismatch(const MainWindow& mainWindow, std::optional<e2e::Board> expected)
{
    if (!expected) {
        const GameState& state = mainWindow.game().gameState();
        expected.emplace();
        for (int i = 1; i <= cellCount; ++i) {
            expected->kind[static_cast<std::size_t>(i)] = state.kind(i);
            expected->highlighted[static_cast<std::size_t>(i)] = state.marked(i) != 0;
        }
    }
    const QImage client = grabClient(mainWindow);
    const std::vector<int> wrong = e2e::cellsNotDrawnExactly(client, {}, *expected);
    if (wrong.empty())
        return {};
    const std::string shown = e2e::describe(e2e::readBoard(client, {}));
    return QStringLiteral("cell %1 is not drawn as expected; expected, then shown:\n%2\n%3")
        .arg(wrong.front())
        .arg(QString::fromStdString(e2e::describe(*expected)), QString::fromStdString(shown));
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
        for (const auto standard : {QMessageBox::Ok, QMessageBox::Cancel, QMessageBox::Yes, QMessageBox::No})
            if (const QAbstractButton* button = box->button(standard))
                seen->buttons << button->text();
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
