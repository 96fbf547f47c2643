// The storm's referee on hand-made boards: a checker that let an illegal board pass would
// make every storm pass with it.
#include "BoardLegality.h"

#include <gtest/gtest.h>

#include <string_view>

namespace storm {
namespace {

// Protects the legality checker: it accepts what play can leave and names each broken rule.
class BoardLegality : public ::testing::Test {};

// Ten rows of ten cells, top row first: a kind digit or '.' for empty, '*' after a
// highlighted cell, '?' for a cell showing no piece picture; blanks are ignored.
e2e::Board boardFrom(std::string_view rows)
{
    e2e::Board board;
    int cell = 0;
    for (const char c : rows) {
        if (c == '*')
            board.highlighted[cell] = true;
        else if (c == '.' || c == '?' || (c >= '0' && c <= '9'))
            board.kind[++cell] = c == '.' ? 0 : c == '?' ? -1 : c - '0';
    }
    return board;
}

bool mentions(const std::vector<std::string>& found, std::string_view text)
{
    for (const std::string& line : found)
        if (line.find(text) != std::string::npos)
            return true;
    return false;
}

constexpr std::string_view settled = ". . . . . . . . . ."
                                     ". . . . . . . . . ."
                                     ". . . . . . . . . ."
                                     ". . . . . . . . . ."
                                     ". . . . . . . . . ."
                                     ". . . . . . . . . ."
                                     "1 . . . . . . . . ."
                                     "2 . 5 . . . . . . ."
                                     "2 3 5 4 . . . . . ."
                                     "1 3 3 4 4 . . . . .";

TEST_F(BoardLegality, acceptsAFullDealASettledBoardAndOneWholeMarkedGroupEvenOfOne)
{
    std::string dealt;
    for (int cell = 0; cell < 100; ++cell)
        dealt += static_cast<char>('1' + cell % 5);
    EXPECT_TRUE(illegalities(boardFrom(dealt)).empty());
    EXPECT_TRUE(illegalities(boardFrom(settled)).empty());

    std::string marked(settled);
    for (const std::size_t at : {marked.rfind('3'), marked.rfind("3 3"), marked.find("3 5")})
        marked.insert(at + 1, "*");
    EXPECT_TRUE(illegalities(boardFrom(marked)).empty()) << marked;

    std::string single(settled);
    single.insert(single.find('1') + 1, "*");
    EXPECT_TRUE(illegalities(boardFrom(single)).empty());
}

TEST_F(BoardLegality, namesAFloatingPieceAGapBetweenColumnsAndAKindBeyondTwenty)
{
    std::string floating(settled);
    floating[floating.find('1')] = '.';
    floating[floating.find('.')] = '1';
    EXPECT_TRUE(mentions(illegalities(boardFrom(floating)), "column 1 holds a floating piece"));

    std::string gap(100, '.');
    gap[90] = '1';
    gap[92] = '2';
    EXPECT_TRUE(mentions(illegalities(boardFrom(gap)), "column 3 holds pieces right of an empty column"));

    std::string crowded;
    for (int cell = 0; cell < 100; ++cell)
        crowded += cell < 21 ? '1' : static_cast<char>('2' + cell % 4);
    EXPECT_TRUE(mentions(illegalities(boardFrom(crowded)), "21 pieces of kind 1"));

    std::string unknown(settled);
    unknown[unknown.rfind('4')] = '?';
    EXPECT_TRUE(mentions(illegalities(boardFrom(unknown)), "cell 95 shows no piece picture"));
}

TEST_F(BoardLegality, namesAHighlightOnPartOfAGroupOnTwoKindsOrOnAnEmptyCell)
{
    std::string part(settled);
    part.insert(part.rfind('3') + 1, "*");
    EXPECT_TRUE(mentions(illegalities(boardFrom(part)), "not exactly one whole group"));

    std::string twoKinds(settled);
    twoKinds.insert(twoKinds.rfind('4') + 1, "*");
    twoKinds.insert(twoKinds.rfind("4 4") + 1, "*");
    twoKinds.insert(twoKinds.find("4 .") + 1, "*");
    twoKinds.insert(twoKinds.rfind('1') + 1, "*");
    EXPECT_TRUE(mentions(illegalities(boardFrom(twoKinds)), "not exactly one whole group"));

    std::string empty(settled);
    empty.insert(1, "*");
    EXPECT_TRUE(mentions(illegalities(boardFrom(empty)), "empty cell 1 is highlighted"));
}

} // namespace
} // namespace storm
