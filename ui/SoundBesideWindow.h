// The window's side of the sound output: its repaint shown before a sound opens a device, and
// the moment, after its first paint, to load the sound library while the game is idle.
#pragma once

#include <QWidget>

#include "audio/SoundOutput.h"

namespace gelumpa {

// Draws what is waiting to be drawn and waits until the window system has taken it. Handles no
// input, so it may run inside a handler of the game.
void showPendingRepaints();

// Has the output prepare itself once the widget has been painted for the first time.
void prepareAfterFirstPaint(SoundOutput& output, QWidget& widget);

} // namespace gelumpa
