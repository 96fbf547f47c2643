// A new game: a board of 20 pieces of each kind, filled in order and then mixed
// according to the level, shown whole, with the counters back at zero.
#include <utility>

#include "core/NumberText.h"
#include "game/Game.h"

namespace gelumpa {

namespace {
constexpr std::int16_t piecesPerKind = 20;
constexpr int runSwaps = 50;
} // namespace

void Game::newGame()
{
    dealBoard();
    state.anchorCell = 0;
    state.score = 0;
    state.selectionCount = 0;
    tk.setCaption(Caption::posisilbl, numberText(state.selectionCount));
    tk.setCaption(Caption::scorelbl, numberText(state.score));
    state.gameOver = vbFalse;
}

void Game::dealBoard()
{
    tk.seedFromClock();
    std::int16_t k = 1;
    for (std::int16_t i = 1; i <= cellCount; ++i) {
        state.kind(i) = k;
        state.mark(i) = 0;
        if (i % piecesPerKind == 0)
            ++k;
    }
    if (state.level == 2)
        mixByCells();
    else
        mixByRuns();
    for (std::int16_t i = 1; i <= cellCount; ++i)
        rules.showCell(i);
}

// A whole number from first .. first + count - 1.
std::int16_t Game::draw(std::int16_t count, std::int16_t first)
{
    return static_cast<std::int16_t>(static_cast<int>(tk.drawUniform() * count) + first);
}

// Nightmare: every cell in turn trades places with a drawn cell.
void Game::mixByCells()
{
    for (std::int16_t i = 1; i <= cellCount; ++i)
        std::swap(state.kind(i), state.kind(draw(cellCount, 1)));
}

// Piece of Tokay: short runs trade places; a source run may cross a row end,
// a destination run stays within its row.
void Game::mixByRuns()
{
    for (int swap = 0; swap < runSwaps; ++swap) {
        std::int16_t a = draw(cellCount, 1);
        std::int16_t n = draw(3, 2);
        while (a + n - 1 > cellCount) {
            a = draw(cellCount, 1);
            n = draw(3, 2);
        }
        std::int16_t b = 0;
        do {
            b = draw(cellCount, 1);
        } while (columnOf(b) + n - 1 > rowLength);
        for (std::int16_t m = 0; m < n; ++m)
            std::swap(state.kind(static_cast<std::int16_t>(a + m)), state.kind(static_cast<std::int16_t>(b + m)));
    }
}

} // namespace gelumpa
