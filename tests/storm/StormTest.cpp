// The event storm: the real game under seeded bursts of clicks and menu commands, queued
// faster than it handles them, with sound on so that marks and removals handle the waiting
// events inside their own handlers. Between bursts the game must come to rest, still answer
// and show a legal board.
#include "StormScript.h"
#include "tests/support/BoardModel.h"
#include "tests/support/DiskAudio.h"
#include "tests/support/GameFixture.h"
#include "tests/support/Seed.h"
#include "tests/support/Waiting.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <chrono>
#include <cstdint>
#include <iostream>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>

namespace storm {
namespace {

using Clock = std::chrono::steady_clock;

constexpr std::uint32_t defaultSeed = 20031207;
constexpr std::int64_t defaultEvents = 3500;
// A slow sanitizer build on a busy machine still drains a burst in a few seconds.
constexpr std::chrono::milliseconds restTimeout{60000};
constexpr std::chrono::milliseconds answerTimeout{20000};
// A long storm tells how far it has come.
constexpr int progressEvery = 100;
// Two screenshots this far apart that are equal make a still screen.
constexpr std::chrono::milliseconds stillInterval{150};

// By default openbox grabs every press on a window to focus and raise it, and while it holds
// the press the pointer moves on: presses queued behind it then land where the pointer has
// gone. This configuration without mouse and key bindings lets every press reach the game
// where it was aimed; the desktop hands the test's XDG_CONFIG_HOME on to openbox.
class QuietWindowManager {
public:
    QuietWindowManager()
    {
        const QDir home(configHome.path());
        QFile config(home.filePath(QStringLiteral("openbox/rc.xml")));
        if (!home.mkpath(QStringLiteral("openbox")) || !config.open(QIODevice::WriteOnly) ||
            config.write(quietConfig) != static_cast<qint64>(sizeof quietConfig - 1))
            throw std::runtime_error("cannot write the openbox configuration");
        qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    }
    ~QuietWindowManager() { qunsetenv("XDG_CONFIG_HOME"); }
    QuietWindowManager(const QuietWindowManager&) = delete;
    QuietWindowManager& operator=(const QuietWindowManager&) = delete;

private:
    static constexpr char quietConfig[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <focus><focusNew>yes</focusNew></focus>
  <keyboard></keyboard>
  <mouse></mouse>
</openbox_config>
)";
    QTemporaryDir configHome;
};

// Protects the game against a storm of input: no crash, no hang, never an illegal board.
class EventStorm : public e2e::GameFixture {
protected:
    QProcessEnvironment gameEnvironment() const override { return audio.environment(); }

    QString sendBurst(StormScript& script, std::int64_t& sent);
    QString comeToRest(std::mt19937& answers);
    QString proveAnswering();
    QString checkBoard();

    // What the boards at rest tell of the storm's reach: fewer pieces than at the rest before
    // mean a removal, more (or a full board that changed) a deal.
    int removalsSeen = 0;
    int dealsSeen = 0;

    e2e::DiskAudio audio;

private:
    // The screen once two screenshots a moment apart are equal.
    std::optional<QImage> stillScreen(Clock::time_point deadline);
    std::optional<QPoint> pointer();
    int openPopups();

