// The board model's rules; see BoardModel.h.
#include "tests/support/BoardModel.h"

#include <algorithm>

namespace gelumpa::model {

namespace {

int at(int row, int column) { return (row - 1) * side + column; }
bool isPiece(int kind) { return kind >= 1 && kind <= kinds; }
std::size_t slot(int cell) { return static_cast<std::size_t>(cell); }

// The side neighbours of a cell; rows do not wrap.
struct Neighbours {
    std::array<int, 4> cells{};
    int count = 0;
    const int* begin() const { return cells.data(); }
    const int* end() const { return cells.data() + count; }
};

Neighbours sideNeighbours(int cell)
{
    const int row = (cell - 1) / side;
    const int column = (cell - 1) % side;
    Neighbours result;
    const auto add = [&result](int n) { result.cells[slot(result.count++)] = n; };
    if (column > 0)
        add(cell - 1);
    if (row > 0)
        add(cell - side);
    if (column < side - 1)
        add(cell + 1);
    if (row < side - 1)
        add(cell + side);
    return result;
}

bool columnSettled(const Kinds& board, int column)
{
    bool below = true;
    for (int row = side; row >= 1; --row) {
        const bool here = board[slot(at(row, column))] != 0;
        if (here && !below)
            return false;
        below = here;
    }
    return true;
}

void checkCells(const Kinds& board, std::vector<std::string>& found)
{
    for (int cell = 1; cell <= cells; ++cell)
        if (board[slot(cell)] != 0 && !isPiece(board[slot(cell)]))
            found.push_back("cell " + std::to_string(cell) + " holds no piece and is not empty");
    for (int kind = 1; kind <= kinds; ++kind)
        if (const int count = countOf(board, kind); count > piecesPerKind)
            found.push_back(std::to_string(count) + " pieces of kind " + std::to_string(kind));
}

void checkSettled(const Kinds& board, std::vector<std::string>& found)
{
    bool emptyColumnSeen = false;
    for (int column = 1; column <= side; ++column) {
        if (!columnSettled(board, column))
            found.push_back("column " + std::to_string(column) + " holds a floating piece");
        const bool holdsPieces = board[slot(at(side, column))] != 0;
        if (holdsPieces && emptyColumnSeen)
            found.push_back("column " + std::to_string(column) + " holds pieces right of an empty column");
        emptyColumnSeen = emptyColumnSeen || !holdsPieces;
    }
}

// The group at a cell as marks, found without allocating: the checks run after every handler.
Marks groupMarksAt(const Kinds& board, int cell)
{
    Marks group{};
    std::array<int, cells> open{};
    int openCount = 0;
    group[slot(cell)] = true;
    open[slot(openCount++)] = cell;
    while (openCount > 0) {
        const int next = open[slot(--openCount)];
        for (const int n : sideNeighbours(next))
            if (!group[slot(n)] && board[slot(n)] == board[slot(cell)]) {
                group[slot(n)] = true;
                open[slot(openCount++)] = n;
            }
    }
    return group;
}

void checkMarks(const Kinds& board, const Marks& marked, std::vector<std::string>& found)
{
    int first = 0;
    for (int cell = cells; cell >= 1; --cell) {
        if (!marked[slot(cell)])
            continue;
        if (!isPiece(board[slot(cell)])) {
            found.push_back("empty cell " + std::to_string(cell) + " is marked");
            return;
        }
        first = cell;
    }
    if (first != 0 && groupMarksAt(board, first) != marked)
        found.push_back("the marked cells are not exactly one whole group");
}

} // namespace

Group groupAt(const Kinds& board, int cell)
{
    const Marks marks = groupMarksAt(board, cell);
    Group group;
    for (int n = 1; n <= cells; ++n)
        if (marks[slot(n)])
            group.push_back(n);
    return group;
}

Group largestGroup(const Kinds& board)
{
    Group largest;
    for (int cell = 1; cell <= cells; ++cell) {
        if (!isPiece(board[slot(cell)]))
            continue;
        Group group = groupAt(board, cell);
        if (group.size() >= 2 && group.size() > largest.size())
            largest = std::move(group);
    }
    return largest;
}

Kinds afterRemoving(Kinds board, const Group& group)
{
    for (const int cell : group)
        board[slot(cell)] = 0;
    std::array<std::vector<int>, side> columns;
    for (int column = 1; column <= side; ++column)
        for (int row = side; row >= 1; --row)
            if (board[slot(at(row, column))] != 0)
                columns[slot(column - 1)].push_back(board[slot(at(row, column))]);
    board.fill(0);
    int target = 1;
    for (const std::vector<int>& pieces : columns) {
        if (pieces.empty())
            continue;
        for (std::size_t k = 0; k < pieces.size(); ++k)
            board[slot(at(side - static_cast<int>(k), target))] = pieces[k];
        ++target;
    }
    return board;
}

int removableCell(const Kinds& board, int pick)
{
    std::array<int, cells> removable{};
    int count = 0;
    for (int cell = 1; cell <= cells; ++cell) {
        if (!isPiece(board[slot(cell)]))
            continue;
        const Neighbours around = sideNeighbours(cell);
        if (std::any_of(around.begin(), around.end(), [&](int n) { return board[slot(n)] == board[slot(cell)]; }))
            removable[slot(count++)] = cell;
    }
    return count == 0 ? 0 : removable[slot(pick % count)];
}

bool moveLeft(const Kinds& board) { return removableCell(board) != 0; }

int countOf(const Kinds& board, int kind)
{
    return static_cast<int>(std::count(board.begin() + 1, board.end(), kind));
}

bool freshDeal(const Kinds& board)
{
    for (int kind = 1; kind <= kinds; ++kind)
        if (countOf(board, kind) != piecesPerKind)
            return false;
    return true;
}

std::vector<std::string> illegalities(const Kinds& board, const Marks& marked)
{
    std::vector<std::string> found;
    checkCells(board, found);
    checkSettled(board, found);
    checkMarks(board, marked, found);
    return found;
}

} // namespace gelumpa::model
