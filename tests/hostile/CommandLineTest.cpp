// The game at a terminal: asked for its usage or its version, handed what it does not know or
// Qt's own options, and started where there is no display at all.
#include "tests/support/GameUnderTest.h"
#include "HostileSupport.h"
#include "tests/support/VirtualDesktop.h"

#include <QDir>
#include <QProcess>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace e2e {
namespace {

// How a run of the game ended by itself and what it wrote; `ended` is false when it was still
// running at the deadline and had to be killed.
struct EndedRun {
    bool ended = false;
    bool normalExit = false;
    int exitCode = -1;
    QByteArray output;
    QByteArray errors;
};

constexpr int runTimeoutMs = 20000;

EndedRun runToItsEnd(const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess game;
    game.setProcessEnvironment(environment);
    dieWithParent(game);
    game.start(qEnvironmentVariable("GELUMPA_BINARY"), arguments);
    EndedRun run;
    run.ended = game.waitForFinished(runTimeoutMs);
    if (!run.ended) {
        game.kill();
        game.waitForFinished(runTimeoutMs);
    }
    run.normalExit = game.exitStatus() == QProcess::NormalExit;
    run.exitCode = game.exitCode();
    run.output = game.readAllStandardOutput();
    run.errors = game.readAllStandardError();
    return run;
}

// This process's environment with no display in it: no DISPLAY, no WAYLAND_DISPLAY, no chosen
// platform nor session type, and the given empty runtime directory, where no Wayland socket is.
QProcessEnvironment environmentWithoutDisplay(const QString& runtimeDirectory)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& name : {QStringLiteral("DISPLAY"), QStringLiteral("WAYLAND_DISPLAY"),
                                QStringLiteral("WAYLAND_SOCKET"), QStringLiteral("QT_QPA_PLATFORM"),
                                QStringLiteral("XDG_SESSION_TYPE")})
        env.remove(name);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDirectory);
    return env;
}

std::string text(const QByteArray& bytes) { return bytes.toStdString(); }

// A display number no X server listens on: neither its socket nor its lock file is there.
QString displayWithoutServer()
{
    int number = 4000;
    while (QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number))
           || QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(number)))
        ++number;
    return QStringLiteral(":%1").arg(number);
}

class AtATerminal : public ::testing::Test {
protected:
    QProcessEnvironment noDisplay() const { return environmentWithoutDisplay(runtime.path()); }

    QTemporaryDir runtime;
};

// Protects the answers that need no window: on standard output, with status 0, without a display.
TEST_F(AtATerminal, helpAndVersionAnswerOnStandardOutputWithoutADisplay)
{
    for (const QString& option : {QStringLiteral("--help"), QStringLiteral("-h")}) {
        const EndedRun help = runToItsEnd({option}, noDisplay());
        ASSERT_TRUE(help.ended) << option.toStdString() << " did not end by itself";
        EXPECT_TRUE(help.normalExit && help.exitCode == 0) << option.toStdString() << ": status " << help.exitCode
                                                           << '\n' << text(help.errors);
        EXPECT_TRUE(help.output.startsWith("Usage: gelumpa") && help.output.contains("--version")
                    && help.output.contains("--symbols"))
            << option.toStdString() << " printed:\n" << text(help.output);
        EXPECT_TRUE(help.errors.isEmpty()) << text(help.errors);
    }
    const EndedRun version = runToItsEnd({QStringLiteral("--version")}, noDisplay());
    ASSERT_TRUE(version.ended) << "--version did not end by itself";
    EXPECT_TRUE(version.normalExit && version.exitCode == 0) << "status " << version.exitCode << '\n'
                                                             << text(version.errors);
    EXPECT_EQ(text(version.output), "Gelumpa Dravenik " GELUMPA_VERSION "\n");
    EXPECT_TRUE(version.errors.isEmpty()) << text(version.errors);
}

// Protects against a mistyped option starting the game: one line naming it, the usage, status 2.
TEST_F(AtATerminal, anOptionOrArgumentTheGameDoesNotKnowIsRefusedWithTheUsageAndStatusTwo)
{
    for (const QStringList& arguments : {QStringList{QStringLiteral("--nightmare")}, QStringList{QStringLiteral("board.txt")},
                                         QStringList{QStringLiteral("-platform")},
                                         QStringList{QStringLiteral("--symbols"), QStringLiteral("--symbols=x")}}) {
        SCOPED_TRACE(arguments.join(QLatin1Char(' ')).toStdString());
        const EndedRun run = runToItsEnd(arguments, noDisplay());
        ASSERT_TRUE(run.ended) << "the game did not end by itself";
        EXPECT_TRUE(run.normalExit && run.exitCode == 2) << "status " << run.exitCode << '\n' << text(run.errors);
        const QList<QByteArray> lines = run.errors.split('\n');
        ASSERT_GE(lines.size(), 2) << text(run.errors);
        EXPECT_TRUE(lines[0].startsWith("gelumpa: ") && lines[0].contains(arguments.last().toUtf8())) << text(run.errors);
        EXPECT_TRUE(lines[1].startsWith("Usage: gelumpa")) << text(run.errors);
        EXPECT_TRUE(run.output.isEmpty()) << text(run.output);
    }
}

// Protects the start without any display, where Qt would end the game by an abort and a core
// dump after a paragraph of its own: one line saying so, and status 1.
TEST_F(AtATerminal, withoutAnyDisplayTheGameSaysSoInOneLineAndEndsWithStatusOne)
{
    QProcessEnvironment nothingSet = noDisplay();
    QProcessEnvironment xServerGone = noDisplay();
    xServerGone.insert(QStringLiteral("DISPLAY"), displayWithoutServer());
    QProcessEnvironment x11Chosen = noDisplay();
    x11Chosen.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    QProcessEnvironment waylandGone = noDisplay();
    waylandGone.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-gone"));
    waylandGone.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
    const std::pair<const char*, QProcessEnvironment> cases[] = {
        {"nothing set", nothingSet},
        {"DISPLAY naming no server", xServerGone},
        {"X11 chosen and no DISPLAY", x11Chosen},
        {"WAYLAND_DISPLAY naming no socket", waylandGone},
    };
    for (const auto& [name, environment] : cases) {
        SCOPED_TRACE(name);
        const EndedRun run = runToItsEnd({}, environment);
        ASSERT_TRUE(run.ended) << "the game did not end by itself";
        EXPECT_TRUE(run.normalExit) << "the game crashed (signal " << run.exitCode << ")\n" << text(run.errors);
        EXPECT_EQ(run.exitCode, 1) << text(run.errors);
        EXPECT_TRUE(run.errors.startsWith("gelumpa: ") && run.errors.count('\n') == 1 && run.errors.endsWith('\n'))
            << "not one line:\n" << text(run.errors);
        EXPECT_TRUE(run.output.isEmpty()) << text(run.output);
    }
}

// Protects Qt's own options, which a session manager's restart hands over too: they reach Qt.
TEST(QtOptions, theGameOpensItsWindowOnTheDisplayNamedOnTheCommandLine)
{
    const VirtualDesktop desktop;
    QProcessEnvironment env;
    env.insert(QStringLiteral("DISPLAY"), QString());
    env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    GameUnderTest game(desktop, env,
                       {QStringLiteral("--platform"), QStringLiteral("xcb"), QStringLiteral("-display"),
                        desktop.displayName()});
    ASSERT_NO_THROW(game.waitForMainWindow());
    ASSERT_NO_FATAL_FAILURE(leaveWithStatusZero(game, desktop));
}

} // namespace
} // namespace e2e
