// An openbox configuration without mouse and key bindings, in force for the window manager
// the desktop starts while this object lives.
#pragma once

#include <QByteArray>
#include <QTemporaryDir>

namespace storm {

// By default openbox grabs every press on a window to focus and raise it, and while it holds
// the press the pointer moves on: presses queued behind it then land where the pointer has
// gone. Without the binding every press reaches the game where it was aimed.
class QuietWindowManager {
public:
    QuietWindowManager();
    ~QuietWindowManager();
    QuietWindowManager(const QuietWindowManager&) = delete;
    QuietWindowManager& operator=(const QuietWindowManager&) = delete;

private:
    QTemporaryDir configHome;
    QByteArray previousConfigHome;
    bool hadConfigHome = false;
};

} // namespace storm
