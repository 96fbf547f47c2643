// Settling after a removal: pieces fall into the holes of their column, then
// columns left empty close up towards the left.
#include "core/Rules.h"

namespace gelumpa {

void Rules::dropColumn(std::int16_t cell, std::int16_t holes)
{
    if (cell < 1)
        return;
    const auto above = static_cast<std::int16_t>(cell - rowLength);
    if (s.kind(cell) == 0) {
        dropColumn(above, static_cast<std::int16_t>(holes + 1));
        return;
    }
    if (holes != 0) {
        const auto target = static_cast<std::int16_t>(cell + rowLength * holes);
        s.kind(target) = s.kind(cell);
        s.kind(cell) = 0;
        // The target is repainted first, then the cell the piece left.
        showCell(target);
        showCell(cell);
    }
    dropColumn(above, holes);
}

void Rules::closeEmptyColumns()
{
    std::int16_t emptyCount = 0;
    for (std::int16_t i = cellCount - rowLength + 1; i <= cellCount; ++i) {
        if (s.kind(i) == 0) {
            ++emptyCount;
            continue;
        }
        if (emptyCount == 0)
            continue;
        for (auto j = i; j >= i - (cellCount - rowLength); j = static_cast<std::int16_t>(j - rowLength)) {
            const auto to = static_cast<std::int16_t>(j - emptyCount);
            s.kind(to) = s.kind(j);
            s.kind(j) = 0;
            // A cell that receives nothing already shows the empty picture.
            if (s.kind(to) != 0)
                showCell(to);
            showCell(j);
        }
    }
}

} // namespace gelumpa
