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

std::vector<std::string> cellsShownWrongly(const GameState& s, const RecordingToolkit& tk)
{
    std::vector<std::string> wrong;
    for (int i = 1; i <= 100; ++i)
        if (!(tk.shown(i) == expectedPicture(s, i)))
            wrong.push_back("cell " + std::to_string(i) + " does not show what it holds");
    return wrong;
}

std::vector<std::string> brokenInvariants(const GameState& s, const RecordingToolkit& tk)
{
    const model::Kinds board = model::kindsOf(s);
    std::vector<std::string> broken = model::illegalities(board, model::marksOf(s));
    for (const auto& cell : cellsShownWrongly(s, tk))
        broken.push_back(cell);
    if (s.anchorCell < 0 || s.anchorCell > 100 || s.selectionCount < 0 || s.selectionCount > 100 || s.score < 0 || s.score > 100)
        broken.push_back("a counter left 0..100");
    if (s.level != Level::PieceOfTokay && s.level != Level::Nightmare)
        broken.push_back("level holds " + std::to_string(static_cast<int>(s.level)));
    if (const int left = 100 - model::countOf(board, 0); s.score + left != 100)
        broken.push_back("score " + std::to_string(s.score) + " and " + std::to_string(left) + " pieces left do not make 100");
    checkSelection(s, broken);
    checkPanel(s, tk, broken);
    return broken;
}

std::string brokenBetweenEvents(const GameState& s)
{
    const bool moveLeft = model::moveLeft(model::kindsOf(s));
    if (s.gameOver && moveLeft)
        return "the game ended with a move left";
    if (!s.gameOver && s.score != 0 && !moveLeft)
        return "the game goes on after a removal left no move";
    return {};
}

} // namespace gelumpa::test
