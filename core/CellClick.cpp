// A click on a cell: the first click marks a group, a second click on it removes and scores it.
#include <array>

#include "core/NumberText.h"
#include "core/Rules.h"

namespace gelumpa {

void Rules::Box_Click(std::int16_t Index)
{
    const std::int16_t i = Index;
    if (s.gameOver != vbFalse || s.kind(i) == 0)
        return;
    if (s.anchorCell == 0) {
        markGroupAt(i);
        return;
    }
    if (s.selectionCount > 1 && inSelection(i)) {
        removeGroup();
        return;
    }
    unmarkGroup();
    markGroupAt(i);
}

bool Rules::inSelection(std::int16_t i) const
{
    for (std::int16_t k = 1; k <= s.selectionCount; ++k)
        if (s.selection[static_cast<std::size_t>(k)] == i)
            return true;
    return false;
}

void Rules::unmarkGroup()
{
    for (std::int16_t k = 1; k <= s.selectionCount; ++k) {
        const std::int16_t cell = s.selection[static_cast<std::size_t>(k)];
        s.mark(cell) = 0;
        showCell(cell);
    }
}

void Rules::markGroupAt(std::int16_t i)
{
    s.anchorCell = i;
    s.selectionCount = 0;
    markGroup(i, s.kind(i));
    tk.setCaption(Caption::posisilbl, numberText(s.selectionCount));
    for (std::int16_t k = 1; k <= s.selectionCount; ++k)
        showCell(s.selection[static_cast<std::size_t>(k)]);
    if (s.soundOn)
        sound.playSound(Sound::Mark);
}

void Rules::markGroup(std::int16_t cell, std::int16_t kind)
{
    ++s.selectionCount;
    s.mark(cell) = 1;
    s.selection[static_cast<std::size_t>(s.selectionCount)] = cell;
    static constexpr std::array order{Side::Left, Side::Up, Side::Right, Side::Down};
    for (const Side side : order) {
        const std::int16_t n = neighbour(cell, side);
        if (n != 0 && s.mark(n) == 0 && s.kind(n) == kind)
            markGroup(n, kind);
    }
}

void Rules::removeGroup()
{
    for (std::int16_t k = 1; k <= s.selectionCount; ++k) {
        const std::int16_t cell = s.selection[static_cast<std::size_t>(k)];
        s.kind(cell) = 0;
        s.mark(cell) = 0;
        showCell(cell);
    }
    for (std::int16_t j = cellCount; j > cellCount - rowLength; --j)
        dropColumn(j, 0);
    closeEmptyColumns();
    s.score = static_cast<std::int16_t>(s.score + s.selectionCount);
    tk.setCaption(Caption::scorelbl, numberText(s.score));
    s.anchorCell = 0;
    if (s.soundOn)
        sound.playSound(Sound::Remove);
    checkMovesLeft();
}

} // namespace gelumpa
