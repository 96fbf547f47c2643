// The seeded bursts as command lines; see StormScript.h.
#include "StormScript.h"

#include "tests/support/BoardPicture.h"
#include "tests/support/PiecePicture.h"

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

StormScript::StormScript(std::uint32_t seed, const ScreenPlaces& places) : moves(weights, seed), places(places) {}

Burst StormScript::nextBurst(QPoint from)
{
    pointer = from;
    cursorCommands.clear();
    Burst burst;
    for (int count = between(shortestBurst, longestBurst); count > 0; --count)
        addMove(burst);
    // The cursor's keys go first: behind a menu command they could reach its menu, where
    // Return chooses an item (the exit too).
    burst.commands = cursorCommands + burst.commands;
    return burst;
}

void StormScript::addMove(Burst& burst)
{
    using gelumpa::model::Act;
    using e2e::MenuCommand;
    const gelumpa::model::Move move = *moves.next();
    switch (move.act) {
    case Act::ClickCell:
    case Act::ClickTwice: {
        // A keyboard player's move in place of one click in four.
        if (moves.below(4) == 0) {
            addCursorKeys(burst);
            return;
        }
        // Now and then the cell clicked last, as a player finishing a move does.
        const bool again = !lastCellPoint.isNull() && moves.below(5) == 0;
        lastCellPoint = again ? lastCellPoint : cellPoint(move.argument);
        clickAt(burst, places.clientOrigin + lastCellPoint, move.act == Act::ClickCell ? 1 : 2);
        return;
    }
    case Act::ClickBeside:
        if (move.argument < marginClicks) {
            // The white margins and the black frame around the cells, on all four sides.
            QPoint point;
            switch (moves.below(4)) {
            case 0: point = pointIn(0, 0, boardLeft - 1, panelTop - 1); break;
            case 1: point = pointIn(boardLeft + boardSide, 0, e2e::clientWidth - 1, panelTop - 1); break;
            case 2: point = pointIn(0, 0, e2e::clientWidth - 1, boardTop - 1); break;
            default: point = pointIn(0, boardTop + boardSide, e2e::clientWidth - 1, panelTop - 1); break;
            }
            clickAt(burst, places.clientOrigin + point);
        } else if (move.argument < marginClicks + panelClicks) {
            clickAt(burst, places.clientOrigin + pointIn(0, panelTop, e2e::clientWidth - 1, e2e::clientHeight - 1));
        } else {
            // Where the picture windows come up, centred on the main window.
            clickAt(burst, places.windowMiddle +
                               QPoint(between(-pictureReachX, pictureReachX), between(-pictureReachY, pictureReachY)));
        }
        return;
    case Act::Level: choose(burst, move.argument == 1 ? MenuCommand::PieceOfTokay : MenuCommand::Nightmare); return;
    case Act::Sound: choose(burst, move.argument == 1 ? MenuCommand::SoundOn : MenuCommand::SoundOff); return;
    case Act::About: choose(burst, MenuCommand::About); return;
    default: choose(burst, MenuCommand::NewGame); return; // the only other act the weights give
    }
}

void StormScript::clickAt(Burst& burst, QPoint target, int times)
{
    const QPoint step = target - pointer;
    if (!step.isNull())
        burst.commands << "mousemove_relative" << "--" << QString::number(step.x()) << QString::number(step.y());
    pointer = target;
    for (int click = 0; click < times; ++click)
        burst.commands << "mousedown" << "1" << "mouseup" << "1";
    burst.events += times;
}

void StormScript::choose(Burst& burst, e2e::MenuCommand command)
{
    burst.commands << "key" << "--delay" << "0" << e2e::menuKeys(command);
    ++burst.events;
}

// A few of the cursor's keys, then Space, Return or keypad Enter on its cell; or, now and then,
// a key held down until it repeats: a held Space or Return must act once only.
void StormScript::addCursorKeys(Burst& burst)
{
    static constexpr std::array moving{"Left", "Right", "Up", "Down", "Home", "End"};
    static constexpr std::array acting{"space", "Return", "KP_Enter"};
    ++burst.events;
    if (moves.below(8) == 0) {
        const QString held = QLatin1String(moves.below(2) == 0 ? moving[static_cast<std::size_t>(moves.below(4))]
                                                                : acting[static_cast<std::size_t>(moves.below(2))]);
        // Longer than the X server's delay before it repeats a key.
        cursorCommands << "keydown" << held << "sleep" << "0.8" << "keyup" << held;
        return;
    }
    cursorCommands << "key" << "--delay" << "0";
    for (int step = between(0, 4); step > 0; --step)
        cursorCommands << QLatin1String(moving[static_cast<std::size_t>(moves.below(6))]);
    cursorCommands << QLatin1String(acting[static_cast<std::size_t>(moves.below(3))]);
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
