// The screen reader's session; see ReaderSession.h.
#include "ReaderSession.h"

#include "tests/support/VirtualDesktop.h"
#include "tests/support/Waiting.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <csignal>
#include <stdexcept>

namespace e2e {

namespace {
const std::chrono::milliseconds startTimeout{10000};

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}
} // namespace

ReaderSession::ReaderSession()
{
    if (!home.isValid() || !runtime.isValid())
        throw std::runtime_error("no temporary folder for the reader's session");
    QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    // Speech into ALSA's null device: a test machine has no sound card, and a speech server
    // that cannot open its output leaves Orca waiting.
    QFile system(QStringLiteral("/etc/speech-dispatcher/speechd.conf"));
    QByteArray speechd = system.open(QIODevice::ReadOnly) ? system.readAll() : QByteArray();
    writeFile(home.filePath(QStringLiteral(".config/speech-dispatcher/speechd.conf")),
              speechd + "\nAudioOutputMethod \"alsa\"\n");
    writeFile(home.filePath(QStringLiteral(".asoundrc")), "pcm.!default { type null }\n");

    dieWithParent(bus);
    bus.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--nopidfile", "--print-address=1"});
    if (!waitUntil(startTimeout, [this] {
            bus.waitForReadyRead(100);
            busAddress += QString::fromUtf8(bus.readAllStandardOutput());
            return busAddress.contains(QLatin1Char('\n'));
        }))
        throw std::runtime_error("the session bus did not start");
    busAddress = busAddress.trimmed();
    dieWithParent(accessibilityBus);
    accessibilityBus.setProcessEnvironment(environment(QProcessEnvironment::systemEnvironment()));
    accessibilityBus.start(QStringLiteral("/usr/libexec/at-spi-bus-launcher"), {"--launch-immediately"});
    if (!accessibilityBus.waitForStarted())
        throw std::runtime_error("the accessibility bus did not start");
}

ReaderSession::~ReaderSession()
{
    stop(reader);
    // Orca's speech server outlives Orca and would hang the next one: it is ended by its pid.
    QFile pidFile(runtime.filePath(QStringLiteral("speech-dispatcher/pid/speech-dispatcher.pid")));
    if (pidFile.open(QIODevice::ReadOnly)) {
        // It may not answer SIGTERM while it speaks.
        if (const int pid = pidFile.readAll().trimmed().toInt(); pid > 0)
            ::kill(pid, SIGKILL);
    }
    stop(accessibilityBus);
    stop(bus);
}

QProcessEnvironment ReaderSession::environment(QProcessEnvironment base) const
{
    base.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress);
    base.insert(QStringLiteral("HOME"), home.path());
    base.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    base.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    return base;
}

void ReaderSession::startReader(const QProcessEnvironment& base)
{
    dieWithParent(reader);
    reader.setProcessEnvironment(environment(base));
    reader.setStandardOutputFile(QProcess::nullDevice());
    reader.setStandardErrorFile(QProcess::nullDevice());
    // Orca writes its log line by line only to a terminal: `script` gives it one and copies
    // each line to the file at once.
    const QString orca = QStringLiteral("orca --debug-file /dev/tty -u ") + home.filePath(QStringLiteral("orca-preferences"));
    reader.start(QStringLiteral("script"), {"-q", "-f", "-e", "-c", orca, home.filePath(QStringLiteral("orca.log"))});
    if (!reader.waitForStarted())
        throw std::runtime_error("orca did not start");
}

QStringList ReaderSession::spoken() const
{
    static const QRegularExpression speech(QStringLiteral("SPEECH OUTPUT: '(.*)'"));
    QFile log(home.filePath(QStringLiteral("orca.log")));
    QStringList lines;
    if (!log.open(QIODevice::ReadOnly))
        return lines;
    for (const QByteArray& line : log.readAll().split('\n'))
        if (const QRegularExpressionMatch found = speech.match(QString::fromUtf8(line)); found.hasMatch())
            lines << found.captured(1).section(QLatin1Char('\''), 0, 0).trimmed();
    return lines;
}

bool ReaderSession::hear(const QString& pattern)
{
    const QRegularExpression line(QStringLiteral("^") + pattern + QStringLiteral("$"));
    return waitUntil(speechWait, [&] {
        const QStringList lines = spoken();
        for (int i = heard; i < lines.size(); ++i) {
            if (line.match(lines[i]).hasMatch()) {
                heard = i + 1;
                return true;
            }
        }
        return false;
    });
}

void ReaderSession::waitForQuiet() const
{
    const QString log = home.filePath(QStringLiteral("orca.log"));
    qint64 size = -1;
    auto lastChange = std::chrono::steady_clock::now();
    waitUntil(speechWait, [&] {
        if (const qint64 now = QFileInfo(log).size(); now != size) {
            size = now;
            lastChange = std::chrono::steady_clock::now();
        }
        return std::chrono::steady_clock::now() - lastChange >= std::chrono::milliseconds(300);
    });
}

} // namespace e2e
