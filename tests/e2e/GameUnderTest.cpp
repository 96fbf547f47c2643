// Driving and watching the real game; see GameUnderTest.h.
#include "GameUnderTest.h"

#include "ExpectedPlay.h"
#include "PiecePicture.h"
#include "Waiting.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <iostream>
#include <optional>
#include <stdexcept>

namespace e2e {

namespace {

constexpr std::chrono::milliseconds windowTimeout{20000};
// A sanitizer ends the game itself once its report is written.
constexpr std::chrono::milliseconds reportTimeout{10000};
constexpr std::chrono::milliseconds killTimeout{5000};
const QString sanitizerLogName = QStringLiteral("sanitizer");
const QString errorOutputName = QStringLiteral("stderr");
constexpr int frameSize = 337;
constexpr int frameWidth = 3;
constexpr QPoint frameCorner{16, 8};

bool isBlack(const QImage& screen, int x, int y) { return screen.pixel(x, y) == black; }

// The frame is the first 337 px black line from the top of the window that goes on as a
// 3 px thick square outline; the menu bar and its text never draw such a line.
std::optional<QPoint> findBoardFrame(const QImage& screen, QRect window)
{
    window = window.intersected(screen.rect());
    for (int y = window.top(); y + frameSize <= window.bottom() + 1; ++y) {
        int run = 0;
        for (int x = window.left(); x <= window.right() + 1; ++x) {
            if (x <= window.right() && isBlack(screen, x, y)) {
                ++run;
                continue;
            }
            const int left = x - run;
            run = 0;
            if (x - left != frameSize)
                continue;
            bool outline = true;
            for (int d = 0; outline && d < frameSize; ++d)
                for (int w = 0; outline && w < frameWidth; ++w)
                    outline = isBlack(screen, left + d, y + w) && isBlack(screen, left + w, y + d) &&
                              isBlack(screen, left + d, y + frameSize - 1 - w) &&
                              isBlack(screen, left + frameSize - 1 - w, y + d);
            if (outline)
                return QPoint(left, y);
        }
    }
    return std::nullopt;
}

// Sends the sanitizers' reports to files `logPath`.<pid>, keeping the options already given.
void sendSanitizerReportsTo(QProcessEnvironment& env, const QString& logPath)
{
    for (const QString& variable : {QStringLiteral("ASAN_OPTIONS"), QStringLiteral("UBSAN_OPTIONS")}) {
        QString options = env.value(variable);
        if (!options.isEmpty())
            options += QLatin1Char(':');
        env.insert(variable, options + QStringLiteral("log_path=") + logPath);
    }
}

} // namespace

std::string BoardSeen::explain(const Board& expected) const
{
    std::string text = "expected board:\n" + describe(expected) + "shown board:\n" + describe(board);
    if (!inexactCells.empty()) {
        text += "cells not drawn exactly as their picture:";
        for (const int cell : inexactCells)
            text += ' ' + std::to_string(cell);
        text += '\n';
    }
    return text;
}

GameUnderTest::GameUnderTest(const VirtualDesktop& desktop, const QProcessEnvironment& extra,
                             const QStringList& arguments)
    : desktop(desktop)
{
    QProcessEnvironment env = desktop.environment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDirectory.path());
    env.insert(extra);
    sendSanitizerReportsTo(env, runtimeDirectory.filePath(sanitizerLogName));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    process.setStandardErrorFile(runtimeDirectory.filePath(errorOutputName));
    dieWithParent(process);
    process.start(qEnvironmentVariable("GELUMPA_BINARY"), arguments);
    if (!process.waitForStarted(static_cast<int>(windowTimeout.count())))
        throw std::runtime_error("gelumpa did not start: " + process.errorString().toStdString());
}

GameUnderTest::~GameUnderTest()
{
    if (!hasEnded()) {
        if (!sanitizerReports().empty())
            process.waitForFinished(static_cast<int>(reportTimeout.count()));
        endAwaited = true;
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(static_cast<int>(killTimeout.count()));
        }
    }
    checkForFaults();
    std::cerr << errorOutput().toStdString();
}

void GameUnderTest::waitForMainWindow()
{
    const std::optional<WindowId> found = desktop.waitForWindow(mainWindowTitle, windowTimeout);
    if (!found)
        throw std::runtime_error("no visible window titled \"Gelumpa Dravenik 1.0\" appeared");
    window = *found;
    const QRect inside = desktop.geometry(window);
    if (!desktop.screenshot().rect().contains(inside)) {
        // Part of the window lies beyond the screen's edge, and the board's frame may with it:
        // the client area lies under the menu bar at the bottom of the window's inside.
        origin = QPoint(inside.left(), inside.bottom() + 1 - clientHeight);
        return;
    }
    std::optional<QPoint> frame;
    waitUntil(windowTimeout, [&] {
        frame = findBoardFrame(desktop.screenshot(), inside);
        return frame.has_value() || hasEnded();
    });
    if (!frame)
        throw std::runtime_error("the main window shows no 337 x 337 board frame 3 px wide");
    origin = *frame - frameCorner;
}

