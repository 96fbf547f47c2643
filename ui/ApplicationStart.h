// Creating the Qt application where there may be no display: Qt ends a program whose platform
// cannot start with a paragraph and an abort; the game says so in one line and ends with status 1.
#pragma once

#include <QApplication>

#include <memory>

#include "ui/PlayerLanguage.h"

namespace gelumpa {

// The application, or the end of the program with status 1, told in the player's language, when
// Qt finds no display to open (no DISPLAY or WAYLAND_DISPLAY that answers, and no platform
// chosen that needs none).
std::unique_ptr<QApplication> startApplication(int& argc, char* argv[], const PlayerLanguage& language);

} // namespace gelumpa
