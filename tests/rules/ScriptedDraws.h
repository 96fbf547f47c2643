// Uniform draws that make the dealing pick chosen whole numbers: the middle of each
// number's slice of [0, 1), so no rounding can tip a draw into its neighbour.
#pragma once

#include <vector>

#include "tests/support/BoardText.h"

namespace gelumpa::test {

// The draw that yields v from 1..100.
constexpr double uForCell(int v) { return (v - 1 + 0.5) / 100; }
// The draw that yields n from 2..4.
constexpr double uForLength(int n) { return (n - 2 + 0.5) / 3; }

// Draws for a Piece of Tokay deal, written in the order the dealing makes them.
class RunDraws {
public:
    RunDraws& cell(int v);
    RunDraws& length(int n);
    // One accepted swap of the runs a .. a+n-1 and b .. b+n-1.
    RunDraws& swap(int a, int n, int b) { return cell(a).length(n).cell(b); }
    // Swaps of cells 1, 2 with themselves, which change nothing.
    RunDraws& idleSwaps(int count);
    const std::vector<double>& draws() const { return values; }

private:
    std::vector<double> values;
};

// Each cell 1..100 drawn for itself: the Nightmare deal that leaves the sorted fill.
std::vector<int> unmovedCells();
// Draws for a Nightmare deal: the cell j drawn for each cell i = 1..100 in turn.
std::vector<double> cellDraws(const std::vector<int>& js);

// Draws for a Nightmare deal that ends in the given board (20 pieces of each kind).
std::vector<double> drawsToDeal(const Rows& board);

} // namespace gelumpa::test
