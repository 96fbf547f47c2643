// The legality of a shown board; see BoardLegality.h.
#include "BoardLegality.h"

#include "ExpectedPlay.h"
#include "PiecePicture.h"

#include <algorithm>

namespace storm {

namespace {

using e2e::Board;
using e2e::cellCount;
using e2e::rowLength;

constexpr int kinds = 5;
constexpr int piecesPerKind = 20;

int cellAt(int row, int column) { return (row - 1) * rowLength + column; }
bool occupied(const Board& board, int cell) { return board.kind[cell] >= 1; }

void checkKinds(const Board& board, std::vector<std::string>& found)
{
    for (int cell = 1; cell <= cellCount; ++cell)
        if (board.kind[cell] < 0 || board.kind[cell] > kinds)
            found.push_back("cell " + std::to_string(cell) + " shows no piece picture and is not empty");
    for (int kind = 1; kind <= kinds; ++kind)
        if (const int count = e2e::countOf(board, kind); count > piecesPerKind)
            found.push_back(std::to_string(count) + " pieces of kind " + std::to_string(kind));
}

// A column's pieces stand on the bottom row without a hole below any of them.
bool columnSettled(const Board& board, int column)
{
    bool below = true;
    for (int row = rowLength; row >= 1; --row) {
        const bool here = occupied(board, cellAt(row, column));
        if (here && !below)
            return false;
        below = here;
    }
    return true;
}

void checkSettling(const Board& board, std::vector<std::string>& found)
{
    bool emptyColumnSeen = false;
    for (int column = 1; column <= rowLength; ++column) {
        if (!columnSettled(board, column))
            found.push_back("column " + std::to_string(column) + " holds a floating piece");
        const bool holdsPieces = occupied(board, cellAt(rowLength, column));
        if (holdsPieces && emptyColumnSeen)
            found.push_back("column " + std::to_string(column) + " holds pieces right of an empty column");
        emptyColumnSeen = emptyColumnSeen || !holdsPieces;
    }
}

void checkHighlight(const Board& board, std::vector<std::string>& found)
{
    std::vector<int> highlighted;
    for (int cell = 1; cell <= cellCount; ++cell)
        if (board.highlighted[cell])
            highlighted.push_back(cell);
    if (highlighted.empty())
        return;
    const auto empty = std::find_if(highlighted.begin(), highlighted.end(),
                                    [&board](int cell) { return !occupied(board, cell); });
    if (empty != highlighted.end()) {
        found.push_back("empty cell " + std::to_string(*empty) + " is highlighted");
        return;
    }
    // groupAt gives the whole group in ascending order: the highlight must be exactly it.
    if (e2e::groupAt(board, highlighted.front()) != highlighted)
        found.push_back("the highlighted cells are not exactly one whole group");
}

} // namespace

std::vector<std::string> illegalities(const Board& board)
{
    std::vector<std::string> found;
    checkKinds(board, found);
    checkSettling(board, found);
    checkHighlight(board, found);
    return found;
}

} // namespace storm
