// The seeded bursts; see StormScript.h.
#include "StormScript.h"

#include "BoardPicture.h"
#include "PiecePicture.h"

#include <QRect>

#include <algorithm>
#include <array>

namespace storm {

namespace {

constexpr int shortestBurst = 15;
constexpr int longestBurst = 90;

// Clicks beside the cells: on the margins and the frame, on the status panel, or where the
// picture windows come up.
constexpr int marginClicks = 50;
constexpr int panelClicks = 40;
constexpr int beside = marginClicks + panelClicks + 40;

// Weights per thousand moves. Most moves play: double clicks on one cell mark and then
// remove its group, so games really progress and end. New games, level changes and the about
// window (which covers the board and takes the keys) are rare enough that a game often runs to
// its end. The storm never asks to leave.
constexpr gelumpa::model::MoveWeights weights{
    .acts = {300, 0, 2, 4, 34, 6, 0, 0, 524, beside},
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

StormScript::StormScript(std::uint32_t seed) : moves(weights, seed) {}

std::vector<Action> StormScript::nextBurst()
{
    std::vector<Action> burst(static_cast<std::size_t>(between(shortestBurst, longestBurst)));
    for (Action& action : burst)
        action = nextAction();
    // The cursor's keys go first: behind a menu command they could reach its menu, where
    // Return chooses an item (the exit too).
    std::stable_partition(burst.begin(), burst.end(), [](const Action& action) { return action.act == storm::Act::Keys; });
    return burst;
}

Action StormScript::nextAction()
{
    using gelumpa::model::Act;
    const gelumpa::model::Move move = *moves.next();
    switch (move.act) {
    case Act::ClickCell:
    case Act::ClickTwice: {
        // A keyboard player's move in place of one click in four.
        if (moves.below(4) == 0)
            return cursorKeys();
        // Now and then the cell clicked last, as a player finishing a move does.
        const bool again = !lastCellPoint.isNull() && moves.below(5) == 0;
        lastCellPoint = again ? lastCellPoint : cellPoint(move.argument);
        return {move.act == Act::ClickCell ? storm::Act::Click : storm::Act::DoubleClick, lastCellPoint};
    }
    case Act::ClickBeside:
        if (move.argument < marginClicks) {
            // The white margins and the black frame around the cells, on all four sides.
            switch (moves.below(4)) {
            case 0: return {storm::Act::Click, pointIn(0, 0, boardLeft - 1, panelTop - 1)};
            case 1: return {storm::Act::Click, pointIn(boardLeft + boardSide, 0, e2e::clientWidth - 1, panelTop - 1)};
            case 2: return {storm::Act::Click, pointIn(0, 0, e2e::clientWidth - 1, boardTop - 1)};
            default: return {storm::Act::Click, pointIn(0, boardTop + boardSide, e2e::clientWidth - 1, panelTop - 1)};
            }
        }
        if (move.argument < marginClicks + panelClicks)
            return {storm::Act::Click, pointIn(0, panelTop, e2e::clientWidth - 1, e2e::clientHeight - 1)};
        return {storm::Act::PictureClick,
                QPoint(between(-pictureReachX, pictureReachX), between(-pictureReachY, pictureReachY))};
    case Act::Level:
        return {storm::Act::Command, QPoint(),
                move.argument == 1 ? e2e::MenuCommand::PieceOfTokay : e2e::MenuCommand::Nightmare};
    case Act::Sound:
        return {storm::Act::Command, QPoint(),
                move.argument == 1 ? e2e::MenuCommand::SoundOn : e2e::MenuCommand::SoundOff};
    case Act::About: return {storm::Act::Command, QPoint(), e2e::MenuCommand::About};
    default: return {storm::Act::Command, QPoint(), e2e::MenuCommand::NewGame}; // the only other act the weights give
    }
}

// A few of the cursor's keys, then Space or Return on its cell; or, now and then, a key held
// down until it repeats: a held Space or Return must act once only.
Action StormScript::cursorKeys()
{
    static constexpr std::array moving{"Left", "Right", "Up", "Down", "Home", "End"};
    static constexpr std::array acting{"space", "Return", "KP_Enter"};
    Action action{storm::Act::Keys, QPoint()};
    if (moves.below(8) == 0) {
        action.held = QLatin1String(moves.below(2) == 0 ? moving[static_cast<std::size_t>(moves.below(4))]
                                                         : acting[static_cast<std::size_t>(moves.below(2))]);
        return action;
    }
    for (int step = between(0, 4); step > 0; --step)
        action.keys << QLatin1String(moving[static_cast<std::size_t>(moves.below(6))]);
    action.keys << QLatin1String(acting[static_cast<std::size_t>(moves.below(3))]);
    return action;
}

// Pieces gather at the bottom left as a game goes on, so the clicks lean that way: the lower
// row and the left column of the cell picked and another.
QPoint StormScript::cellPoint(int cell)
{
    for (;;) {
        const int other = moves.below(e2e::cellCount);
        const int row = std::max((cell - 1) / e2e::rowLength, other / e2e::rowLength);
        const int column = std::min((cell - 1) % e2e::rowLength, other % e2e::rowLength);
        const QPoint point(boardLeft + column * e2e::pieceSize + moves.below(e2e::pieceSize),
                           boardTop + row * e2e::pieceSize + moves.below(e2e::pieceSize));
        if (!underGameMenu.contains(point))
            return point;
        cell = moves.below(e2e::cellCount) + 1;
    }
}

QPoint StormScript::pointIn(int left, int top, int right, int bottom)
{
    for (;;) {
        const QPoint point(between(left, right), between(top, bottom));
        if (!underGameMenu.contains(point))
            return point;
    }
}

} // namespace storm
