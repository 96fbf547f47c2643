// A private Wayland desktop for one test: weston's headless back end in a runtime directory of
// its own, and its screenshots. It has no input devices, so it is looked at, never played on.
#pragma once

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace e2e {

class HeadlessWeston {
public:
    // Starts weston and waits for its socket; throws std::runtime_error when it does not come up.
    HeadlessWeston();
    ~HeadlessWeston();
    HeadlessWeston(const HeadlessWeston&) = delete;
    HeadlessWeston& operator=(const HeadlessWeston&) = delete;

    // The test's own environment as a client of this compositor sees it, with no X display
    // beside it, so a program that shows a window can only show it here.
    QProcessEnvironment environment() const;

    // The whole output as weston composes it; throws std::runtime_error when none is taken.
    QImage screenshot() const;

private:
    // Mode 0700, as libwayland wants the directory of its sockets.
    QTemporaryDir runtimeDirectory;
    QProcess weston;
};

} // namespace e2e
