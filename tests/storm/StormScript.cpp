// The seeded bursts; see StormScript.h.
#include "StormScript.h"

#include "BoardPicture.h"
#include "GameUnderTest.h"
#include "PiecePicture.h"

#include <QRect>

#include <array>

namespace storm {

namespace {

constexpr int shortestBurst = 15;
constexpr int longestBurst = 90;

// Weights per thousand actions. Most actions play: double clicks on one cell mark and then
// remove its group, so games really progress and end. New games, level changes and the about
// window (which covers the board and takes the keys) are rare enough that a game often runs to
// its end; sound is switched on far more often than off.
constexpr std::array<int, actCount> weights{
    300, // CellClick
    524, // CellDoubleClick
    50,  // MarginClick
    40,  // PanelClick
    40,  // PictureClick
    2,   // NewGame
    2,   // PieceOfTokay
    2,   // Nightmare
    26,  // SoundOn
    8,   // SoundOff
    6,   // About
};

// The "Game Menu" drops down over the board's top left corner; a click that arrived while it
// is still open could hit its exit item. The storm never clicks there.
constexpr QRect underGameMenu{0, 0, 200, 64};

constexpr int boardLeft = 24;
constexpr int boardTop = 16;
constexpr int boardSide = e2e::rowLength * e2e::pieceSize;
constexpr int panelTop = 352;
// The picture windows are centred on the main window and are larger than this either way.
constexpr int pictureReachX = 140;
constexpr int pictureReachY = 80;

} // namespace

bool isMenuCommand(Act act)
{
    return act >= Act::NewGame;
}

const char* nameOf(Act act)
{
    constexpr std::array<const char*, actCount> names{
        "cell clicks",      "cell double clicks", "margin clicks",   "panel clicks",
        "picture clicks",   "new games",          "Piece of Tokay",  "Nightmare",
        "Make me mad !!",   "Keep silent..",      "about",
    };
    return names[static_cast<std::size_t>(act)];
}

StormScript::StormScript(std::uint32_t seed) : random(seed) {}

std::vector<Action> StormScript::nextBurst()
{
    std::uniform_int_distribution<int> length(shortestBurst, longestBurst);
    std::vector<Action> burst(static_cast<std::size_t>(length(random)));
    for (Action& action : burst)
        action = nextAction();
    return burst;
}

Action StormScript::nextAction()
{
    std::discrete_distribution<int> pick(weights.begin(), weights.end());
    const Act act = static_cast<Act>(pick(random));
    switch (act) {
    case Act::CellClick:
    case Act::CellDoubleClick: {
        // Now and then the cell clicked last, as a player finishing a move does.
        const bool again = !lastCellPoint.isNull() && std::bernoulli_distribution(0.2)(random);
        lastCellPoint = again ? lastCellPoint : cellPoint();
        return {act, lastCellPoint};
    }
    case Act::MarginClick: {
        // The white margins and the black frame around the cells, on all four sides.
        switch (std::uniform_int_distribution<int>(0, 3)(random)) {
        case 0: return {act, pointIn(0, 0, boardLeft - 1, panelTop - 1)};
        case 1: return {act, pointIn(boardLeft + boardSide, 0, e2e::clientWidth - 1, panelTop - 1)};
        case 2: return {act, pointIn(0, 0, e2e::clientWidth - 1, boardTop - 1)};
        default: return {act, pointIn(0, boardTop + boardSide, e2e::clientWidth - 1, panelTop - 1)};
        }
    }
    case Act::PanelClick:
        return {act, pointIn(0, panelTop, e2e::clientWidth - 1, e2e::clientHeight - 1)};
    case Act::PictureClick:
        return {act, QPoint(std::uniform_int_distribution<int>(-pictureReachX, pictureReachX)(random),
                            std::uniform_int_distribution<int>(-pictureReachY, pictureReachY)(random))};
    default:
        return {act, QPoint()};
    }
}

// Pieces gather at the bottom left as a game goes on, so the clicks lean that way:
// the lower of two rows drawn, the left of two columns.
QPoint StormScript::cellPoint()
{
    std::uniform_int_distribution<int> line(0, e2e::rowLength - 1);
    std::uniform_int_distribution<int> inside(0, e2e::pieceSize - 1);
    for (;;) {
        const int row = std::max(line(random), line(random));
        const int column = std::min(line(random), line(random));
        const QPoint point(boardLeft + column * e2e::pieceSize + inside(random),
                           boardTop + row * e2e::pieceSize + inside(random));
        if (!underGameMenu.contains(point))
            return point;
    }
}

QPoint StormScript::pointIn(int left, int top, int right, int bottom)
{
    for (;;) {
        const QPoint point(std::uniform_int_distribution<int>(left, right)(random),
                           std::uniform_int_distribution<int>(top, bottom)(random));
        if (!underGameMenu.contains(point))
            return point;
    }
}

} // namespace storm
