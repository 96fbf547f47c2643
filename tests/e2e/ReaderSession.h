// A screen reader's session around the game, as a blind player's desktop has it: a session
// bus, the accessibility bus, a speech server that speaks into nothing, and Orca, whose
// debug log holds every line it speaks.
#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

#include <chrono>

namespace e2e {

class ReaderSession {
public:
    // Longer than Qt's wait for the registry's answer to a key.
    static constexpr std::chrono::milliseconds speechWait{40000};

    // Starts the buses; the game started with environment() joins them.
    ReaderSession();
    ~ReaderSession();

    // What a program of the session needs besides the desktop's display.
    QProcessEnvironment environment(QProcessEnvironment base) const;
    // Starts Orca with fresh preferences on the desktop given by base.
    void startReader(const QProcessEnvironment& base);

    // Every line Orca has spoken so far, in order.
    QStringList spoken() const;
    // Waits for a spoken line, after those heard so far, that matches the whole pattern; the
    // lines up to it count as heard.
    bool hear(const QString& pattern);
    // Waits until Orca has written nothing to its log for a while: it is done with what came before.
    void waitForQuiet() const;

private:
    QTemporaryDir home;
    QTemporaryDir runtime;
    QProcess bus;
    QProcess accessibilityBus;
    QProcess reader;
    QString busAddress;
    int heard = 0;
};

} // namespace e2e
