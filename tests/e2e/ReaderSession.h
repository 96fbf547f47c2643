// A screen reader's session around the game, as a blind player's desktop has it: a session
// bus, the accessibility bus, a speech server that speaks into nothing, and Orca, whose
// debug log holds every line it speaks.
#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

#include <chrono>

namespace e2e {

class ReaderSession {
public:
    // Starts the buses; the game started with environment() joins them.
    ReaderSession();
    ~ReaderSession();
    ReaderSession(const ReaderSession&) = delete;
    ReaderSession& operator=(const ReaderSession&) = delete;

    // What a program of the session needs besides the desktop's display.
    QProcessEnvironment environment(QProcessEnvironment base) const;
    // Starts Orca with fresh preferences on the desktop given by base.
    void startReader(const QProcessEnvironment& base);

    // Every line Orca has spoken so far, in order.
    QStringList spoken() const;
    // Waits for a spoken line matching the pattern after the first `after` lines; its index, or -1.
    int waitForSpeech(const QRegularExpression& line, int after, std::chrono::milliseconds timeout) const;

    // Waits until Orca has written nothing to its log for the quiet period: it is done with
    // what came before.
    bool waitForQuiet(std::chrono::milliseconds quiet, std::chrono::milliseconds timeout) const;

private:
    QTemporaryDir home;
    QTemporaryDir runtime;
    QProcess bus;
    QProcess accessibilityBus;
    QProcess reader;
    QString busAddress;
};

} // namespace e2e
