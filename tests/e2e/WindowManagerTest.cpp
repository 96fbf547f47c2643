// The three windows as the window manager reports them: title, size, border, title-bar
// buttons, icon, place at start and task bar, read from the X properties and the screen; and
// the picture windows beside the game: the end window after a whole game played on screen,
// the about window once however often asked, each gone on a click.
#include "tests/support/ExpectedPlay.h"
#include "tests/support/GameFixture.h"
#include "tests/support/PiecePicture.h"
#include "tests/support/Waiting.h"

#include <QRegularExpression>

namespace e2e {
namespace {

// Protects what the widgets can get right in process while the window manager is told
// otherwise: an icon a window inherits from its owner, a centre worked out before the
// frame around the window was known, a click that a real picture window does not take.
class WindowManager : public GameFixture {
protected:
    // An atom list property ("_NET_WM_STATE(ATOM) = A, B") as its atom names.
    QStringList atoms(WindowId window, const QString& name);
    // The title the window manager shows for the window.
    void expectTitle(WindowId window, const QString& title);
    // The size hints pin the window to its size, so the window manager offers no resizing.
    void expectFixedSize(WindowId window, QSize size);
    void expectCentredOn(QRect window, QRect around);
    // Whether one of the window's icons is the program icon, pixel for pixel.
    bool showsProgramIcon(WindowId window);
    // A window that is one picture: no frame, no controls, not the program icon, centred on the
    // main window, the picture at its top left on a white ground.
    void expectPictureWindow(WindowId window, const QString& title, QSize size, const QString& picture);
};

// _MOTIF_WM_HINTS: flags, functions, decorations, input mode, status.
constexpr quint32 motifDecorationsGiven = 2;
constexpr quint32 motifTitle = 8;
constexpr quint32 motifMenu = 16;
constexpr quint32 motifMinimise = 32;
constexpr quint32 motifMaximise = 64;

QStringList WindowManager::atoms(WindowId window, const QString& name)
{
    const QString printed = desktop().property(window, name);
    const qsizetype equals = printed.indexOf(QLatin1String(" = "));
    if (equals < 0)
        return {};
    return printed.mid(equals + 3).split(QStringLiteral(", "), Qt::SkipEmptyParts);
}

void WindowManager::expectTitle(WindowId window, const QString& title)
{
    EXPECT_EQ(desktop().property(window, QStringLiteral("_NET_WM_VISIBLE_NAME")),
              QStringLiteral("_NET_WM_VISIBLE_NAME(UTF8_STRING) = \"%1\"").arg(title));
}

void WindowManager::expectFixedSize(WindowId window, QSize size)
{
    const QString hints = desktop().property(window, QStringLiteral("WM_NORMAL_HINTS"));
    const auto hinted = [&hints](const char* which) {
        const QRegularExpressionMatch match =
            QRegularExpression(QStringLiteral("program specified %1 size: (\\d+) by (\\d+)").arg(QLatin1String(which)))
                .match(hints);
        return QSize(match.captured(1).toInt(), match.captured(2).toInt());
    };
    EXPECT_EQ(hinted("minimum"), size) << hints.toStdString();
    EXPECT_EQ(hinted("maximum"), size) << hints.toStdString();
    const QStringList actions = atoms(window, QStringLiteral("_NET_WM_ALLOWED_ACTIONS"));
    EXPECT_FALSE(actions.contains(QStringLiteral("_NET_WM_ACTION_RESIZE"))) << actions.join(' ').toStdString();
    EXPECT_FALSE(actions.contains(QStringLiteral("_NET_WM_ACTION_MAXIMIZE"))) << actions.join(' ').toStdString();
}

// _NET_WM_ICON holds icon after icon: width, height, then the pixels as ARGB row by row.
bool WindowManager::showsProgramIcon(WindowId window)
{
    const QImage programIcon = QImage(QStringLiteral(":/icon/gelumpa-32.png")).convertToFormat(QImage::Format_ARGB32);
    const QList<quint32> icons = desktop().numbers(window, QStringLiteral("_NET_WM_ICON"));
    qsizetype at = 0;
    while (at + 2 <= icons.size()) {
        const QSize size(static_cast<int>(icons[at]), static_cast<int>(icons[at + 1]));
        const qsizetype pixels = static_cast<qsizetype>(size.width()) * size.height();
        if (at + 2 + pixels > icons.size())
            return false;
        bool same = size == programIcon.size();
        for (int y = 0; same && y < size.height(); ++y)
            for (int x = 0; same && x < size.width(); ++x)
                same = icons[at + 2 + y * size.width() + x] == programIcon.pixel(x, y);
        if (same)
            return true;
        at += 2 + pixels;
    }
    return false;
}

// Doubled coordinates, so an odd difference of sizes may leave the half pixel either way.
void WindowManager::expectCentredOn(QRect window, QRect around)
{
    EXPECT_LE(std::abs(2 * window.x() + window.width() - 2 * around.x() - around.width()), 1)
        << "window at x " << window.x() << " width " << window.width() << " within x " << around.x() << " width "
        << around.width();
    EXPECT_LE(std::abs(2 * window.y() + window.height() - 2 * around.y() - around.height()), 1)
        << "window at y " << window.y() << " height " << window.height() << " within y " << around.y() << " height "
        << around.height();
}

void WindowManager::expectPictureWindow(WindowId window, const QString& title, QSize size,
                                        const QString& picture)
{
    expectTitle(window, title);

    const QRect inside = desktop().geometry(window);
    EXPECT_EQ(inside.size(), size);
    EXPECT_EQ(desktop().frameGeometry(window), inside) << "the window manager framed the window";
    const QList<quint32> motif = desktop().numbers(window, QStringLiteral("_MOTIF_WM_HINTS"));
    ASSERT_EQ(motif.size(), 5) << "no _MOTIF_WM_HINTS: the window manager decorates the window as it likes";
    EXPECT_TRUE(motif[0] & motifDecorationsGiven);
    EXPECT_EQ(motif[2], 0u) << "decorations asked for";
    expectFixedSize(window, size);

    const QString tree = QString::fromLatin1(
        desktop().run(QStringLiteral("xwininfo"), {QStringLiteral("-children"), QStringLiteral("-id"),
                                                   QString::number(window)}).output);
    EXPECT_TRUE(tree.contains(QLatin1String(" 0 children."))) << tree.toStdString();

    // A window manager may give a window that names no icon one of its own, as openbox does.
    EXPECT_FALSE(showsProgramIcon(window)) << "the window has the program icon";

    expectCentredOn(inside, desktop().frameGeometry(game().mainWindow()));

    QImage expected(size, QImage::Format_RGB32);
    expected.fill(white);
    const QImage drawn = QImage(picture).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(drawn.isNull()) << picture.toStdString();
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            expected.setPixel(x, y, drawn.pixel(x, y));
    int wrong = 0;
    const bool shown = waitUntil(shortWait, [&] {
        const QImage screen = desktop().screenshot();
        wrong = 0;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                wrong += screen.pixel(inside.topLeft() + QPoint(x, y)) != expected.pixel(x, y) ? 1 : 0;
        return wrong == 0;
    });
    EXPECT_TRUE(shown) << wrong << " pixels differ from the picture at the top left of a white window";
}

TEST_F(WindowManager, framesTheMainWindowFixedWithTitleIconMinimiseAndCloseCentredOnTheScreenAndInTheTaskBar)
{
    const WindowId window = game().mainWindow();
    expectTitle(window, QStringLiteral("Gelumpa Dravenik 1.0"));

    // The client area's size and ground are the MainWindow test's.
    expectFixedSize(window, desktop().geometry(window).size());
    const QList<quint32> extents = desktop().numbers(window, QStringLiteral("_NET_FRAME_EXTENTS"));
    ASSERT_EQ(extents.size(), 4);
    EXPECT_TRUE(extents[0] > 0 && extents[1] > 0 && extents[3] > 0) << "no border all round";
    EXPECT_GT(extents[2], extents[3]) << "no title bar";

    const QStringList actions = atoms(window, QStringLiteral("_NET_WM_ALLOWED_ACTIONS"));
    EXPECT_TRUE(actions.contains(QStringLiteral("_NET_WM_ACTION_CLOSE"))) << actions.join(' ').toStdString();
    EXPECT_TRUE(actions.contains(QStringLiteral("_NET_WM_ACTION_MINIMIZE"))) << actions.join(' ').toStdString();
    const QList<quint32> motif = desktop().numbers(window, QStringLiteral("_MOTIF_WM_HINTS"));
    ASSERT_EQ(motif.size(), 5);
    EXPECT_TRUE(motif[0] & motifDecorationsGiven);
    EXPECT_EQ(motif[2] & (motifTitle | motifMenu | motifMinimise | motifMaximise),
              motifTitle | motifMenu | motifMinimise)
        << "decorations " << motif[2] << ": a title bar with the system menu and minimise, without maximise";

    EXPECT_TRUE(showsProgramIcon(window)) << "the window's icon is not the program icon";

    expectCentredOn(desktop().frameGeometry(window), desktop().workArea());

    EXPECT_EQ(atoms(window, QStringLiteral("_NET_WM_WINDOW_TYPE")),
              QStringList{QStringLiteral("_NET_WM_WINDOW_TYPE_NORMAL")});
    const QStringList state = atoms(window, QStringLiteral("_NET_WM_STATE"));
    EXPECT_FALSE(state.contains(QStringLiteral("_NET_WM_STATE_SKIP_TASKBAR"))) << state.join(' ').toStdString();
    EXPECT_TRUE(desktop().property(window, QStringLiteral("WM_TRANSIENT_FOR")).endsWith(QLatin1String("not found.")))
        << "the main window is marked as belonging to another, and task bars leave such windows out";
}

// The whole game is played through the screen, each removal checked there (see playToTheEnd).
TEST_F(WindowManager, aGamePlayedToItsEndShowsTheEndWindowAsItsBarePictureCentredOnTheMainWindowUntilAClick)
{
    Board board;
    ASSERT_NO_FATAL_FAILURE(dealNewGame(board));
    ASSERT_NO_FATAL_FAILURE(playToTheEnd(board));
    const std::optional<WindowId> end = desktop().waitForWindow(endWindowTitle, shortWait);
    ASSERT_TRUE(end) << "no end-of-game window; windows: " << desktop().visibleWindowTitles().join(' ').toStdString();
    expectPictureWindow(*end, QStringLiteral("Form2"), QSize(381, 241), QStringLiteral(":/pictures/end.png"));

    desktop().click(desktop().geometry(*end).center());
    EXPECT_TRUE(desktop().waitForNoWindow(endWindowTitle, shortWait)) << "the end window stayed after a click";
    const BoardSeen last = game().waitForBoard(board, shortWait);
    EXPECT_TRUE(last.matched) << "the board changed with the end window's closing\n" << last.explain(board);
}

// The click on the game is handled after the second about command, so once its mark shows,
// that command has been handled too.
TEST_F(WindowManager, showsTheAboutWindowOnceAsItsBarePictureBesideAPlayableGameUntilAClick)
{
    Board dealt;
    ASSERT_NO_FATAL_FAILURE(dealNewGame(dealt));
    game().choose(MenuCommand::About);
    const std::optional<WindowId> about = desktop().waitForWindow(aboutWindowTitle, shortWait);
    ASSERT_TRUE(about) << "no about window; windows: " << desktop().visibleWindowTitles().join(' ').toStdString();
    expectPictureWindow(*about, QStringLiteral("About MyApp"), QSize(363, 215),
                        QStringLiteral(":/pictures/credits.png"));

    game().choose(MenuCommand::About);
    const int clicked = firstPieceClearOf(dealt, desktop().geometry(*about));
    ASSERT_NE(clicked, 0) << "the about window hides the whole board";
    game().clickCell(clicked);
    EXPECT_TRUE(waitForHighlight(clicked)) << "the game beside the about window did not take a click";
    EXPECT_EQ(desktop().visibleWindows(aboutWindowTitle).size(), 1);

    // The click on the game brought the main window to the front.
    game().clickAway(*about);
    EXPECT_TRUE(desktop().waitForNoWindow(aboutWindowTitle, shortWait)) << "the about window stayed after a click";
    const Board marked = withMarked(dealt, groupAt(dealt, clicked));
    const BoardSeen after = game().waitForBoard(marked, shortWait);
    EXPECT_TRUE(after.matched) << "the game changed with the about window's closing\n" << after.explain(marked);
}

} // namespace
} // namespace e2e
