// Scripted draws for the two ways of dealing.
#include "tests/rules/ScriptedDraws.h"

#include <gtest/gtest.h>

namespace gelumpa::test {

namespace {

// The draw that yields v from 1..100.
double uForCell(int v) { return (v - 1 + 0.5) / 100; }
// The draw that yields n from 2..4.
double uForLength(int n) { return (n - 2 + 0.5) / 3; }

} // namespace

RunDraws& RunDraws::cell(int v)
{
    values.push_back(uForCell(v));
    return *this;
}

RunDraws& RunDraws::length(int n)
{
    values.push_back(uForLength(n));
    return *this;
}

RunDraws& RunDraws::idleSwaps(int count)
{
    for (int k = 0; k < count; ++k)
        swap(1, 2, 1);
    return *this;
}

std::vector<int> unmovedCells()
{
    std::vector<int> js;
    for (int i = 1; i <= 100; ++i)
        js.push_back(i);
    return js;
}

std::vector<double> cellDraws(const std::vector<int>& js)
{
    std::vector<double> values;
    for (const int j : js)
        values.push_back(uForCell(j));
    return values;
}

std::vector<double> drawsToDeal(const Rows& board)
{
    // Cell by cell, fetch the wanted kind from a cell not yet settled.
    const Kinds target = kindsFrom(board);
    Kinds current = sortedFill();
    std::vector<int> js;
    for (int i = 1; i <= 100; ++i) {
        int j = i;
        while (j <= 100 && current[static_cast<std::size_t>(j)] != target[static_cast<std::size_t>(i)])
            ++j;
        if (j > 100) {
            ADD_FAILURE() << "the board to deal does not hold 20 pieces of each kind";
            j = i;
        }
        swapCells(current, i, j);
        js.push_back(j);
    }
    return cellDraws(js);
}

} // namespace gelumpa::test
