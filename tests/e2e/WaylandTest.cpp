// The game on a Wayland desktop: headless weston, Qt's Wayland platform, the compositor's
// screenshot and the protocol requests the client logs under WAYLAND_DEBUG=1.
#include "tests/support/ExpectedPlay.h"
#include "tests/support/GameFixture.h"
#include "tests/support/GameProcess.h"
#include "HeadlessWeston.h"
#include "tests/support/Waiting.h"

#include <QRegularExpression>

#include <map>

namespace e2e {
namespace {

constexpr std::chrono::milliseconds windowTimeout{20000};

// Protects the native Wayland start: the board shows through the compositor, the window
// carries the program's app id, and the picture windows name the main window as their
// parent, since a Wayland client cannot place its windows itself and the compositor
// places them by that parent.
class Wayland : public ::testing::Test {
protected:
    static QProcessEnvironment protocolLogged()
    {
        QProcessEnvironment env;
        env.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("1"));
        env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
        return env;
    }

    HeadlessWeston weston;
};

// The toplevel each title went to, from requests logged as
// `-> xdg_toplevel@14.set_title("Gelumpa Dravenik 1.0")`.
std::map<QString, QString> toplevelsByTitle(const QString& log)
{
    std::map<QString, QString> toplevels;
    const QRegularExpression titled(QStringLiteral("-> (xdg_toplevel@\\d+)\\.set_title\\(\"([^\"]*)\"\\)"));
    for (auto match = titled.globalMatch(log); match.hasNext();) {
        const QRegularExpressionMatch request = match.next();
        toplevels[request.captured(2)] = request.captured(1);
    }
    return toplevels;
}

TEST_F(Wayland, theGameChoosesWaylandByItselfShowsOneHundredLightBrownPiecesAndCarriesItsAppId)
{
    // No QT_QPA_PLATFORM, as in a desktop session: Qt takes Wayland for WAYLAND_DISPLAY.
    GameProcess game(weston.environment(), protocolLogged());
    QImage screen;
    std::optional<QPoint> origin;
    BoardSeen seen;
    waitUntil(windowTimeout, [&] {
        screen = weston.screenshot();
        origin = findClientOrigin(screen, screen.rect());
        if (origin) {
            seen.board = readBoard(screen, *origin);
            seen.inexactCells = cellsNotDrawnExactly(screen, *origin, seen.board);
            seen.matched = seen.board == designBoard() && seen.inexactCells.empty();
        }
        return seen.matched || game.hasEnded();
    });
    keepScreenshot(screen, QStringLiteral("weston"));
    ASSERT_TRUE(origin) << "no board frame on weston's screen";
    EXPECT_TRUE(seen.matched) << seen.explain(designBoard());

    const QString log = QString::fromUtf8(game.errorOutput());
    const std::map<QString, QString> toplevels = toplevelsByTitle(log);
    ASSERT_TRUE(toplevels.contains(QStringLiteral("Gelumpa Dravenik 1.0"))) << "no Wayland toplevel of that title";
    EXPECT_TRUE(log.contains(toplevels.at(QStringLiteral("Gelumpa Dravenik 1.0")) +
                             QStringLiteral(".set_app_id(\"example.orvane.gelumpa\")")))
        << "the main window does not carry the program's app id";
}

TEST_F(Wayland, theEndAndAboutWindowsNameTheMainWindowAsTheirParent)
{
    QProcessEnvironment env = protocolLogged();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    GameProcess scenario(weston.environment(), env, QStringLiteral(GELUMPA_WAYLAND_SCENARIO));
    ASSERT_TRUE(scenario.waitForExit(windowTimeout)) << "the three windows did not come up in time";
    ASSERT_EQ(scenario.exitCode(), 0) << "a window was not shown (see the scenario's exit codes)";

    const QString log = QString::fromUtf8(scenario.errorOutput());
    const std::map<QString, QString> toplevels = toplevelsByTitle(log);
    ASSERT_TRUE(toplevels.contains(QStringLiteral("Gelumpa Dravenik 1.0")));
    const QString main = toplevels.at(QStringLiteral("Gelumpa Dravenik 1.0"));
    for (const QString& title : {QStringLiteral("Form2"), QStringLiteral("About MyApp")}) {
        ASSERT_TRUE(toplevels.contains(title)) << "no Wayland toplevel titled " << title.toStdString();
        const QString parented = toplevels.at(title) + QStringLiteral(".set_parent(") + main + QLatin1Char(')');
        EXPECT_TRUE(log.contains(parented)) << title.toStdString() << " does not name the main window as its parent";
    }
}

} // namespace
} // namespace e2e
