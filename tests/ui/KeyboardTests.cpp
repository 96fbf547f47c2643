// Protects the board for a player without a mouse or without sight: the cursor's keys and
// their one road into the game, the cursor's ring at the screen's ratio (plain on white and
// on blue, never over a ball pixel, never seen by a mouse player), and the table and the
// counters a screen reader reads, in the player's language.
#include <QAccessible>
#include <QKeyEvent>
#include <QLocale>
#include <QTest>

#include "UiTestGroups.h"
#include "tests/support/MainWindowDriver.h"
#include "tests/support/PiecePicture.h"
#include "tests/support/ReaderWords.h"

namespace gelumpa::test {

namespace {
// The words a reader speaks in the language the test runs in; the game's own captions stay.
const e2e::ReaderWords& readerWords()
{
    return QLocale::system().language() == QLocale::Indonesian ? e2e::indonesianWords : e2e::englishWords;
}

void press(QWidget& target, Qt::Key key, Qt::KeyboardModifiers modifiers = {}, bool repeated = false)
{
    QKeyEvent event(QEvent::KeyPress, key, modifiers, QString(), repeated);
    QApplication::sendEvent(&target, &event);
}

// The ring on a cell of the board's grab drawn with a picture: black on its outermost logical
// pixel, white on the next one except where the picture has its ball, every other pixel as the
// picture has it. Without the ring, every pixel is the picture's.
QString ringMismatch(MainWindow& mainWindow, int cell, const QImage& picture, QRgb background, bool ringShown = true)
{
    const QImage board = mainWindow.board().grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal ratio = board.devicePixelRatio();
    const QRect logical = BoardView::cellRect(cell);
    const QImage square = board.copy(QRect(logical.topLeft() * ratio, logical.size() * ratio));
    const int side = square.width();
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const int ring = std::min({x, y, side - 1 - x, side - 1 - y}) / (side / 32);
            const QRgb drawn = picture.pixel(x * picture.width() / side, y * picture.height() / side);
            QRgb expected = drawn;
            if (ringShown && ring == 0)
                expected = qRgb(0, 0, 0);
            else if (ringShown && ring == 1 && drawn == background)
                expected = qRgb(255, 255, 255);
            if (square.pixel(x, y) != expected)
                return QStringLiteral("pixel %1,%2 is %3, not %4").arg(x).arg(y).arg(square.pixel(x, y), 0, 16).arg(expected, 0, 16);
        }
    }
    return {};
}
} // namespace

class KeyboardTests : public MainWindowTestGroup {
    Q_OBJECT

    BoardView& board() { return mainWindow->board(); }

    // A counter of the panel as a reader finds it: its caption by the label relation, its value by its name.
    QStringList readCounter(const char* name)
    {
        QAccessibleInterface* counter = QAccessible::queryAccessibleInterface(mainWindow->findChild<QLabel*>(name));
        const auto captions = counter->relations(QAccessible::Label);
        return {captions.isEmpty() ? QString() : captions.first().first->text(QAccessible::Name), counter->text(QAccessible::Name)};
    }
    const GameState& state() const { return mainWindow->game().gameState(); }

    // Walks the cursor to a cell from the start of its row, with Home and arrows alone.
    void walkTo(int cell)
    {
        press(board(), Qt::Key_Home);
        while (rowOf(board().cursorCell()) != rowOf(cell))
            press(board(), rowOf(board().cursorCell()) < rowOf(cell) ? Qt::Key_Down : Qt::Key_Up);
        while (board().cursorCell() != cell)
            press(board(), columnOf(board().cursorCell()) < columnOf(cell) ? Qt::Key_Right : Qt::Key_Left);
    }

private slots:
    void init()
    {
        QVERIFY(showFreshWindow());
        QVERIFY(QTest::qWaitForWindowActive(mainWindow.get()));
    }
    void cleanup() { mainWindow.reset(); }

