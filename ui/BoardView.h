// The board: one widget that paints the 100 cells, each pointing at a store picture
// or at nothing, and reports a click on a cell by its index. A keyboard player moves
// a cursor over the cells and acts on its cell as a click would.
#pragma once

#include <array>

#include <QWidget>

#include "core/CellGeometry.h"
#include "ui/PieceStores.h"

namespace gelumpa {

class BoardView : public QWidget {
    Q_OBJECT

public:
    static constexpr int cellSize = 32;

    explicit BoardView(QWidget* parent);

    void showPiece(int cell, const PiecePicture& picture, int kind, PieceLook look);
    // The cell shows the empty picture: the window's white.
    void clearCell(int cell);
    // 0 for an empty cell.
    int cellKind(int cell) const;
    bool cellMarked(int cell) const;

    int cursorCell() const { return cursor; }
    bool cursorShown() const { return cursorVisible; }

    // The square of a cell in the board's own coordinates.
    static QRect cellRect(int cell);

signals:
    void cellClicked(int cell);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct ShownCell {
        const PiecePicture* picture = nullptr;
        int kind = 0;
        bool marked = false;
    };

    void setCell(int cell, const ShownCell& shown);
    void placeCursor(int cell, bool shown);
    int cellAt(QPointF position) const;

    std::array<ShownCell, cellCount + 1> cells{};
    int pressedCell = 0;
    int cursor = 1;
    bool cursorVisible = false;
};

} // namespace gelumpa
