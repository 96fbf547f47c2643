// What a cell shows follows from its kind and mark alone.
#include "core/Rules.h"

namespace gelumpa {

void Rules::showCell(std::int16_t i)
{
    if (s.kind(i) == 0)
        tk.clearCell(i);
    else
        tk.showPiece(i, s.kind(i), s.mark(i) != 0 ? PieceLook::Highlighted : PieceLook::Normal);
}

} // namespace gelumpa
