// A burst as one xdotool command line, so the X server queues its events far faster than
// the game handles them: presses and releases without pauses, keys without delay.
#pragma once

#include "StormScript.h"

#include <QPoint>
#include <QStringList>

#include <vector>

namespace storm {

// Where the script's points land on the screen.
struct ScreenPlaces {
    QPoint clientOrigin;
    QPoint windowMiddle;
};

// The pointer goes from `pointer` by relative moves: xdotool moves it to an absolute place by
// warping it at once, ahead of the presses still queued before, which then land at the new
// place; relative moves queue in order with the presses.
QStringList burstCommands(const std::vector<Action>& burst, const ScreenPlaces& places, QPoint pointer);

} // namespace storm
