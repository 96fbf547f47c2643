// weston on its headless back end; see HeadlessWeston.h.
#include "HeadlessWeston.h"

#include "tests/support/VirtualDesktop.h"
#include "tests/support/Waiting.h"

#include <QDir>
#include <QFileInfo>

#include <stdexcept>

namespace e2e {

namespace {

constexpr std::chrono::milliseconds startTimeout{15000};
constexpr int screenshotTimeoutMs = 15000;
const QString socketName = QStringLiteral("wayland-e2e");

} // namespace

// The pixman renderer draws without a GPU; --debug lets weston-screenshooter in.
HeadlessWeston::HeadlessWeston()
{
    if (!runtimeDirectory.isValid())
        throw std::runtime_error("no runtime directory for weston");
    weston.setProgram(QStringLiteral("weston"));
    weston.setArguments({QStringLiteral("--backend=headless-backend.so"), QStringLiteral("--use-pixman"),
                         QStringLiteral("--debug"), QStringLiteral("--socket=") + socketName});
    QProcessEnvironment env = environment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDirectory.path());
    env.insert(QStringLiteral("WAYLAND_DISPLAY"), socketName);
    weston.setProcessEnvironment(env);
    weston.setStandardOutputFile(QProcess::nullDevice());
    weston.setStandardErrorFile(runtimeDirectory.filePath(QStringLiteral("weston.log")));
    dieWithParent(weston);
    weston.start();
    if (!weston.waitForStarted(static_cast<int>(startTimeout.count())))
        throw std::runtime_error("weston did not start: " + weston.errorString().toStdString());
    const QString socket = runtimeDirectory.filePath(socketName);
    const bool listening = waitUntil(startTimeout, [&] {
        return QFileInfo(socket).exists() || weston.state() == QProcess::NotRunning;
    });
    if (!listening || weston.state() == QProcess::NotRunning)
        throw std::runtime_error("weston did not open its socket " + socket.toStdString());
}

HeadlessWeston::~HeadlessWeston()
{
    stop(weston);
}

// The socket by its full path, so a client can keep a runtime directory of its own.
QProcessEnvironment HeadlessWeston::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("WAYLAND_DISPLAY"), runtimeDirectory.filePath(socketName));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("XAUTHORITY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    return env;
}

// weston-screenshooter writes the picture into its working directory under a name of its own.
QImage HeadlessWeston::screenshot() const
{
    QTemporaryDir folder;
    QProcess shooter;
    shooter.setProcessEnvironment(environment());
    shooter.setWorkingDirectory(folder.path());
    shooter.setStandardOutputFile(QProcess::nullDevice());
    shooter.setStandardErrorFile(QProcess::nullDevice());
    dieWithParent(shooter);
    shooter.start(QStringLiteral("weston-screenshooter"), {});
    if (!shooter.waitForFinished(screenshotTimeoutMs)) {
        shooter.kill();
        shooter.waitForFinished(screenshotTimeoutMs);
        throw std::runtime_error("weston-screenshooter did not finish");
    }
    const QStringList taken = QDir(folder.path()).entryList({QStringLiteral("*.png")}, QDir::Files);
    if (taken.size() != 1)
        throw std::runtime_error("weston-screenshooter left no picture");
    const QImage image(QDir(folder.path()).filePath(taken.first()));
    if (image.isNull())
        throw std::runtime_error("weston-screenshooter's picture does not load");
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace e2e
