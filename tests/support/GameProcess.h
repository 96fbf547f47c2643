// A program of the game under test as a child process: started with its own runtime directory,
// ended with the test, and watched for faults (a crash, an end nobody waited for, a sanitizer's
// report).
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <chrono>
#include <string>

namespace e2e {

// What puts a program in this locale ("id_ID.UTF-8"), to be added to its environment: LANG, and
// the variables that would override it empty, which counts as unset.
QProcessEnvironment localeVariables(const QString& locale);

class GameProcess {
public:
    // Starts the program (by default the game binary) with the arguments, in `environment` plus
    // `extra`; throws std::runtime_error when it does not start.
    GameProcess(const QProcessEnvironment& environment, const QProcessEnvironment& extra,
                const QString& program = qEnvironmentVariable("GELUMPA_BINARY"), const QStringList& arguments = {});
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    qint64 processId() const { return process.processId(); }

    // Waits for the program to end; a test that waits for the end expects it, so it is no fault.
    bool waitForExit(std::chrono::milliseconds timeout);
    bool exitedNormally() const { return process.exitStatus() == QProcess::NormalExit; }
    int exitCode() const { return process.exitCode(); }
    bool hasEnded() const;

    // What the program wrote to its standard error output so far.
    QByteArray errorOutput() const;
    // What AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer wrote about the game;
    // empty when they found nothing (or the game is not built with them).
    std::string sanitizerReports() const;
    // Fails the running test with the faults of the game not reported yet: a sanitizer report,
    // or an end no test waited for (a crash, a sanitizer abort). The destructor checks once more
    // after ending the game, so every suite gets this without asking.
    void checkForFaults();

private:
    std::string faults() const;

    // The game's own runtime directory, as a desktop session would give it one. The sanitizers'
    // reports and the game's standard error output are kept there to be read; the destructor
    // passes the output on to the test's.
    QTemporaryDir runtimeDirectory;
    // Mutable because looking whether the game has ended collects its exit status.
    mutable QProcess process;
    bool endAwaited = false;
    std::string reportedFaults;
};

} // namespace e2e
