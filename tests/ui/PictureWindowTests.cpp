// Protects the two picture windows: one instance each, shown beside a usable main
// window, gone on a click, fresh on the next opening, and taken along when the main
// window closes.
#include <memory>

#include <QPointer>
#include <QTest>

#include "UiTestGroups.h"
#include "tests/support/MainWindowDriver.h"

namespace gelumpa::test {

namespace {
const QString aboutTitle = QStringLiteral("About MyApp");
const QString endTitle = QStringLiteral("Form2");

void letDeletionsRun()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
} // namespace

class PictureWindowTests : public MainWindowTestGroup {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(showFreshWindow());
    }
    void cleanup() { mainWindow.reset(); }

    void theAboutCommandTwiceShowsOneFramelessCreditsWindowBesideAUsableMainWindow()
    {
        item("aboutItem").trigger();
        item("aboutItem").trigger();
        const QList<QWidget*> shown = shownWindows(aboutTitle);
        QCOMPARE(shown.size(), 1);
        QWidget* about = shown.first();
        QCOMPARE(about->size(), QSize(363, 215));
        QCOMPARE(about->minimumSize(), about->maximumSize());
        QVERIFY(about->windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(about->windowIcon().isNull());
        QVERIFY(qAbs(about->geometry().center().x() - mainWindow->frameGeometry().center().x()) <= 1);
        QVERIFY(qAbs(about->geometry().center().y() - mainWindow->frameGeometry().center().y()) <= 1);
        QCOMPARE(about->grab().toImage().convertToFormat(QImage::Format_RGB32),
                 QImage(QStringLiteral(":/pictures/credits.png")).convertToFormat(QImage::Format_RGB32));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        item("newGameItem").trigger();
        QCOMPARE(mainWindow->game().gameState().gameOver, false);
    }

    void aClickAnywhereClosesTheWindowAndTheNextCommandMakesAFreshOne()
    {
        item("aboutItem").trigger();
        QPointer<QWidget> first = shownWindows(aboutTitle).first();
        QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(362, 214));
        QVERIFY(shownWindows(aboutTitle).isEmpty());
        // Opened again before the old one has been deleted: a new window all the same.
        item("aboutItem").trigger();
        const QList<QWidget*> shown = shownWindows(aboutTitle);
        QCOMPARE(shown.size(), 1);
        QVERIFY(shown.first() != first);
        letDeletionsRun();
        QVERIFY(first.isNull());
        QCOMPARE(shownWindows(aboutTitle).size(), 1);
    }

    void theEndOfAGameShowsOneEndWindowThatOutlivesNewGamesUntilClicked()
    {
        item("newGameItem").trigger();
        QVERIFY(playToTheEnd(*mainWindow));
        QList<QWidget*> shown = shownWindows(endTitle);
        QCOMPARE(shown.size(), 1);
        QWidget* end = shown.first();
        QCOMPARE(end->size(), QSize(381, 241));
        QVERIFY(end->windowFlags().testFlag(Qt::FramelessWindowHint));
        const QImage drawn = end->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage picture = QImage(QStringLiteral(":/pictures/end.png")).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(drawn.copy(0, 0, 375, 241), picture);
        for (int y = 0; y < 241; y += 40)
            QCOMPARE(drawn.pixel(378, y), qRgb(255, 255, 255));

        // A new game is playable at once and the window stays; its next end shows the
        // same window again.
        item("newGameItem").trigger();
        QVERIFY(playToTheEnd(*mainWindow));
        shown = shownWindows(endTitle);
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first(), end);

        // The white strip at the right edge closes it like the picture does.
        QTest::mouseClick(end, Qt::LeftButton, {}, QPoint(378, 120));
        QVERIFY(shownWindows(endTitle).isEmpty());
    }

    void closingTheMainWindowAsksNothingAndTakesBothPictureWindowsAlong()
    {
        item("newGameItem").trigger();
        QVERIFY(playToTheEnd(*mainWindow));
        item("aboutItem").trigger();
        QPointer<QWidget> end = shownWindows(endTitle).first();
        QPointer<QWidget> about = shownWindows(aboutTitle).first();
        const auto seen = answerNextBox(QMessageBox::Cancel);
        QVERIFY(mainWindow->close());
        QCoreApplication::processEvents();
        QVERIFY(!seen->shown);
        QCOMPARE(exits, 1);
        QVERIFY(shownWindows(endTitle).isEmpty() && shownWindows(aboutTitle).isEmpty());
        letDeletionsRun();
        QVERIFY(end.isNull() && about.isNull());
    }
};

int runPictureWindowTests(int argc, char** argv)
{
    PictureWindowTests tests;
    return QTest::qExec(&tests, argc, argv);
}

} // namespace gelumpa::test

#include "PictureWindowTests.moc"
