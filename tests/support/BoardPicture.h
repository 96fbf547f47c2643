// The board as the screen shows it: each cell decoded from a screenshot into the kind its
// ball's colour stands for and whether its ground is the highlight blue.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

inline constexpr int cellCount = 100;
inline constexpr int rowLength = 10;

// Cells are numbered 1..100 row by row from the top left, as the game numbers them.
struct Board {
    std::array<int, cellCount + 1> kind{};
    std::array<bool, cellCount + 1> highlighted{};
    bool operator==(const Board&) const = default;
};

// The board of the main window's design state, none of its pieces marked.
Board designBoard();

// The top left corner of a cell in client coordinates.
QPoint cellCorner(int cell);

// Decodes every cell of the board shown with the client area's corner at clientOrigin.
Board readBoard(const QImage& screen, QPoint clientOrigin);
// Cells whose 32 x 32 pixels are not exactly the embedded picture the board says they show;
// the program linking this needs the game's resources (gelumpa_assets).
std::vector<int> cellsNotDrawnExactly(const QImage& screen, QPoint clientOrigin, const Board& board);

// Where the client area's top left corner lies on a screen that shows the main window somewhere
// within the area, found from the board frame.
std::optional<QPoint> findClientOrigin(const QImage& screen, QRect within);

// Ten lines of ten cells: n1..n5 a piece of that kind, h1..h5 one highlighted, '.' an empty cell,
// '?' an unrecognised one.
std::string describe(const Board& board);

} // namespace e2e
