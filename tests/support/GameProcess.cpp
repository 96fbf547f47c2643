// Starting, ending and watching a program of the game; see GameProcess.h.
#include "tests/support/GameProcess.h"

#include "tests/support/VirtualDesktop.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <iostream>
#include <stdexcept>

namespace e2e {

namespace {

constexpr std::chrono::milliseconds startTimeout{20000};
// A sanitizer ends the game itself once its report is written.
constexpr std::chrono::milliseconds reportTimeout{10000};
constexpr std::chrono::milliseconds killTimeout{5000};
const QString sanitizerLogName = QStringLiteral("sanitizer");
const QString errorOutputName = QStringLiteral("stderr");

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

QProcessEnvironment localeVariables(const QString& locale)
{
    QProcessEnvironment env;
    env.insert(QStringLiteral("LANG"), locale);
    for (const QString& overriding : {QStringLiteral("LC_ALL"), QStringLiteral("LC_MESSAGES"), QStringLiteral("LANGUAGE")})
        env.insert(overriding, QString());
    return env;
}

GameProcess::GameProcess(const QProcessEnvironment& environment, const QProcessEnvironment& extra,
                         const QString& program, const QStringList& arguments)
{
    QProcessEnvironment env = environment;
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDirectory.path());
    env.insert(extra);
    sendSanitizerReportsTo(env, runtimeDirectory.filePath(sanitizerLogName));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    process.setStandardErrorFile(runtimeDirectory.filePath(errorOutputName));
    dieWithParent(process);
    process.start(program, arguments);
    if (!process.waitForStarted(static_cast<int>(startTimeout.count())))
        throw std::runtime_error(program.toStdString() + " did not start: " + process.errorString().toStdString());
}

GameProcess::~GameProcess()
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

bool GameProcess::waitForExit(std::chrono::milliseconds timeout)
{
    endAwaited = true;
    return hasEnded() || process.waitForFinished(static_cast<int>(timeout.count()));
}

bool GameProcess::hasEnded() const
{
    return process.state() == QProcess::NotRunning || process.waitForFinished(0);
}

QByteArray GameProcess::errorOutput() const
{
    QFile output(runtimeDirectory.filePath(errorOutputName));
    return output.open(QIODevice::ReadOnly) ? output.readAll() : QByteArray();
}

std::string GameProcess::sanitizerReports() const
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

std::string GameProcess::faults() const
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

void GameProcess::checkForFaults()
{
    const std::string found = faults();
    if (found.empty() || found == reportedFaults)
        return;
    ADD_FAILURE() << found;
    reportedFaults = found;
}

} // namespace e2e
