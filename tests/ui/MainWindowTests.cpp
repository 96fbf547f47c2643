// Protects the main window as the player meets it: its design state and layout, the
// menu tree, and what each command does to the cells, the labels and the check marks. The
// captions, titles, questions and buttons are the game's own in every language.
#include <memory>

#include <QMenuBar>
#include <QTest>

#include "UiTestGroups.h"
#include "core/DesignState.h"
#include "tests/support/MainWindowDriver.h"

namespace gelumpa::test {

class MainWindowTests : public MainWindowTestGroup {
    Q_OBJECT

    QString value(StatusLabel label) const { return mainWindow->label(label).text(); }
    const GameState& state() const { return mainWindow->game().gameState(); }

private slots:
    void init()
    {
        QVERIFY(showFreshWindow());
    }
    void cleanup() { mainWindow.reset(); }

    void theWindowOpensInItsDesignState()
    {
        QCOMPARE(mainWindow->windowTitle(), QStringLiteral("Gelumpa Dravenik 1.0"));
        QCOMPARE(mainWindow->centralWidget()->size(), QSize(367, 398));
        QCOMPARE(mainWindow->minimumSize(), mainWindow->maximumSize());
        const Qt::WindowFlags flags = mainWindow->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));

        QCOMPARE(boardMismatch(*mainWindow, e2e::designBoard()), QString());
        for (const StatusLabel label : every<StatusLabel>)
            QCOMPARE(value(label), QString::fromUtf8(designState::value(label)));
        for (const MenuItem menuItem : every<MenuItem>)
            QCOMPARE(mainWindow->menuItem(menuItem).isChecked(), designState::checked(menuItem));
        // The frame's and the panel's pixels are measured at every ratio by the HiDpi group.
        QCOMPARE(mainWindow->label(StatusLabel::Score).pos(), QPoint(48, 2));
        QCOMPARE(mainWindow->label(StatusLabel::Level).pos(), QPoint(120, 1));
        QCOMPARE(mainWindow->label(StatusLabel::GroupSize).pos(), QPoint(48, 16));
        QCOMPARE(mainWindow->findChild<QLabel*>(QStringLiteral("signature"))->pos(), QPoint(216, 8));
    }

    void theMenuBarHoldsTheDesignTree()
    {
        const auto captions = [](const QList<QAction*>& actions) {
            QStringList texts;
            for (const QAction* action : actions)
                texts << action->text();
            return texts;
        };
        const QList<QAction*> bar = mainWindow->menuBar()->actions();
        QCOMPARE(captions(bar), (QStringList{"&Game Menu", "&Game Options", "&Help me !!"}));
        QCOMPARE(captions(bar[0]->menu()->actions()), (QStringList{"&Random gelumpa", "&XXXit to real world"}));
        const QList<QAction*> options = bar[1]->menu()->actions();
        QCOMPARE(captions(options), (QStringList{"&Level", "&Sound"}));
        QCOMPARE(captions(options[0]->menu()->actions()), (QStringList{"&Piece of Tokay", "&Nightmare"}));
        QCOMPARE(captions(options[1]->menu()->actions()), (QStringList{"&Make me mad !!", "&Keep silent.."}));
        QCOMPARE(captions(bar[2]->menu()->actions()), (QStringList{"&About me ??"}));
        for (const QAction* action : mainWindow->findChildren<QAction*>()) {
            QVERIFY(action->shortcut().isEmpty());
            QVERIFY(action->isEnabled() && action->isVisible());
        }
    }

    // What a deal, a mark and a removal do to the board the rules tests prove; here the cells
    // must show it and the labels read it.
    void aNewGameShowsItsCellsWithTheCountersAtZeroAndClicksMarkAGroupInBlueThenRemoveAndScoreIt()
    {
        item("newGameItem").trigger();
        QCOMPARE(boardMismatch(*mainWindow), QString());
        QCOMPARE(value(StatusLabel::Score), QStringLiteral(" 0"));
        QCOMPARE(value(StatusLabel::GroupSize), QStringLiteral(" 0"));

        const int cell = removableCell(state());
        clickCell(*mainWindow, cell);
        const int size = state().selectionCount;
        QVERIFY(size >= 2);
        QCOMPARE(value(StatusLabel::GroupSize), QStringLiteral(" %1").arg(size));
        QCOMPARE(boardMismatch(*mainWindow), QString());

        clickCell(*mainWindow, cell);
        QCOMPARE(value(StatusLabel::Score), QStringLiteral(" %1").arg(size));
        QCOMPARE(value(StatusLabel::GroupSize), QStringLiteral(" %1").arg(size));
        QCOMPARE(boardMismatch(*mainWindow), QString());
    }

    // Qt takes the mark off a checked item on its click; the game's handler must keep it.
    void aLevelItemThatCarriesTheMarkKeepsItAndAsksNothing()
    {
        item("newGameItem").trigger();
        const auto seen = answerNextBox(QMessageBox::Yes);
        item("pieceOfTokayItem").trigger();
        QCoreApplication::processEvents();
        QVERIFY(!seen->shown);
        QVERIFY(item("pieceOfTokayItem").isChecked() && !item("nightmareItem").isChecked());
    }

    void theLevelQuestionAnsweredNoLeavesTheMarkTheLevelNameAndTheCells()
    {
        item("newGameItem").trigger();
        const auto seen = answerNextBox(QMessageBox::No);
        item("nightmareItem").trigger();
        QVERIFY(seen->shown);
        QCOMPARE(seen->text, QStringLiteral("Ehm, Are you sure to restart the game ??"));
        QCOMPARE(seen->title, QStringLiteral("Belon selesai udah mo yang lain.."));
        QCOMPARE(seen->icon, QMessageBox::NoIcon);
        QCOMPARE(seen->buttons, (QStringList{"&Yes", "&No"}));
        QVERIFY(item("pieceOfTokayItem").isChecked() && !item("nightmareItem").isChecked());
        QCOMPARE(value(StatusLabel::Level), QStringLiteral("Piece of Tokay"));
        QCOMPARE(boardMismatch(*mainWindow), QString());
    }

    void answeringYesMovesTheMarkAndDealsAtTheNewLevel()
    {
        item("newGameItem").trigger();
        clickCell(*mainWindow, removableCell(state()));
        clickCell(*mainWindow, state().anchorCell);
        answerNextBox(QMessageBox::Yes);
        item("nightmareItem").trigger();
        QVERIFY(!item("pieceOfTokayItem").isChecked() && item("nightmareItem").isChecked());
        QCOMPARE(value(StatusLabel::Level), QStringLiteral("Nightmare"));
        QCOMPARE(value(StatusLabel::Score), QStringLiteral(" 0"));
        QCOMPARE(boardMismatch(*mainWindow), QString());
    }

    void theSoundItemsAlwaysShowExactlyOneMark()
    {
        item("soundOffItem").trigger();
        QVERIFY(!item("soundOnItem").isChecked() && item("soundOffItem").isChecked());
        item("soundOffItem").trigger();
        QVERIFY(!item("soundOnItem").isChecked() && item("soundOffItem").isChecked());
        item("soundOnItem").trigger();
        QVERIFY(item("soundOnItem").isChecked() && !item("soundOffItem").isChecked());
    }

    void theExitQuestionCancelledKeepsTheGameConfirmedEndsTheProgram()
    {
        item("newGameItem").trigger();
        clickCell(*mainWindow, removableCell(state()));
        const auto seen = answerNextBox(QMessageBox::Cancel);
        item("leaveItem").trigger();
        QCOMPARE(seen->text, QStringLiteral("Si Kumbel makan burket bakar, apa benar ente mo keluar ??"));
        QCOMPARE(seen->title, QStringLiteral("I will miss u, honey !!"));
        QCOMPARE(seen->icon, QMessageBox::NoIcon);
        QCOMPARE(seen->buttons, (QStringList{"OK", "Cancel"}));
        QCOMPARE(exits, 0);
        QCOMPARE(boardMismatch(*mainWindow), QString());

        answerNextBox(QMessageBox::Ok);
        item("leaveItem").trigger();
        QCOMPARE(exits, 1);
    }
};

int runMainWindowTests(int argc, char** argv)
{
    MainWindowTests tests;
    return QTest::qExec(&tests, argc, argv);
}

} // namespace gelumpa::test

#include "MainWindowTests.moc"
