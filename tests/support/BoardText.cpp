// Boards to and from their ten rows of text.
#include "tests/support/BoardText.h"

#include <utility>

#include <gtest/gtest.h>

#include "tests/support/StateBoard.h"

namespace gelumpa::test {

Kinds kindsFrom(const Rows& rows)
{
    Kinds kinds{};
    if (rows.size() != 10) {
        ADD_FAILURE() << "a board needs ten rows, got " << rows.size();
        return kinds;
    }
    for (std::size_t r = 0; r < 10; ++r) {
        if (rows[r].size() != 10) {
            ADD_FAILURE() << "row " << r + 1 << " needs ten cells: '" << rows[r] << "'";
            continue;
        }
        for (std::size_t c = 0; c < 10; ++c) {
            const char ch = rows[r][c];
            kinds[r * 10 + c + 1] = ch == '.' ? int{0} : static_cast<int>(ch - '0');
        }
    }
    return kinds;
}

Rows rowsOf(const Kinds& kinds)
{
    Rows rows(10, std::string(10, '.'));
    for (std::size_t i = 1; i <= 100; ++i) {
        const auto k = kinds[i];
        rows[(i - 1) / 10][(i - 1) % 10] = k == 0 ? '.' : static_cast<char>('0' + k);
    }
    return rows;
}

Rows rowsOf(const GameState& state) { return rowsOf(model::kindsOf(state)); }

Kinds sortedFill()
{
    Kinds kinds{};
    for (std::size_t i = 1; i <= 100; ++i)
        kinds[i] = static_cast<int>((i - 1) / 20 + 1);
    return kinds;
}

void swapCells(Kinds& kinds, int a, int b)
{
    std::swap(kinds[static_cast<std::size_t>(a)], kinds[static_cast<std::size_t>(b)]);
}

Kinds runsSwapped(int a, int b, int n)
{
    Kinds kinds = sortedFill();
    for (int m = 0; m < n; ++m)
        swapCells(kinds, a + m, b + m);
    return kinds;
}

} // namespace gelumpa::test
