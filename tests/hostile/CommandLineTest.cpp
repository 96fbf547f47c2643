// The game at a terminal: asked for its usage or its version, handed what it does not know or
// Qt's own options, and started where there is no display at all; in English and Indonesian.
#include "tests/support/GameUnderTest.h"
#include "HostileSupport.h"
#include "tests/support/VirtualDesktop.h"

#include <QDir>
#include <QProcess>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <string_view>

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

// The locales a player's terminal may be in, with the first line of the usage in its language:
// English for C and en_US, and the same bytes in both.
struct TerminalLanguage {
    const char* locale;
    const char* usage;
};
constexpr TerminalLanguage english{"C", "Usage: gelumpa [OPTION]..."};
constexpr TerminalLanguage terminalLanguages[] = {
    english,
    {"en_US.UTF-8", "Usage: gelumpa [OPTION]..."},
    {"id_ID.UTF-8", "Penggunaan: gelumpa [OPSI]..."},
};

bool inEnglish(const TerminalLanguage& language)
{
    return std::string_view(language.usage) == english.usage;
}

class AtATerminal : public ::testing::Test {
protected:
    QProcessEnvironment noDisplay(const char* locale = english.locale) const
    {
        QProcessEnvironment env = environmentWithoutDisplay(runtime.path());
        env.insert(localeVariables(QLatin1String(locale)));
        return env;
    }

    QTemporaryDir runtime;
};

// Protects the answers that need no window: on standard output, with status 0, without a display;
// the usage in the player's language, English unchanged under C and en_US.
TEST_F(AtATerminal, helpAndVersionAnswerOnStandardOutputWithoutADisplay)
{
    const QByteArray englishUsage = runToItsEnd({QStringLiteral("--help")}, noDisplay()).output;
    for (const TerminalLanguage& language : terminalLanguages) {
        SCOPED_TRACE(language.locale);
        for (const QString& option : {QStringLiteral("--help"), QStringLiteral("-h")}) {
            const EndedRun help = runToItsEnd({option}, noDisplay(language.locale));
            ASSERT_TRUE(help.ended) << option.toStdString() << " did not end by itself";
            EXPECT_TRUE(help.normalExit && help.exitCode == 0) << option.toStdString() << ": status " << help.exitCode
                                                               << '\n' << text(help.errors);
            EXPECT_TRUE(help.output.startsWith(QByteArray(language.usage) + '\n') && help.output.contains("--version")
                        && help.output.contains("--symbols"))
                << option.toStdString() << " printed:\n" << text(help.output);
            if (inEnglish(language)) {
                EXPECT_EQ(text(help.output), text(englishUsage));
            }
            EXPECT_TRUE(help.errors.isEmpty()) << text(help.errors);
        }
        const EndedRun version = runToItsEnd({QStringLiteral("--version")}, noDisplay(language.locale));
        ASSERT_TRUE(version.ended) << "--version did not end by itself";
        EXPECT_TRUE(version.normalExit && version.exitCode == 0) << "status " << version.exitCode << '\n'
                                                                 << text(version.errors);
        EXPECT_EQ(text(version.output), "Gelumpa Dravenik " GELUMPA_VERSION "\n");
        EXPECT_TRUE(version.errors.isEmpty()) << text(version.errors);
    }
}

// Protects against a mistyped option starting the game: one line naming it, the usage, status 2;
// both in the player's language.
TEST_F(AtATerminal, anOptionOrArgumentTheGameDoesNotKnowIsRefusedWithTheUsageAndStatusTwo)
{
    for (const QStringList& arguments : {QStringList{QStringLiteral("--nightmare")}, QStringList{QStringLiteral("board.txt")},
                                         QStringList{QStringLiteral("-platform")},
                                         QStringList{QStringLiteral("--symbols"), QStringLiteral("--symbols=x")}}) {
        const QByteArray englishRefusal = runToItsEnd(arguments, noDisplay()).errors.split('\n').front();
        for (const TerminalLanguage& language : terminalLanguages) {
            SCOPED_TRACE(arguments.join(QLatin1Char(' ')).toStdString() + " in " + language.locale);
            const EndedRun run = runToItsEnd(arguments, noDisplay(language.locale));
            ASSERT_TRUE(run.ended) << "the game did not end by itself";
            EXPECT_TRUE(run.normalExit && run.exitCode == 2) << "status " << run.exitCode << '\n' << text(run.errors);
            const QList<QByteArray> lines = run.errors.split('\n');
            ASSERT_GE(lines.size(), 2) << text(run.errors);
            EXPECT_TRUE(lines[0].startsWith("gelumpa: ") && lines[0].contains(arguments.last().toUtf8())) << text(run.errors);
            EXPECT_EQ(lines[0] == englishRefusal, inEnglish(language)) << text(run.errors);
            EXPECT_EQ(text(lines[1]), language.usage) << text(run.errors);
            EXPECT_TRUE(run.output.isEmpty()) << text(run.output);
        }
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
    const QProcessEnvironment inIndonesian = noDisplay("id_ID.UTF-8");
    const struct {
        const char* name;
        QProcessEnvironment environment;
        const char* says;
    } cases[] = {
        {"nothing set", nothingSet, "gelumpa: cannot open a window: "},
        {"DISPLAY naming no server", xServerGone, "gelumpa: cannot open a window: "},
        {"X11 chosen and no DISPLAY", x11Chosen, "gelumpa: cannot open a window: "},
        {"WAYLAND_DISPLAY naming no socket", waylandGone, "gelumpa: cannot open a window: "},
        {"nothing set, in Indonesian", inIndonesian, "gelumpa: tidak dapat membuka jendela: "},
    };
    for (const auto& [name, environment, says] : cases) {
        SCOPED_TRACE(name);
        const EndedRun run = runToItsEnd({}, environment);
        ASSERT_TRUE(run.ended) << "the game did not end by itself";
        EXPECT_TRUE(run.normalExit) << "the game crashed (signal " << run.exitCode << ")\n" << text(run.errors);
        EXPECT_EQ(run.exitCode, 1) << text(run.errors);
        EXPECT_TRUE(run.errors.startsWith(says) && run.errors.count('\n') == 1 && run.errors.endsWith('\n'))
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
