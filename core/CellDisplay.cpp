// What a cell shows follows from its kind and mark alone.
#include "core/Rules.h"

namespace gelumpa {

void Rules::showCell(int cell)
{
    if (state.kind(cell) == 0)
        display.clearCell(cell);
    else
        display.showPiece(cell, state.kind(cell), state.marked(cell) ? PieceLook::Highlighted : PieceLook::Normal);
}

} // namespace gelumpa
