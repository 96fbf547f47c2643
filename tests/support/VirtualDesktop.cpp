// Xvfb, openbox and the X tools for one test; see VirtualDesktop.h.
#include "tests/support/VirtualDesktop.h"

#include "tests/support/Waiting.h"

#include <QRegularExpression>

#include <csignal>
#include <stdexcept>
#include <string>
#include <sys/prctl.h>

namespace e2e {

namespace {

constexpr std::chrono::milliseconds startTimeout{15000};
constexpr std::chrono::milliseconds activationTimeout{15000};
constexpr int toolTimeoutMs = 15000;

// Starts one of the desktop's own programs, silent on stderr and bound to die with the test;
// throws when it does not start.
void startPart(QProcess& process, const QString& program, const QStringList& arguments)
{
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardErrorFile(QProcess::nullDevice());
    dieWithParent(process);
    process.start();
    if (!process.waitForStarted(startTimeout.count()))
        throw std::runtime_error(program.toStdString() + " did not start");
}

// The fields that read as whole numbers, in their order.
template <typename Number>
QList<Number> numbersAmong(const QList<QByteArray>& fields)
{
    QList<Number> numbers;
    for (const QByteArray& field : fields) {
        bool ok = false;
        const qulonglong number = field.trimmed().toULongLong(&ok);
        if (ok)
            numbers.append(static_cast<Number>(number));
    }
    return numbers;
}

} // namespace

void dieWithParent(QProcess& process)
{
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

void stop(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(3000);
    }
}

VirtualDesktop::VirtualDesktop(QSize screen)
{
    startServer(screen);
    startWindowManager();
}

VirtualDesktop::~VirtualDesktop()
{
    stop(openbox);
    stop(xvfb);
}

void VirtualDesktop::startServer(QSize screen)
{
    // -displayfd makes Xvfb pick a free display itself and tell us its number once it
    // accepts connections: no guessed number, no clash with another test, no sleep.
    const QString screenSize = QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height());
    startPart(xvfb, QStringLiteral("Xvfb"),
              {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
               screenSize, QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-noreset")});
    const bool announced = waitUntil(startTimeout, [this] {
        xvfb.waitForReadyRead(static_cast<int>(pollInterval.count()));
        return xvfb.canReadLine() || xvfb.state() == QProcess::NotRunning;
    });
    if (!announced || !xvfb.canReadLine())
        throw std::runtime_error("Xvfb did not announce its display");
    display = QLatin1Char(':') + QString::fromLatin1(xvfb.readLine().trimmed());
}

void VirtualDesktop::startWindowManager()
{
    openbox.setProcessEnvironment(environment());
    openbox.setStandardOutputFile(QProcess::nullDevice());
    startPart(openbox, QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    // A window manager announces itself on the root window once it manages windows.
    const bool managing = waitUntil(startTimeout, [this] {
        return run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
            .output.contains("window id");
    });
    if (!managing)
        throw std::runtime_error("openbox did not take over the display " + display.toStdString());
}

QProcessEnvironment VirtualDesktop::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("XAUTHORITY"));
    // A desktop without a session bus: without an address, a program would start a bus of its own
    // for the display (dbus-launch) and leave it behind, with its address in ~/.dbus, for the next
    // desktop that gets the same display number. A path below a file can never be a bus.
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("unix:path=/dev/null/no-session-bus"));
    return env;
}

ToolResult VirtualDesktop::run(const QString& program, const QStringList& arguments) const
{
    QProcess tool;
    tool.setProcessEnvironment(environment());
    tool.setStandardErrorFile(QProcess::nullDevice());
    dieWithParent(tool);
    tool.start(program, arguments);
    if (!tool.waitForFinished(toolTimeoutMs)) {
        tool.kill();
        tool.waitForFinished(toolTimeoutMs);
        return {};
    }
    if (tool.exitStatus() != QProcess::NormalExit)
        return {};
    return {tool.exitCode(), tool.readAllStandardOutput()};
}

QImage VirtualDesktop::screenshot() const
{
    const ToolResult shot = run(QStringLiteral("import"),
                                {QStringLiteral("-silent"), QStringLiteral("-window"), QStringLiteral("root"),
                                 QStringLiteral("ppm:-")});
    QImage image = QImage::fromData(shot.output, "PPM");
    if (image.isNull())
        throw std::runtime_error("no screenshot of display " + display.toStdString());
    lastShot = image.convertToFormat(QImage::Format_RGB32);
    return lastShot;
}

QList<WindowId> VirtualDesktop::visibleWindows(const QString& titlePattern) const
{
    const ToolResult found = run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                             QStringLiteral("--name"), titlePattern});
    return numbersAmong<WindowId>(found.output.split('\n'));
}

QStringList VirtualDesktop::visibleWindowTitles() const
{
    QStringList titles;
    for (const WindowId window : visibleWindows(QStringLiteral("."))) {
        const ToolResult name =
            run(QStringLiteral("xdotool"), {QStringLiteral("getwindowname"), QString::number(window)});
        titles.append(QLatin1Char('"') + QString::fromUtf8(name.output.trimmed()) + QLatin1Char('"'));
    }
    return titles;
}

std::optional<WindowId> VirtualDesktop::waitForWindow(const QString& titlePattern,
                                                      std::chrono::milliseconds timeout) const
{
    std::optional<WindowId> window;
    waitUntil(timeout, [&] {
        const QList<WindowId> found = visibleWindows(titlePattern);
        if (!found.isEmpty())
            window = found.first();
        return window.has_value();
    });
    return window;
}

bool VirtualDesktop::waitForNoWindow(const QString& titlePattern, std::chrono::milliseconds timeout) const
{
    return waitUntil(timeout, [&] { return visibleWindows(titlePattern).isEmpty(); });
}

