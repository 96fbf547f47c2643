// What the hostile-environment tests look at besides the screen: which files the game
// holds open and how much CPU time the game has used; the
// click a sound must not hold up; the way out they all end with; and the game run at a
// terminal, to its end, where it has no display.
#pragma once

#include "tests/support/GameUnderTest.h"
#include "tests/support/VirtualDesktop.h"
#include "tests/support/Waiting.h"

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <chrono>

namespace e2e {

// Whether the process holds `path` open (a file the path names, resolved through links).
bool holdsOpen(qint64 processId, const QString& path);
// The CPU time the process has used so far, in clock ticks.
long cpuTicks(qint64 processId);

// A click's highlight must show this soon, screenshot included, or a sound call kept the
// window waiting.
inline constexpr std::chrono::milliseconds highlightDeadline{2000};

// Call these through ASSERT_NO_FATAL_FAILURE.
// Clicks the cell and checks that its group shows marked within the highlight deadline.
void markPromptly(GameUnderTest& game, const Board& board, int cell);
// Answers the exit question, once asked, with OK.
void confirmExit(GameUnderTest& game, const VirtualDesktop& desktop);
// Checks that the game ends, without a crash, with status 0.
void expectExitWithStatusZero(GameUnderTest& game, const VirtualDesktop& desktop);
// The exit command, its question answered OK, and the end with status 0.
void leaveWithStatusZero(GameUnderTest& game, const VirtualDesktop& desktop);

// How a run of the game ended by itself and what it wrote; `ended` is false when it was still
// running at the deadline and had to be killed.
struct EndedRun {
    bool ended = false;
    bool normalExit = false;
    int exitCode = -1;
    QByteArray output;
    QByteArray errors;
};
EndedRun runToItsEnd(const QStringList& arguments, const QProcessEnvironment& environment);

// This process's environment with no display in it: no DISPLAY, no WAYLAND_DISPLAY, no chosen
// platform nor session type, and the given empty runtime directory, where no Wayland socket is.
QProcessEnvironment environmentWithoutDisplay(const QString& runtimeDirectory);

} // namespace e2e
