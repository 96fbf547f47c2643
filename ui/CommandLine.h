// The command line, read before any window opens: the usage, the version, the refusal of an
// option the game does not know, or the colour-blind aid asked for. Qt's own options
// (-platform, -display, -session ...) pass on to Qt.
#pragma once

#include <optional>

#include "ui/PlayerLanguage.h"

namespace gelumpa {

// What the command line asks for: an exit status when it is answered at the terminal (--help,
// --version, an unknown option), and otherwise how the game is to start.
struct CommandLineAnswer {
    std::optional<int> exitStatus;
    bool symbols = false;
};

// Prints the answer to --help, --version or an unknown option, in the player's language, and
// gives the status to end with; --symbols, once or more, asks for the shapes.
CommandLineAnswer answerCommandLine(int argc, const char* const argv[], const PlayerLanguage& language);

} // namespace gelumpa
