// The storm's script: seeded random bursts of a player's clicks, cursor keys and menu commands
// on the game's window, the moves chosen by the random player every test layer shares, each burst one
// xdotool command line. The actions depend on the seed alone, never on what the game shows, so
// a seed replays them.
#pragma once

#include "tests/support/GameUnderTest.h"
#include "tests/support/MovePicker.h"

#include <QPoint>
#include <QStringList>

#include <cstdint>

namespace storm {

// Where the script's points land on the screen.
struct ScreenPlaces {
    QPoint clientOrigin;
    QPoint windowMiddle;
};

// A burst as one command line, so the X server queues its events far faster than the game
// handles them: presses and releases without pauses, keys without delay.
struct Burst {
    QStringList commands;
    int events = 0;
};

class StormScript {
public:
    StormScript(std::uint32_t seed, const ScreenPlaces& places);

    // The pointer goes from `pointer` by relative moves: xdotool moves it to an absolute place
    // by warping it at once, ahead of the presses still queued before, which then land at the
    // new place; relative moves queue in order with the presses.
    Burst nextBurst(QPoint pointer);

private:
    void addMove(Burst& burst);
    void clickAt(Burst& burst, QPoint target, int times = 1);
    void choose(Burst& burst, e2e::MenuCommand command);
    void addCursorKeys(Burst& burst);
    QPoint cellPoint(int cell);
    QPoint pointIn(int left, int top, int right, int bottom);
    int between(int first, int last) { return first + moves.below(last - first + 1); }

    gelumpa::model::MovePicker moves;
    ScreenPlaces places;
    QPoint pointer;
    QPoint lastCellPoint;
    // The burst's cursor keys, sent ahead of the rest of it.
    QStringList cursorCommands;
};

} // namespace storm