BoardSeen GameUnderTest::currentBoard() const
{
    const QImage screen = desktop.screenshot();
    BoardSeen seen;
    seen.board = readBoard(screen, origin);
    seen.inexactCells = cellsNotDrawnExactly(screen, origin, seen.board);
    return seen;
}

BoardSeen GameUnderTest::waitForBoard(const Board& expected, std::chrono::milliseconds timeout) const
{
    BoardSeen seen;
    waitUntil(timeout, [&] {
        seen = currentBoard();
        seen.matched = seen.board == expected && seen.inexactCells.empty();
        return seen.matched || hasEnded();
    });
    return seen;
}

BoardSeen GameUnderTest::waitForDealtBoard(std::chrono::milliseconds timeout, const Board& replaced) const
{
    BoardSeen seen;
    waitUntil(timeout, [&] {
        seen = currentBoard();
        bool dealt = seen.inexactCells.empty() && seen.board != replaced;
        for (int kind = 1; kind <= 5; ++kind)
            dealt = dealt && countOf(seen.board, kind) == 20;
        for (int cell = 1; cell <= cellCount; ++cell)
            dealt = dealt && !seen.board.highlighted[cell];
        seen.matched = dealt;
        return dealt || hasEnded();
    });
    return seen;
}

QPoint GameUnderTest::cellCentre(int cell) const
{
    return origin + cellCorner(cell) + QPoint(pieceSize / 2, pieceSize / 2);
}

void GameUnderTest::clickCell(int cell) const
{
    desktop.click(cellCentre(cell));
}

// The menu titles "&Game Menu" and "&Game Options" share their access key, so only "&Help me !!"
// is opened by its key; the arrow keys then walk the menu bar to the left.
void GameUnderTest::typeInMenus(const QStringList& keys) const
{
    desktop.activate(window);
    desktop.keys(keys);
}

void GameUnderTest::newGame() const
{
    typeInMenus({QStringLiteral("alt+h"), QStringLiteral("Left"), QStringLiteral("Left"), QStringLiteral("r")});
}

void GameUnderTest::chooseLevel(int level) const
{
    typeInMenus({QStringLiteral("alt+h"), QStringLiteral("Left"), QStringLiteral("l"),
                 level == 1 ? QStringLiteral("p") : QStringLiteral("n")});
}

void GameUnderTest::chooseSound(bool on) const
{
    typeInMenus({QStringLiteral("alt+h"), QStringLiteral("Left"), QStringLiteral("s"),
                 on ? QStringLiteral("m") : QStringLiteral("k")});
}

void GameUnderTest::about() const
{
    typeInMenus({QStringLiteral("alt+h"), QStringLiteral("a")});
}

void GameUnderTest::exitCommand() const
{
    typeInMenus({QStringLiteral("alt+h"), QStringLiteral("Left"), QStringLiteral("Left"), QStringLiteral("x")});
}

bool GameUnderTest::answerQuestion(const QString& titlePattern, const QString& key) const
{
    const std::optional<WindowId> box = desktop.waitForWindow(titlePattern, windowTimeout);
    if (!box)
        return false;
    desktop.activate(*box);
    desktop.keys({key});
    return desktop.waitForNoWindow(titlePattern, windowTimeout);
}

bool GameUnderTest::waitForExit(std::chrono::milliseconds timeout)
{
    endAwaited = true;
    return hasEnded() || process.waitForFinished(static_cast<int>(timeout.count()));
}

bool GameUnderTest::hasEnded() const
{
    return process.state() == QProcess::NotRunning || process.waitForFinished(0);
}

QByteArray GameUnderTest::errorOutput() const
{
    QFile output(runtimeDirectory.filePath(errorOutputName));
    return output.open(QIODevice::ReadOnly) ? output.readAll() : QByteArray();
}

std::string GameUnderTest::sanitizerReports() const
{
    std::string reports;
    const QDir directory(runtimeDirectory.path());
    for (const QString& name : directory.entryList({sanitizerLogName + QStringLiteral(".*")}, QDir::Files, QDir::Name)) {
        QFile log(directory.filePath(name));
        if (log.open(QIODevice::ReadOnly))
            reports += log.readAll().toStdString();
    }
    // GCC's UndefinedBehaviorSanitizer ignores log_path when AddressSanitizer is linked in too
    // and writes its report to the standard error output.
    const QByteArray errors = errorOutput();
    const qsizetype undefined = errors.indexOf(": runtime error: ");
    if (undefined >= 0)
        reports += errors.mid(errors.lastIndexOf('\n', undefined) + 1).toStdString();
    return reports;
}

std::string GameUnderTest::faults() const
{
    std::string found;
    if (!endAwaited && hasEnded()) {
        found += process.exitStatus() == QProcess::CrashExit
                     ? "the game crashed (signal " + std::to_string(process.exitCode()) + ")"
                     : "the game ended with status " + std::to_string(process.exitCode());
        found += " while the test expected it to run\n";
    }
    const std::string reports = sanitizerReports();
    if (!reports.empty())
        found += "the sanitizers reported in the game:\n" + reports;
    return found;
}

void GameUnderTest::checkForFaults()
{
    const std::string found = faults();
    if (found.empty() || found == reportedFaults)
        return;
    ADD_FAILURE() << found;
    reportedFaults = found;
}

} // namespace e2e
