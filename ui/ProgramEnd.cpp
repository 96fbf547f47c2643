// The game leaves through std::_Exit, so that no handler runs after the exit: no exit
// handler, no destructor, and no handler of ours still on the stack, not even one that a
// sound's waiting events interrupted and that would go on to show a window again. Nothing
// is lost by leaving this way: the game stores nothing, neither settings nor scores.
#include "ui/ProgramEnd.h"

#include <cstdio>
#include <cstdlib>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace gelumpa {

void endProgram()
{
    std::fflush(nullptr);
#if defined(__SANITIZE_ADDRESS__)
    // std::_Exit skips the leak check a sanitized build runs at a normal exit; run it here,
    // so memory the game lost is still reported. What is alive now is not lost.
    __lsan_do_leak_check();
#endif
    std::_Exit(0);
}

} // namespace gelumpa
