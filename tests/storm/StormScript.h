// The storm's script: seeded random bursts of a player's actions on the game's window, the
// moves chosen by the random player every test layer shares. The actions depend on the seed
// alone, never on what the game shows, so a seed replays them.
#pragma once

#include "GameUnderTest.h"

#include "tests/support/MovePicker.h"

#include <QPoint>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace storm {

enum class Act { Click, DoubleClick, PictureClick, Command, Keys };

struct Action {
    Act act;
    // Clicks: the point in the main window's client area, or, for PictureClick, the offset
    // from the middle of the main window, where the picture windows come up.
    QPoint point;
    // Commands: the one whose access keys are typed.
    e2e::MenuCommand command = e2e::MenuCommand::NewGame;
    // Keys: typed one after the other, then `held` (if any) held down until it repeats.
    QStringList keys{};
    QString held{};
};

class StormScript {
public:
    explicit StormScript(std::uint32_t seed);

    std::vector<Action> nextBurst();

private:
    Action nextAction();
    Action cursorKeys();
    QPoint cellPoint(int cell);
    QPoint pointIn(int left, int top, int right, int bottom);
    int between(int first, int last) { return first + moves.below(last - first + 1); }

    gelumpa::model::MovePicker moves;
    QPoint lastCellPoint;
};

} // namespace storm
