// The storm's script: seeded random bursts of a player's actions on the game's window. The
// actions depend on the seed alone, never on what the game shows, so a seed replays them.
#pragma once

#include <QPoint>

#include <cstdint>
#include <random>
#include <vector>

namespace storm {

enum class Act {
    CellClick,
    CellDoubleClick,
    MarginClick,
    PanelClick,
    PictureClick,
    NewGame,
    PieceOfTokay,
    Nightmare,
    SoundOn,
    SoundOff,
    About,
};
inline constexpr int actCount = static_cast<int>(Act::About) + 1;

bool isMenuCommand(Act act);
const char* nameOf(Act act);

struct Action {
    Act act;
    // Clicks: the point in the main window's client area, or, for PictureClick, the offset
    // from the middle of the main window, where the picture windows come up.
    QPoint point;
};

class StormScript {
public:
    explicit StormScript(std::uint32_t seed);

    std::vector<Action> nextBurst();

private:
    Action nextAction();
    QPoint cellPoint();
    QPoint pointIn(int left, int top, int right, int bottom);

    std::mt19937 random;
    QPoint lastCellPoint;
};

} // namespace storm
