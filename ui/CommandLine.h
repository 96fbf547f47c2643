// The command line, answered before any window opens: the usage, the version, or the refusal
// of an option the game does not know. Qt's own options (-platform, -display, -session ...) pass on to Qt.
#pragma once

#include <optional>

namespace gelumpa {

// Prints the answer and returns the exit status when the command line asks for something
// other than the game (--help, --version, an unknown option); nothing when the game is to start.
std::optional<int> answerCommandLine(int argc, const char* const argv[]);

} // namespace gelumpa
