// A new game: a board of 20 pieces of each kind, filled in order and then mixed
// according to the level, shown whole, with the counters back at zero.
#include <utility>

#include "core/NumberText.h"
#include "game/Game.h"

namespace gelumpa {

namespace {
constexpr int piecesPerKind = 20;
constexpr int runSwaps = 50;
} // namespace

void Game::newGame()
{
    dealBoard();
    state.anchorCell = 0;
    state.score = 0;
    state.selectionCount = 0;
    display.showValue(StatusLabel::GroupSize, numberText(state.selectionCount));
    display.showValue(StatusLabel::Score, numberText(state.score));
    state.gameOver = false;
}

void Game::dealBoard()
{
    chance.seedFromClock();
    int kind = 1;
    for (int cell = 1; cell <= cellCount; ++cell) {
        state.kind(cell) = kind;
        state.marked(cell) = false;
        if (cell % piecesPerKind == 0)
            ++kind;
    }
    if (state.level == Level::Nightmare)
        mixByCells();
    else
        mixByRuns();
    for (int cell = 1; cell <= cellCount; ++cell)
        rules.showCell(cell);
}

// A whole number from first .. first + count - 1.
int Game::draw(int count, int first)
{
    return static_cast<int>(chance.drawUniform() * count) + first;
}

// Nightmare: every cell in turn trades places with a drawn cell.
void Game::mixByCells()
{
    for (int cell = 1; cell <= cellCount; ++cell)
        std::swap(state.kind(cell), state.kind(draw(cellCount, 1)));
}

// Piece of Tokay: short runs trade places; a source run may cross a row end,
// a destination run stays within its row.
void Game::mixByRuns()
{
    for (int swap = 0; swap < runSwaps; ++swap) {
        int source = draw(cellCount, 1);
        int length = draw(3, 2);
        while (source + length - 1 > cellCount) {
            source = draw(cellCount, 1);
            length = draw(3, 2);
        }
        int target = 0;
        do {
            target = draw(cellCount, 1);
        } while (columnOf(target) + length - 1 > rowLength);
        for (int m = 0; m < length; ++m)
            std::swap(state.kind(source + m), state.kind(target + m));
    }
}

} // namespace gelumpa
