// The expected outcome of clicks, computed from the board alone; see ExpectedPlay.h.
#include "ExpectedPlay.h"

#include "PiecePicture.h"

#include <algorithm>
#include <array>

namespace e2e {

namespace {

std::vector<int> sideNeighbours(int cell)
{
    std::vector<int> found;
    const int column = (cell - 1) % rowLength;
    if (column > 0)
        found.push_back(cell - 1);
    if (column < rowLength - 1)
        found.push_back(cell + 1);
    if (cell > rowLength)
        found.push_back(cell - rowLength);
    if (cell <= cellCount - rowLength)
        found.push_back(cell + rowLength);
    return found;
}

int at(int row, int column) { return row * rowLength + column + 1; }

} // namespace

std::vector<int> groupAt(const Board& board, int cell)
{
    const int kind = board.kind[cell];
    std::array<bool, cellCount + 1> seen{};
    std::vector<int> group;
    std::vector<int> toVisit{cell};
    seen[cell] = true;
    while (!toVisit.empty()) {
        const int next = toVisit.back();
        toVisit.pop_back();
        group.push_back(next);
        for (const int neighbour : sideNeighbours(next))
            if (!seen[neighbour] && board.kind[neighbour] == kind) {
                seen[neighbour] = true;
                toVisit.push_back(neighbour);
            }
    }
    std::sort(group.begin(), group.end());
    return group;
}

std::vector<int> largestGroup(const Board& board)
{
    std::vector<int> largest;
    for (int cell = 1; cell <= cellCount; ++cell) {
        if (board.kind[cell] < 1)
            continue;
        std::vector<int> group = groupAt(board, cell);
        if (group.size() >= 2 && group.size() > largest.size())
            largest = std::move(group);
    }
    return largest;
}

Board withMarked(Board board, const std::vector<int>& group)
{
    board.highlighted.fill(false);
    for (const int cell : group)
        board.highlighted[cell] = true;
    return board;
}

Board afterRemoving(Board board, const std::vector<int>& group)
{
    board.highlighted.fill(false);
    for (const int cell : group)
        board.kind[cell] = emptyCell;

    std::array<std::vector<int>, rowLength> columns;
    for (int column = 0; column < rowLength; ++column)
        for (int row = rowLength - 1; row >= 0; --row)
            if (board.kind[at(row, column)] != emptyCell)
                columns[column].push_back(board.kind[at(row, column)]);

    board.kind.fill(emptyCell);
    int target = 0;
    for (const std::vector<int>& pieces : columns) {
        if (pieces.empty())
            continue;
        for (std::size_t k = 0; k < pieces.size(); ++k)
            board.kind[at(rowLength - 1 - static_cast<int>(k), target)] = pieces[k];
        ++target;
    }
    return board;
}

bool hasMoveLeft(const Board& board)
{
    for (int cell = 1; cell <= cellCount; ++cell)
        if (board.kind[cell] >= 1 && groupAt(board, cell).size() >= 2)
            return true;
    return false;
}

int countOf(const Board& board, int kind)
{
    return static_cast<int>(std::count(board.kind.begin() + 1, board.kind.end(), kind));
}

int firstPieceOutside(const Board& board, const std::vector<std::vector<int>>& groups)
{
    for (int cell = 1; cell <= cellCount; ++cell) {
        const bool taken = std::any_of(groups.begin(), groups.end(), [cell](const std::vector<int>& group) {
            return std::find(group.begin(), group.end(), cell) != group.end();
        });
        if (board.kind[cell] >= 1 && !taken)
            return cell;
    }
    return 0;
}

} // namespace e2e
