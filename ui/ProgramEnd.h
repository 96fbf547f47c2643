// How the game ends: at once, from the exit command and from closing the main window alike.
#pragma once

#include <functional>

namespace gelumpa {

// The way the process ends; the real one never returns, the window tests count calls instead.
using ProcessEnd = std::function<void()>;

// Ends the process at once with status 0, through std::_Exit.
[[noreturn]] void endProcess();

} // namespace gelumpa
