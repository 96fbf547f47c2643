// The invariants of the board, the selection, the counters and what the screen shows.
// Written without allocation while all holds, so the random games can check every handler.
#include "tests/rules/Invariants.h"

namespace gelumpa::test {

namespace {

using CellSet = std::array<bool, 101>;

std::string numberLabel(int value) { return " " + std::to_string(value); }

ShownPicture expectedPicture(const GameState& s, int i)
{
    if (s.kind(i) == 0)
        return ShownPicture{};
    return ShownPicture{s.kind(i), s.marked(i) != 0 ? PieceLook::Highlighted : PieceLook::Normal};
}

// The cells connected to start through side neighbours of start's kind.
CellSet groupAt(const GameState& s, int start)
{
    CellSet group{};
    std::array<int, 100> open{};
    int openCount = 0;
    group[static_cast<std::size_t>(start)] = true;
    open[static_cast<std::size_t>(openCount++)] = start;
    const auto kind = s.kind(static_cast<int>(start));
    while (openCount > 0) {
        const int cell = open[static_cast<std::size_t>(--openCount)];
        for (const int n : sideNeighbours(cell)) {
            if (s.kind(static_cast<int>(n)) == kind && !group[static_cast<std::size_t>(n)]) {
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
    for (int i = 1; i <= 100; ++i) {
        marked[static_cast<std::size_t>(i)] = s.marked(i) == 1;
        anyMarked = anyMarked || s.marked(i) == 1;
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
            const bool occupied = s.kind(static_cast<int>((row - 1) * 10 + column)) != 0;
            if (occupied && holeSeen)
                broken.push_back("column " + std::to_string(column) + " has a hole below row " + std::to_string(row));
            holeSeen = holeSeen || !occupied;
        }
        const bool columnOccupied = s.kind(static_cast<int>(90 + column)) != 0;
        if (columnOccupied && emptyColumnSeen)
            broken.push_back("column " + std::to_string(column) + " stands right of an empty column");
        emptyColumnSeen = emptyColumnSeen || !columnOccupied;
    }
}

void checkCounts(const GameState& s, std::vector<std::string>& broken)
{
    std::array<int, 6> count{};
    for (int i = 1; i <= 100; ++i)
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
    if (tk.caption(StatusLabel::GroupSize) != numberLabel(s.selectionCount))
        broken.push_back("the group size reads '" + tk.caption(StatusLabel::GroupSize) + "'");
    if (tk.caption(StatusLabel::Score) != numberLabel(s.score))
        broken.push_back("the score reads '" + tk.caption(StatusLabel::Score) + "'");
    const char* levelName = s.level == Level::PieceOfTokay ? "Piece of Tokay" : "Nightmare";
    if (tk.caption(StatusLabel::Level) != levelName)
        broken.push_back("the level label reads '" + tk.caption(StatusLabel::Level) + "' at level " + std::to_string(static_cast<int>(s.level)));
    if (tk.checked(MenuItem::PieceOfTokay) != (s.level == Level::PieceOfTokay) || tk.checked(MenuItem::Nightmare) != (s.level == Level::Nightmare))
        broken.push_back("the level check marks disagree with level " + std::to_string(static_cast<int>(s.level)));
    if (tk.checked(MenuItem::SoundOn) != s.soundOn || tk.checked(MenuItem::SoundOff) == s.soundOn)
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
        const auto kind = s.kind(static_cast<int>(i));
        if (kind == 0)
            continue;
        for (const int n : sideNeighbours(i))
            if (s.kind(static_cast<int>(n)) == kind)
                return true;
    }
    return false;
}

std::vector<std::string> brokenInvariants(const GameState& s, const RecordingToolkit& tk)
{
    std::vector<std::string> broken;
    for (int i = 1; i <= 100; ++i) {
        if (s.kind(i) < 0 || s.kind(i) > 5)
            broken.push_back("cell " + std::to_string(i) + " holds kind " + std::to_string(s.kind(i)));
        if (s.marked(i) && s.kind(i) == 0)
            broken.push_back("empty cell " + std::to_string(i) + " is marked");
        if (!(tk.shown(i) == expectedPicture(s, i)))
            broken.push_back("cell " + std::to_string(i) + " does not show what it holds");
    }
    if (s.anchorCell < 0 || s.anchorCell > 100 || s.selectionCount < 0 || s.selectionCount > 100 || s.score < 0 || s.score > 100)
        broken.push_back("a counter left 0..100");
    if (s.level != Level::PieceOfTokay && s.level != Level::Nightmare)
        broken.push_back("level holds " + std::to_string(static_cast<int>(s.level)));
    checkSelection(s, broken);
    checkSettled(s, broken);
    checkCounts(s, broken);
    checkPanel(s, tk, broken);
    return broken;
}

bool holdsTwentyOfEachKind(const GameState& s)
{
    std::array<int, 6> count{};
    for (int i = 1; i <= 100; ++i) {
        if (s.kind(i) < 0 || s.kind(i) > 5)
            return false;
        ++count[static_cast<std::size_t>(s.kind(i))];
    }
    return count == std::array<int, 6>{0, 20, 20, 20, 20, 20};
}

std::string brokenBetweenEvents(const GameState& s)
{
    if (s.gameOver && anyEqualPair(s))
        return "the game ended with a move left";
    if (!s.gameOver && s.score != 0 && !anyEqualPair(s))
        return "the game goes on after a removal left no move";
    return {};
}

} // namespace gelumpa::test
