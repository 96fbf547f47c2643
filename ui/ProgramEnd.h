// How the game ends: at once, from the exit command and from closing the main window alike.
#pragma once

#include <functional>

namespace gelumpa {

// The way the program ends; the real one never returns, the window tests count calls instead.
using ProgramEnd = std::function<void()>;

// Ends the program at once with status 0, through std::_Exit.
[[noreturn]] void endProgram();

} // namespace gelumpa