// xwininfo, not xdotool: xdotool counts the window manager's frame offset twice.
QRect VirtualDesktop::geometry(WindowId window) const
{
    const QString info = QString::fromLatin1(
        run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(window)}).output);
    const auto value = [&info](const char* label) {
        const QRegularExpression line(QStringLiteral("^\\s*%1:\\s*(-?\\d+)$").arg(QLatin1String(label)),
                                      QRegularExpression::MultilineOption);
        return line.match(info).captured(1).toInt();
    };
    return {value("Absolute upper-left X"), value("Absolute upper-left Y"), value("Width"), value("Height")};
}

QRect VirtualDesktop::frameGeometry(WindowId window) const
{
    const QList<quint32> extents = numbers(window, QStringLiteral("_NET_FRAME_EXTENTS"));
    if (extents.size() != 4)
        return {};
    const auto edge = [&extents](qsizetype i) { return static_cast<int>(extents[i]); };
    // The order of _NET_FRAME_EXTENTS is left, right, top, bottom.
    return geometry(window).adjusted(-edge(0), -edge(2), edge(1), edge(3));
}

QString VirtualDesktop::property(WindowId window, const QString& name) const
{
    return QString::fromLatin1(
        run(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window), name}).output.trimmed());
}

QList<quint32> VirtualDesktop::numbers(WindowId window, const QString& name) const
{
    return propertyNumbers({QStringLiteral("-id"), QString::number(window)}, name);
}

// Printed as "NAME=1, 2, 3" in the format asked for here; "NAME:  not found." when absent.
QList<quint32> VirtualDesktop::propertyNumbers(const QStringList& owner, const QString& name) const
{
    const QStringList format{QStringLiteral("-f"), name, QStringLiteral("32c"), QStringLiteral("=$0+"), name};
    const ToolResult printed = run(QStringLiteral("xprop"), QStringList{QStringLiteral("-notype")} + owner + format);
    const qsizetype equals = printed.output.indexOf('=');
    if (printed.exitCode != 0 || equals < 0)
        return {};
    return numbersAmong<quint32>(printed.output.mid(equals + 1).split(','));
}

QRect VirtualDesktop::workArea() const
{
    const QList<quint32> area = propertyNumbers({QStringLiteral("-root")}, QStringLiteral("_NET_WORKAREA"));
    if (area.size() < 4)
        return {};
    return {static_cast<int>(area[0]), static_cast<int>(area[1]), static_cast<int>(area[2]),
            static_cast<int>(area[3])};
}

// Asked again until it holds: a window that has just been shown may still take the focus
// after an earlier request, and xdotool's own --sync then waits for ever.
void VirtualDesktop::activate(WindowId window) const
{
    const bool active = waitUntil(activationTimeout, [&] {
        act({QStringLiteral("windowactivate"), QString::number(window)});
        return activeWindow() == window;
    });
    if (!active)
        throw std::runtime_error("the window manager did not activate window " + std::to_string(window));
}

WindowId VirtualDesktop::activeWindow() const
{
    return run(QStringLiteral("xdotool"), {QStringLiteral("getactivewindow")}).output.trimmed().toULongLong();
}

std::optional<QPoint> VirtualDesktop::closeButton(WindowId window) const
{
    const QRect client = geometry(window);
    const QRegularExpression parentLine(QStringLiteral("Parent window id: (0x[0-9a-f]+)"));
    const QString frame =
        parentLine
            .match(QString::fromLatin1(
                run(QStringLiteral("xwininfo"), {QStringLiteral("-tree"), QStringLiteral("-id"), QString::number(window)})
                    .output))
            .captured(1);
    const QString tree = QString::fromLatin1(
        run(QStringLiteral("xwininfo"), {QStringLiteral("-tree"), QStringLiteral("-id"), frame}).output);
    // Each child reads "<id> ...: ()  WxH+x+y  +absoluteX+absoluteY".
    const QRegularExpression childLine(QStringLiteral("(\\d+)x(\\d+)[+-]-?\\d+[+-]-?\\d+\\s+\\+(-?\\d+)\\+(-?\\d+)"));
    std::optional<QRect> rightmost;
    for (auto child = childLine.globalMatch(tree); child.hasNext();) {
        const QRegularExpressionMatch match = child.next();
        const QRect button(match.captured(3).toInt(), match.captured(4).toInt(), match.captured(1).toInt(),
                           match.captured(2).toInt());
        const bool square = button.width() == button.height() && button.width() >= 8 && button.width() <= 40;
        const bool inTitleBar = button.bottom() < client.top() && button.top() >= client.top() - 2 * button.height();
        if (square && inTitleBar && (!rightmost || button.x() > rightmost->x()))
            rightmost = button;
    }
    if (!rightmost)
        return std::nullopt;
    return rightmost->center();
}

// No --sync on the move: this xdotool waits forever for a pointer that is already there, and
// the X server handles the move before the click anyway.
void VirtualDesktop::click(QPoint screenPoint) const
{
    act({QStringLiteral("mousemove"), QString::number(screenPoint.x()), QString::number(screenPoint.y()),
         QStringLiteral("click"), QStringLiteral("1")});
}

void VirtualDesktop::keys(const QStringList& names) const
{
    act(QStringList{QStringLiteral("key")} + names);
}

void VirtualDesktop::act(const QStringList& xdotoolArguments) const
{
    if (run(QStringLiteral("xdotool"), xdotoolArguments).exitCode != 0)
        throw std::runtime_error("xdotool " + xdotoolArguments.join(QLatin1Char(' ')).toStdString() + " failed");
}

} // namespace e2e
