// Why the game could not open a window, in the terms of the system it runs on: the display
// variables a user sets on Linux, the platform plugin beside the program on Windows. The build
// takes the side (WindowlessStartDisplay.cpp or WindowlessStartWindows.cpp).
#pragma once

#include <QString>

#include "ui/PlayerLanguage.h"

namespace gelumpa {

// The reason, in the player's language, for a line that starts "gelumpa: ".
QString whyNoWindowOpens(const PlayerLanguage& language);

// Whether the window is sure not to open before Qt tries, where Qt would tell it in its own terms
// alone: on Windows, a platform plugin missing beside the program.
bool windowCannotOpen();

} // namespace gelumpa
