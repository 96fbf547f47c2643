// A click on a cell: a click marks the cell's group; a click on a marked group of two or more
// removes and scores it, and a click anywhere else marks that cell's group in its place.
#include <array>

#include "core/NumberText.h"
#include "core/Rules.h"

namespace gelumpa {

void Rules::clickCell(int cell)
{
    if (state.gameOver || state.kind(cell) == 0)
        return;
    if (state.anchorCell == 0) {
        markGroupAt(cell);
        return;
    }
    if (state.selectionCount > 1 && inSelection(cell)) {
        removeGroup();
        return;
    }
    unmarkGroup();
    markGroupAt(cell);
}

bool Rules::inSelection(int cell) const
{
    for (int k = 1; k <= state.selectionCount; ++k)
        if (state.selection[static_cast<std::size_t>(k)] == cell)
            return true;
    return false;
}

void Rules::unmarkGroup()
{
    for (int k = 1; k <= state.selectionCount; ++k) {
        const int cell = state.selection[static_cast<std::size_t>(k)];
        state.marked(cell) = false;
        showCell(cell);
    }
}

void Rules::markGroupAt(int cell)
{
    state.anchorCell = cell;
    state.selectionCount = 0;
    markGroup(cell, state.kind(cell));
    display.showValue(StatusLabel::GroupSize, numberText(state.selectionCount));
    for (int k = 1; k <= state.selectionCount; ++k)
        showCell(state.selection[static_cast<std::size_t>(k)]);
    sounds.play(Sound::Mark);
}

void Rules::markGroup(int cell, int kind)
{
    ++state.selectionCount;
    state.marked(cell) = true;
    state.selection[static_cast<std::size_t>(state.selectionCount)] = cell;
    static constexpr std::array order{Side::Left, Side::Up, Side::Right, Side::Down};
    for (const Side side : order) {
        const int next = neighbour(cell, side);
        if (next != 0 && !state.marked(next) && state.kind(next) == kind)
            markGroup(next, kind);
    }
}

void Rules::removeGroup()
{
    for (int k = 1; k <= state.selectionCount; ++k) {
        const int cell = state.selection[static_cast<std::size_t>(k)];
        state.kind(cell) = 0;
        state.marked(cell) = false;
        showCell(cell);
    }
    for (int cell = cellCount; cell > cellCount - rowLength; --cell)
        dropColumn(cell, 0);
    closeEmptyColumns();
    state.score += state.selectionCount;
    display.showValue(StatusLabel::Score, numberText(state.score));
    state.anchorCell = 0;
    sounds.play(Sound::Remove);
    checkMovesLeft();
}

} // namespace gelumpa
