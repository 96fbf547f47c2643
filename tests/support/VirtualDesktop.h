// A private X desktop for one test: its own Xvfb display with openbox managing the windows,
// and the X tools (xdotool, xprop, import) that look at it and act on it as a player would.
#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>

namespace e2e {

using WindowId = qulonglong;

struct ToolResult {
    int exitCode = -1;
    QByteArray output;
};

// Makes a child process die with the test process, so a test killed by its timeout leaves
// no X server or game behind.
void dieWithParent(QProcess& process);
// Asks the process to end, and kills it when it does not end in time.
void stop(QProcess& process);

class VirtualDesktop {
public:
    static constexpr QSize defaultScreen{1024, 768};

    // Starts Xvfb with a screen of this size on a free display and openbox on it; throws
    // std::runtime_error when either does not come up in time.
    explicit VirtualDesktop(QSize screen = defaultScreen);
    ~VirtualDesktop();
    VirtualDesktop(const VirtualDesktop&) = delete;
    VirtualDesktop& operator=(const VirtualDesktop&) = delete;

    const QString& displayName() const { return display; }
    // The test's own environment with DISPLAY pointing at this desktop.
    QProcessEnvironment environment() const;

    ToolResult run(const QString& program, const QStringList& arguments) const;

    // The whole screen as the player sees it; the last one taken stays available.
    QImage screenshot() const;
    const QImage& lastScreenshot() const { return lastShot; }

    // Visible windows whose title matches the regular expression.
    QList<WindowId> visibleWindows(const QString& titlePattern) const;
    // "title" of every visible window, for telling what was on screen when a test failed.
    QStringList visibleWindowTitles() const;
    std::optional<WindowId> waitForWindow(const QString& titlePattern, std::chrono::milliseconds timeout) const;
    bool waitForNoWindow(const QString& titlePattern, std::chrono::milliseconds timeout) const;
    // The window's inside (without decorations) in screen coordinates.
    QRect geometry(WindowId window) const;
    // The window's inside with the window manager's frame around it, from _NET_FRAME_EXTENTS.
    QRect frameGeometry(WindowId window) const;
    // The window's X property as xprop prints it, e.g. "_NET_FRAME_EXTENTS(CARDINAL) = 0, 0, 0, 0".
    QString property(WindowId window, const QString& name) const;
    // The window's property read as 32-bit numbers; empty when the window does not have it.
    QList<quint32> numbers(WindowId window, const QString& name) const;
    // The part of the screen the window manager gives to windows, from the root's _NET_WORKAREA.
    QRect workArea() const;
    // Asks the window manager to give the window the focus until it has; throws when it never does.
    void activate(WindowId window) const;
    // The centre of the close button in the window's title bar, as openbox lays it out:
    // the rightmost small square in the title bar's row of buttons.
    std::optional<QPoint> closeButton(WindowId window) const;

    void click(QPoint screenPoint) const;
    // Key names as xdotool takes them, typed one after another: "alt+h", "Left", "r".
    void keys(const QStringList& names) const;

private:
    void startServer(QSize screen);
    void startWindowManager();
    // Runs xdotool to act on the desktop; throws std::runtime_error when it fails.
    void act(const QStringList& xdotoolArguments) const;
    WindowId activeWindow() const;
    // A property of the window xprop's `owner` arguments name, read as 32-bit numbers.
    QList<quint32> propertyNumbers(const QStringList& owner, const QString& name) const;

    QProcess xvfb;
    QProcess openbox;
    QString display;
    mutable QImage lastShot;
};

} // namespace e2e
