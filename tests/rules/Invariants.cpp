// The invariants of the board, the selection, the counters and what the screen shows.
// Written without allocation while all holds, so the random games can check every handler.
#include "tests/rules/Invariants.h"

namespace gelumpa::test {

namespace {

using CellSet = std::array<bool, 101>;

std::string numberLabel(int value) { return " " + std::to_string(value); }

ShownPicture expectedPicture(const GameState& s, std::int16_t i)
{
    if (s.kind(i) == 0)
        return ShownPicture{};
    return ShownPicture{s.kind(i), s.mark(i) != 0 ? PieceLook::Highlighted : PieceLook::Normal};
}

// The cells connected to start through side neighbours of start's kind.
CellSet groupAt(const GameState& s, int start)
{
    CellSet group{};
    std::array<int, 100> open{};
    int openCount = 0;
    group[static_cast<std::size_t>(start)] = true;
    open[static_cast<std::size_t>(openCount++)] = start;
    const auto kind = s.kind(static_cast<std::int16_t>(start));
    while (openCount > 0) {
        const int cell = open[static_cast<std::size_t>(--openCount)];
        for (const int n : sideNeighbours(cell)) {
            if (s.kind(static_cast<std::int16_t>(n)) == kind && !group[static_cast<std::size_t>(n)]) {
                group[static_cast<std::size_t>(n)] = true;
                open[static_cast<std::size_t>(openCount++)] = n;
            }
        }
    }
    return group;
}

void checkSelection(const GameState& s, std::vector<std::string>& broken)
{
    CellSet marked{};
    bool anyMarked = false;
    for (std::int16_t i = 1; i <= 100; ++i) {
        marked[static_cast<std::size_t>(i)] = s.mark(i) == 1;
        anyMarked = anyMarked || s.mark(i) == 1;
    }
    if (s.anchorCell == 0) {
        if (anyMarked)
            broken.push_back("cells are marked while anchorCell is 0");
        return;
    }
    if (s.anchorCell < 1 || s.anchorCell > 100 || s.selectionCount < 1 || s.selectionCount > 100) {
        broken.push_back("anchorCell " + std::to_string(s.anchorCell) + " with selectionCount " + std::to_string(s.selectionCount));
        return;
    }
    CellSet selected{};
    for (int k = 1; k <= s.selectionCount; ++k) {
        const int cell = s.selection[static_cast<std::size_t>(k)];
        if (cell < 1 || cell > 100 || selected[static_cast<std::size_t>(cell)]) {
            broken.push_back("selection(" + std::to_string(k) + ") = " + std::to_string(cell) + " is out of range or listed twice");
            return;
        }
        selected[static_cast<std::size_t>(cell)] = true;
    }
    if (selected != marked)
        broken.push_back("the marked cells are not selection(1..selectionCount)");
    if (!marked[static_cast<std::size_t>(s.anchorCell)] || s.kind(s.anchorCell) == 0) {
        broken.push_back("anchorCell " + std::to_string(s.anchorCell) + " is not an occupied marked cell");
        return;
    }
    if (marked != groupAt(s, s.anchorCell))
        broken.push_back("the marked cells are not the whole group of anchorCell " + std::to_string(s.anchorCell));
}

void checkSettled(const GameState& s, std::vector<std::string>& broken)
{
    bool emptyColumnSeen = false;
    for (int column = 1; column <= 10; ++column) {
        bool holeSeen = false;
        for (int row = 10; row >= 1; --row) {
            const bool occupied = s.kind(static_cast<std::int16_t>((row - 1) * 10 + column)) != 0;
            if (occupied && holeSeen)
                broken.push_back("column " + std::to_string(column) + " has a hole below row " + std::to_string(row));
            holeSeen = holeSeen || !occupied;
        }
        const bool columnOccupied = s.kind(static_cast<std::int16_t>(90 + column)) != 0;
        if (columnOccupied && emptyColumnSeen)
            broken.push_back("column " + std::to_string(column) + " stands right of an empty column");
        emptyColumnSeen = emptyColumnSeen || !columnOccupied;
    }
}

void checkCounts(const GameState& s, std::vector<std::string>& broken)
{
    std::array<int, 6> count{};
    for (std::int16_t i = 1; i <= 100; ++i)
        if (s.kind(i) >= 0 && s.kind(i) <= 5)
            ++count[static_cast<std::size_t>(s.kind(i))];
    for (std::size_t k = 1; k <= 5; ++k)
        if (count[k] > 20)
            broken.push_back("kind " + std::to_string(k) + " counts " + std::to_string(count[k]));
    if (s.score + (100 - count[0]) != 100)
        broken.push_back("score " + std::to_string(s.score) + " and " + std::to_string(100 - count[0]) + " pieces left do not make 100");
}

void checkPanel(const GameState& s, const RecordingToolkit& tk, std::vector<std::string>& broken)
{
    if (tk.caption(Caption::posisilbl) != numberLabel(s.selectionCount))
        broken.push_back("posisilbl reads '" + tk.caption(Caption::posisilbl) + "'");
    if (tk.caption(Caption::scorelbl) != numberLabel(s.score))
        broken.push_back("scorelbl reads '" + tk.caption(Caption::scorelbl) + "'");
    const char* levelName = s.level == 1 ? "Piece of Tokay" : "Nightmare";
    if (tk.caption(Caption::levellbl) != levelName)
        broken.push_back("levellbl reads '" + tk.caption(Caption::levellbl) + "' at level " + std::to_string(s.level));
    if (tk.checked(MenuArray::level1, 1) != (s.level == 1) || tk.checked(MenuArray::level1, 2) != (s.level == 2))
        broken.push_back("the level check marks disagree with level " + std::to_string(s.level));
    if (tk.checked(MenuArray::suara1, 1) != s.soundOn || tk.checked(MenuArray::suara1, 2) == s.soundOn)
        broken.push_back("the sound check marks disagree with soundOn");
}

} // namespace

Neighbours sideNeighbours(int i)
{
    const int row = (i - 1) / 10;
    const int column = (i - 1) % 10;
    Neighbours result;
    const auto add = [&result](int cell) { result.cells[static_cast<std::size_t>(result.count++)] = cell; };
    if (column > 0)
        add(i - 1);
    if (row > 0)
        add(i - 10);
    if (column < 9)
        add(i + 1);
    if (row < 9)
        add(i + 10);
    return result;
}

bool anyEqualPair(const GameState& s)
{
    for (int i = 1; i <= 100; ++i) {
        const auto kind = s.kind(static_cast<std::int16_t>(i));
        if (kind == 0)
            continue;
        for (const int n : sideNeighbours(i))
            if (s.kind(static_cast<std::int16_t>(n)) == kind)
                return true;
    }
    return false;
}

std::vector<std::string> brokenInvariants(const GameState& s, const RecordingToolkit& tk)
{
    std::vector<std::string> broken;
    for (std::int16_t i = 1; i <= 100; ++i) {
        if (s.kind(i) < 0 || s.kind(i) > 5)
            broken.push_back("cell " + std::to_string(i) + " holds kind " + std::to_string(s.kind(i)));
        if (s.mark(i) != 0 && s.mark(i) != 1)
            broken.push_back("cell " + std::to_string(i) + " holds mark " + std::to_string(s.mark(i)));
        if (s.mark(i) == 1 && s.kind(i) == 0)
            broken.push_back("empty cell " + std::to_string(i) + " is marked");
        if (!(tk.shown(i) == expectedPicture(s, i)))
            broken.push_back("Box(" + std::to_string(i) + ") does not show what its cell holds");
    }
    if (s.anchorCell < 0 || s.anchorCell > 100 || s.selectionCount < 0 || s.selectionCount > 100 || s.score < 0 || s.score > 100)
        broken.push_back("a counter left 0..100");
    if (s.gameOver != vbTrue && s.gameOver != vbFalse)
        broken.push_back("gameOver holds " + std::to_string(s.gameOver));
    if (s.level != 1 && s.level != 2)
        broken.push_back("level holds " + std::to_string(s.level));
    checkSelection(s, broken);
    checkSettled(s, broken);
    checkCounts(s, broken);
    checkPanel(s, tk, broken);
    return broken;
}

bool holdsTwentyOfEachKind(const GameState& s)
{
    std::array<int, 6> count{};
    for (std::int16_t i = 1; i <= 100; ++i) {
        if (s.kind(i) < 0 || s.kind(i) > 5)
            return false;
        ++count[static_cast<std::size_t>(s.kind(i))];
    }
    return count == std::array<int, 6>{0, 20, 20, 20, 20, 20};
}

std::string brokenBetweenEvents(const GameState& s)
{
    if (s.gameOver != vbFalse && anyEqualPair(s))
        return "the game ended with a move left";
    if (s.gameOver == vbFalse && s.score != 0 && !anyEqualPair(s))
        return "the game goes on after a removal left no move";
    return {};
}

} // namespace gelumpa::test
