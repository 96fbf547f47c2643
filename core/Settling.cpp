// Settling after a removal: pieces fall into the holes of their column, then
// columns left empty close up towards the left.
#include "core/Rules.h"

namespace gelumpa {

void Rules::dropColumn(int cell, int holes)
{
    if (cell < 1)
        return;
    const int above = cell - rowLength;
    if (state.kind(cell) == 0) {
        dropColumn(above, holes + 1);
        return;
    }
    if (holes != 0) {
        const int target = cell + rowLength * holes;
        state.kind(target) = state.kind(cell);
        state.kind(cell) = 0;
        // The target is repainted first, then the cell the piece left.
        showCell(target);
        showCell(cell);
    }
    dropColumn(above, holes);
}

void Rules::closeEmptyColumns()
{
    int emptyCount = 0;
    for (int bottom = cellCount - rowLength + 1; bottom <= cellCount; ++bottom) {
        if (state.kind(bottom) == 0) {
            ++emptyCount;
            continue;
        }
        if (emptyCount == 0)
            continue;
        for (int from = bottom; from >= 1; from -= rowLength) {
            const int to = from - emptyCount;
            state.kind(to) = state.kind(from);
            state.kind(from) = 0;
            // A cell that receives nothing already shows the empty picture.
            if (state.kind(to) != 0)
                showCell(to);
            showCell(from);
        }
    }
}

} // namespace gelumpa