    void theCursorMovesByOneCellStopsAtTheEdgesAndIgnoresModifiedKeys()
    {
        item("newGameItem").trigger();
        QVERIFY(board().hasFocus());
        QCOMPARE(board().cursorCell(), 1);
        QVERIFY(!board().cursorShown());
        press(board(), Qt::Key_Left);
        press(board(), Qt::Key_Up);
        QCOMPARE(board().cursorCell(), 1);
        QVERIFY(board().cursorShown());
        for (int step = 0; step < 12; ++step)
            press(board(), Qt::Key_Right, {}, step > 0);
        QCOMPARE(board().cursorCell(), 10);
        for (int step = 0; step < 12; ++step)
            press(board(), Qt::Key_Down, {}, step > 0);
        QCOMPARE(board().cursorCell(), 100);
        press(board(), Qt::Key_Home);
        press(board(), Qt::Key_Left);
        QCOMPARE(board().cursorCell(), 91);
        press(board(), Qt::Key_Up, Qt::KeypadModifier);
        QCOMPARE(board().cursorCell(), 81);
        press(board(), Qt::Key_End);
        QCOMPARE(board().cursorCell(), 90);
        for (const auto modifier : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier, Qt::MetaModifier})
            for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Home, Qt::Key_Space, Qt::Key_Return})
                press(board(), key, modifier);
        QCOMPARE(board().cursorCell(), 90);
        QCOMPARE(state().anchorCell, 0);
    }

    // The keys can reach the main window while Qt counts no window active: on X11 when they
    // come while a question is open and the question goes. The menus' access keys work then too.
    void theMenusAnswerTheirKeysWhenTheKeysComeToAWindowQtCountsInactive()
    {
        auto question = std::make_unique<QWidget>();
        question->show();
        question->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(question.get()));
        question.reset();
        QVERIFY(QGuiApplication::focusWindow() == nullptr && QApplication::activeWindow() == nullptr);
        press(board(), Qt::Key_Alt, Qt::AltModifier);
        QTest::keyClick(&board(), Qt::Key_G, Qt::AltModifier);
        QVERIFY(QApplication::activePopupWidget() != nullptr);
        QApplication::activePopupWidget()->close();
    }

    // Space and Return as the real process gets them are proven by the keyboard-only game.
    void heldKeysRepeatNoClickAndEnterActsAsReturn()
    {
        item("newGameItem").trigger();
        const int cell = removableCell(state());
        walkTo(cell);
        press(board(), Qt::Key_Space);
        QCOMPARE(state().anchorCell, cell);
        press(board(), Qt::Key_Space, {}, true);
        press(board(), Qt::Key_Return, {}, true);
        QCOMPARE(state().score, 0);
        const int groupSize = state().selectionCount;
        press(board(), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(state().score, groupSize);
        QCOMPARE(board().cursorCell(), cell);
        QVERIFY(board().cursorShown());
    }

    void theRingIsPlainOnWhiteAndOnBlueLeavesTheBallAndGoesWithAClick()
    {
        item("newGameItem").trigger();
        item("newGameItem").trigger();
        // A new game keeps the cursor hidden until a board key.
        QVERIFY(!board().cursorShown());
        const int cell = removableCell(state());
        walkTo(cell);
        const auto picture = [kind = state().kind(cell)](bool highlighted) { return e2e::piecePicture(kind, highlighted); };
        QCOMPARE(ringMismatch(*mainWindow, cell, picture(false), qRgb(255, 255, 255)), QString());
        press(board(), Qt::Key_Space);
        QCOMPARE(ringMismatch(*mainWindow, cell, picture(true), qRgb(0, 0, 255)), QString());
        // A "No" keeps the cursor where it is, and shown.
        const auto seen = answerNextBox(QMessageBox::No);
        item("nightmareItem").trigger();
        QVERIFY(seen->shown);
        QCOMPARE(board().cursorCell(), cell);
        QVERIFY(board().cursorShown());

        clickCell(*mainWindow, 45);
        QCOMPARE(board().cursorCell(), 45);
        QVERIFY(!board().cursorShown());
        QCOMPARE(ringMismatch(*mainWindow, cell, picture(state().marked(cell)), 0, false), QString());
    }

    void aScreenReaderReadsATableOfNamedCellsWithTheMarkedGroupSelectedAndEachCounterByItsCaption()
    {
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&board());
        QVERIFY(table != nullptr && table->tableInterface() != nullptr);
        QCOMPARE(table->role(), QAccessible::Table);
        QCOMPARE(table->text(QAccessible::Name), QString::fromUtf8(readerWords().board));
        QCOMPARE(QList<int>({table->childCount(), table->tableInterface()->rowCount(), table->tableInterface()->columnCount()}),
                 QList<int>({100, 10, 10}));

        item("newGameItem").trigger();
        QCOMPARE(readCounter("scoreLabel"), QStringList({"Score :", " 0"}));
        walkTo(removableCell(state()));
        press(board(), Qt::Key_Space);
        press(board(), Qt::Key_Space);
        walkTo(removableCell(state()));
        press(board(), Qt::Key_Space);
        for (int i = 1; i <= cellCount; ++i) {
            QAccessibleInterface* shown = table->tableInterface()->cellAt(rowOf(i) - 1, columnOf(i) - 1);
            QCOMPARE(table->indexOfChild(shown), i - 1);
            QCOMPARE(shown->text(QAccessible::Name), QString::fromUtf8(readerWords().pictures[state().kind(i)]));
            QCOMPARE(shown->state().selected, state().marked(i));
            QCOMPARE(QPoint(shown->tableCellInterface()->columnIndex(), shown->tableCellInterface()->rowIndex()),
                     QPoint(columnOf(i) - 1, rowOf(i) - 1));
        }
        QCOMPARE(table->tableInterface()->selectedCellCount(), state().selectionCount);
        QAccessibleInterface* focused = table->focusChild();
        QCOMPARE(focused, table->child(board().cursorCell() - 1));
        QVERIFY(focused->state().focused);
        QCOMPARE(focused->text(QAccessible::Description),
                 QString::fromUtf8(readerWords().place).arg(rowOf(board().cursorCell())).arg(columnOf(board().cursorCell())));

        const QString score = QString::number(state().score), size = QString::number(state().selectionCount);
        QCOMPARE(readCounter("scoreLabel"), QStringList({"Score :", " " + score}));
        QCOMPARE(readCounter("groupSizeLabel"), QStringList({"Select :", " " + size}));
        QCOMPARE(readCounter("levelLabel"), QStringList({"Level :", "Piece of Tokay"}));
        item("aboutItem").trigger();
        QVERIFY(shownWindows("About MyApp").first()->accessibleDescription().contains("Written by the Orvane team"));
    }
};

int runKeyboardTests(int argc, char** argv)
{
    KeyboardTests tests;
    return QTest::qExec(&tests, argc, argv);
}

} // namespace gelumpa::test

#include "KeyboardTests.moc"