    QuietWindowManager windowManager;
    std::optional<e2e::Board> previous;
};

std::optional<QPoint> EventStorm::pointer()
{
    const QString shell = QString::fromLatin1(desktop().run("xdotool", {"getmouselocation", "--shell"}).output);
    const QRegularExpressionMatch x = QRegularExpression(QStringLiteral("X=(\\d+)")).match(shell);
    const QRegularExpressionMatch y = QRegularExpression(QStringLiteral("Y=(\\d+)")).match(shell);
    if (!x.hasMatch() || !y.hasMatch())
        return std::nullopt;
    return QPoint(x.captured(1).toInt(), y.captured(1).toInt());
}

QString EventStorm::sendBurst(StormScript& script, std::int64_t& sent)
{
    const std::optional<QPoint> from = pointer();
    if (!from)
        return QStringLiteral("xdotool could not tell where the pointer is");
    const Burst burst = script.nextBurst(*from);
    sent += burst.events;
    if (desktop().run("xdotool", burst.commands).exitCode != 0)
        return QStringLiteral("xdotool failed on: ") + burst.commands.join(QLatin1Char(' '));
    return {};
}

std::optional<QImage> EventStorm::stillScreen(Clock::time_point deadline)
{
    QImage before = desktop().screenshot();
    Clock::time_point taken = Clock::now();
    for (;;) {
        std::this_thread::sleep_until(taken + stillInterval);
        QImage now = desktop().screenshot();
        taken = Clock::now();
        if (now == before)
            return now;
        if (taken >= deadline)
            return std::nullopt;
        before = std::move(now);
    }
}

// Popup menus are windows of the game without a title of their own.
int EventStorm::openPopups()
{
    const QByteArray found =
        desktop().run("xdotool", {"search", "--onlyvisible", "--class", "^gelumpa$"}).output.trimmed();
    const int windows = found.isEmpty() ? 0 : static_cast<int>(found.count('\n')) + 1;
    return windows - 1;
}

// Answers what the burst left open, until the screen stands still with nothing but the main
// window on it: the level question at random, the picture windows by a click, menus by Escape.
QString EventStorm::comeToRest(std::mt19937& answers)
{
    const Clock::time_point deadline = Clock::now() + restTimeout;
    for (;;) {
        if (game().hasEnded())
            return QStringLiteral("the game process has ended");
        if (!stillScreen(deadline))
            return QStringLiteral("the screen did not stand still within %1 s").arg(restTimeout.count() / 1000);
        if (game().hasEnded())
            return QStringLiteral("the game process has ended");
        if (Clock::now() >= deadline)
            return QStringLiteral("no rest within %1 s; windows: %2")
                .arg(restTimeout.count() / 1000)
                .arg(desktop().visibleWindowTitles().join(QLatin1Char(' ')));
        if (!desktop().visibleWindows(e2e::exitQuestionTitle).isEmpty())
            return QStringLiteral("the exit question came up: the storm never asks to leave");
        if (!desktop().visibleWindows(e2e::restartQuestionTitle).isEmpty()) {
            const bool yes = std::bernoulli_distribution(0.5)(answers);
            if (!game().answerQuestion(e2e::restartQuestionTitle, yes ? "Return" : "Escape"))
                return QStringLiteral("the level question did not go away when answered");
        } else if (const auto end = desktop().waitForWindow(e2e::endWindowTitle, {})) {
            game().clickAway(*end);
        } else if (const auto about = desktop().waitForWindow(e2e::aboutWindowTitle, {})) {
            game().clickAway(*about);
        } else if (openPopups() > 0) {
            desktop().keys({"Escape"});
        } else {
            return {};
        }
    }
}

// The window answers when a menu opens on its access key and closes again on Escape.
QString EventStorm::proveAnswering()
{
    try {
        desktop().activate(game().mainWindow());
    } catch (const std::exception& error) {
        return QString::fromLatin1(error.what());
    }
    const Clock::time_point deadline = Clock::now() + answerTimeout;
    const std::optional<QImage> atRest = stillScreen(deadline);
    if (!atRest)
        return QStringLiteral("the screen did not stand still before the menu check");
    desktop().keys({"alt+g"});
    if (!e2e::waitUntil(answerTimeout, [&] { return desktop().screenshot() != *atRest; }))
        return QStringLiteral("the \"Game Menu\" did not open on alt+g within %1 s").arg(answerTimeout.count() / 1000);
    // The first Escape closes the menu, the second takes the keys from the menu bar back to the
    // board, where the next burst's keys are meant to go.
    desktop().keys({"Escape", "Escape"});
    if (!e2e::waitUntil(answerTimeout, [&] { return desktop().screenshot() == *atRest; }))
        return QStringLiteral("the window did not return to its rest after Escape within %1 s")
            .arg(answerTimeout.count() / 1000);
    return {};
}

QString EventStorm::checkBoard()
{
    e2e::BoardSeen seen = game().currentBoard();
    // A keyboard move leaves the cursor's ring on one cell, read inside the ring.
    seen.readCursorCell(desktop().lastScreenshot(), game().clientOrigin());
    QString problems;
    for (const std::string& problem : gelumpa::model::illegalities(seen.board.kind, seen.board.highlighted))
        problems += QString::fromStdString(problem) + QLatin1Char('\n');
    problems += QString::fromStdString(seen.inexactReport());
    if (!problems.isEmpty())
        return QStringLiteral("illegal board:\n") + problems + QString::fromStdString(e2e::describe(seen.board));
    const auto pieces = [](const e2e::Board& board) { return e2e::cellCount - gelumpa::model::countOf(board.kind, 0); };
    if (previous) {
        const int before = pieces(*previous);
        const int now = pieces(seen.board);
        removalsSeen += now < before ? 1 : 0;
        dealsSeen += now > before || (now == e2e::cellCount && seen.board != *previous) ? 1 : 0;
    }
    previous = seen.board;
    return {};
}

TEST_F(EventStorm, burstsOfClicksKeysAndMenuCommandsNeverCrashHangOrLeaveAnIllegalBoard)
{
    const std::uint32_t seed = gelumpa::model::seedOr(defaultSeed);
    const int chosenEvents = qEnvironmentVariableIntValue("GELUMPA_STORM_EVENTS");
    const std::int64_t events = chosenEvents > 0 ? chosenEvents : defaultEvents;
    std::cout << "storm of " << events << " events (GELUMPA_STORM_EVENTS), " << gelumpa::model::seedNote(seed) << std::endl;

    e2e::Board dealt;
    ASSERT_NO_FATAL_FAILURE(dealNewGame(dealt));
    const Clock::time_point start = Clock::now();
    StormScript script(seed, {game().clientOrigin(), game().mainWindowGeometry().center()});
    // The answers have their own generator, so the bursts stay the same whatever is asked.
    std::mt19937 answers(seed + 1);
    std::int64_t sent = 0;
    int bursts = 0;
    QString failure;
    while (failure.isEmpty() && sent < events) {
        ++bursts;
        failure = sendBurst(script, sent);
        if (failure.isEmpty())
            failure = comeToRest(answers);
        if (failure.isEmpty())
            failure = proveAnswering();
        if (failure.isEmpty())
            failure = checkBoard();
        if (const std::string reports = game().sanitizerReports(); failure.isEmpty() && !reports.empty())
            failure = QStringLiteral("the sanitizers reported in the game:\n") + QString::fromStdString(reports);
        if (bursts % progressEvery == 0)
            std::cout << "burst " << bursts << ": " << sent << " events sent, "
                      << std::chrono::duration_cast<std::chrono::seconds>(Clock::now() - start).count() << " s"
                      << std::endl;
    }
    if (failure.isEmpty() && game().hasEnded())
        failure = QStringLiteral("the game ended after the last checkpoint");
    if (!failure.isEmpty())
        keepScreenshot(QStringLiteral("burst-%1").arg(bursts));
    // A game that crashed or ended is reported by the fixture, with its sanitizers' reports.
    ASSERT_TRUE(failure.isEmpty()) << "seed " << seed << ", burst " << bursts << ": " << failure.toStdString();
    // A storm that never reached the game proves nothing.
    EXPECT_GT(audio.size(), 0) << "no sound reached the disk audio driver: the storm ran without re-entry";
    EXPECT_GT(removalsSeen, 0) << "seed " << seed << ": no board at rest showed a removal";
    EXPECT_GT(dealsSeen, 0) << "seed " << seed << ": no board at rest showed a new deal";
}

} // namespace
} // namespace storm
