// The invariants of the board, the selection, the counters and what the screen shows.
#include "tests/support/Invariants.h"

#include "tests/support/StateBoard.h"

namespace gelumpa::test {

namespace {

std::string numberLabel(int value) { return " " + std::to_string(value); }

ShownPicture expectedPicture(const GameState& s, int i)
{
    if (s.kind(i) == 0)
        return ShownPicture{};
    return ShownPicture{s.kind(i), s.marked(i) ? PieceLook::Highlighted : PieceLook::Normal};
}

// The board model judges the marks' shape; here, that the selection lists them and the anchor is one.
void checkSelection(const GameState& s, std::vector<std::string>& broken)
{
    const model::Marks marked = model::marksOf(s);
    if (s.anchorCell == 0) {
        if (marked != model::Marks{})
            broken.push_back("cells are marked while anchorCell is 0");
        return;
    }
    if (s.selectionCount < 1 || s.selectionCount > 100) {
        broken.push_back("anchorCell " + std::to_string(s.anchorCell) + " with selectionCount " + std::to_string(s.selectionCount));
        return;
    }
    model::Marks selected{};
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
    if (!marked[static_cast<std::size_t>(s.anchorCell)])
        broken.push_back("anchorCell " + std::to_string(s.anchorCell) + " is not a marked cell");
}

void checkPanel(const GameState& s, const RecordingWindows& windows, std::vector<std::string>& broken)
{
    if (windows.value(StatusLabel::GroupSize) != numberLabel(s.selectionCount))
        broken.push_back("the group size reads '" + windows.value(StatusLabel::GroupSize) + "'");
    if (windows.value(StatusLabel::Score) != numberLabel(s.score))
        broken.push_back("the score reads '" + windows.value(StatusLabel::Score) + "'");
    const char* levelName = s.level == Level::PieceOfTokay ? "Piece of Tokay" : "Nightmare";
    if (windows.value(StatusLabel::Level) != levelName)
        broken.push_back("the level label reads '" + windows.value(StatusLabel::Level) + "' at level " + std::to_string(static_cast<int>(s.level)));
    if (windows.checked(MenuItem::PieceOfTokay) != (s.level == Level::PieceOfTokay) || windows.checked(MenuItem::Nightmare) != (s.level == Level::Nightmare))
        broken.push_back("the level check marks disagree with level " + std::to_string(static_cast<int>(s.level)));
    if (windows.checked(MenuItem::SoundOn) != s.soundOn || windows.checked(MenuItem::SoundOff) == s.soundOn)
        broken.push_back("the sound check marks disagree with soundOn");
}

} // namespace

std::vector<std::string> cellsShownWrongly(const GameState& s, const RecordingWindows& windows)
{
    std::vector<std::string> wrong;
    for (int i = 1; i <= 100; ++i)
        if (!(windows.shown(i) == expectedPicture(s, i)))
            wrong.push_back("cell " + std::to_string(i) + " does not show what it holds");
    return wrong;
}

std::vector<std::string> brokenInvariants(const GameState& s, const RecordingWindows& windows)
{
    const model::Kinds board = model::kindsOf(s);
    std::vector<std::string> broken = model::illegalities(board, model::marksOf(s));
    for (const auto& cell : cellsShownWrongly(s, windows))
        broken.push_back(cell);
    if (s.anchorCell < 0 || s.anchorCell > 100 || s.selectionCount < 0 || s.selectionCount > 100 || s.score < 0 || s.score > 100)
        broken.push_back("a counter left 0..100");
    if (s.level != Level::PieceOfTokay && s.level != Level::Nightmare)
        broken.push_back("level holds " + std::to_string(static_cast<int>(s.level)));
    if (const int left = 100 - model::countOf(board, 0); s.score + left != 100)
        broken.push_back("score " + std::to_string(s.score) + " and " + std::to_string(left) + " pieces left do not make 100");
    checkSelection(s, broken);
    checkPanel(s, windows, broken);
    return broken;
}

} // namespace gelumpa::test
