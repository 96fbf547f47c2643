// Protects the game against events handled inside a sound: clicks, the about command and
// the window's close or the exit that wait while a sound starts run nested in the handler,
// and the player is left with a consistent game, drawn as it is, or a program ended at once.
// What nested new games and level changes do to the game the rules tests prove.
#include <QProcess>
#include <QTest>

#include "UiTestGroups.h"
#include "tests/support/MainWindowDriver.h"
#include "tests/support/MovePicker.h"
#include "tests/support/Seed.h"
#include "tests/support/StateBoard.h"

namespace gelumpa::test {

class ReentryTests : public MainWindowTestGroup {
    Q_OBJECT

    const GameState& state() const { return mainWindow->game().gameState(); }

    // The board is one the rules can leave and every cell shows what the state says.
    QString inconsistency() const
    {
        const auto illegal = model::illegalities(model::kindsOf(state()), model::marksOf(state()));
        return illegal.empty() ? boardMismatch(*mainWindow) : QString::fromStdString(illegal.front());
    }

private slots:
    void init()
    {
        QVERIFY(showFreshWindow());
        item("newGameItem").trigger();
    }
    void cleanup() { mainWindow.reset(); }

    void clicksWaitingDuringASoundRunInsideItAndLeaveAConsistentBoard()
    {
        const std::uint32_t seed = model::seedOr(20031207);
        model::MovePicker clicks({.acts = {1}}, seed);
        for (int round = 0; round < 60 && !state().gameOver; ++round) {
            for (int waiting = 0; waiting < 3; ++waiting)
                postClick(*mainWindow, clicks.next()->argument);
            clickCell(*mainWindow, removableCell(state()));
            const QString problem = inconsistency();
            if (!problem.isEmpty())
                QFAIL(qPrintable(QStringLiteral("%1, round %2: %3").arg(QString::fromStdString(model::seedNote(seed))).arg(round).arg(problem)));
        }
    }

    void anAboutCommandWaitingDuringTheEndSoundStillLeavesOneOfEachWindow()
    {
        item("aboutItem").trigger();
        while (!state().gameOver) {
            const int cell = removableCell(state());
            clickCell(*mainWindow, cell);
            QMetaObject::invokeMethod(&item("aboutItem"), &QAction::trigger, Qt::QueuedConnection);
            clickCell(*mainWindow, cell);
        }
        QCOMPARE(shownWindows(QStringLiteral("About MyApp")).size(), 1);
        QCOMPARE(shownWindows(QStringLiteral("Form2")).size(), 1);
    }

    // The real end of the program, in a child process: nothing of the handler that
    // was waiting inside the sound may go on, and the process ends with status 0.
    void anExitOrCloseWaitingDuringASoundEndsTheProcessAtOnce_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::newRow("window closed during the mark sound") << QStringLiteral("close-during-mark");
        QTest::newRow("window closed during the removal sound") << QStringLiteral("close-during-removal");
        QTest::newRow("exit confirmed during the mark sound") << QStringLiteral("exit-during-mark");
    }
    void anExitOrCloseWaitingDuringASoundEndsTheProcessAtOnce()
    {
        QFETCH(QString, scenario);
        QProcess child;
        child.start(QStringLiteral(GELUMPA_EXIT_SCENARIO), {scenario});
        QVERIFY(child.waitForFinished(20000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.readAllStandardOutput(), QByteArray());
        QCOMPARE(child.exitCode(), 0);
    }
};

int runReentryTests(int argc, char** argv)
{
    ReentryTests tests;
    return QTest::qExec(&tests, argc, argv);
}

} // namespace gelumpa::test

#include "ReentryTests.moc"
