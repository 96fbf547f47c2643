// The window's picture before the sound's work: a repaint shown before a sound opens a device,
// and the sound library loaded only once the window has been painted for the first time.
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
