// The wait in a build whose Qt has no X11 platform (Windows): there is no X server to ask.
#include "ui/WindowSystemWait.h"

namespace gelumpa {

void waitForWindowSystem() {}

} // namespace gelumpa
