// The board: one widget that paints the 100 cells, each pointing at
// a store picture or at nothing, and reports a click on a cell by its index.
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

    // nullptr gives the cell the empty picture: the window's white shows.
    void setCell(int cell, const PiecePicture* picture);
    const PiecePicture* cellPicture(int cell) const;

    // The square of a cell in the board's own coordinates.
    static QRect cellRect(int cell);

signals:
    void cellClicked(int cell);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int cellAt(QPointF position) const;

    std::array<const PiecePicture*, cellCount + 1> cells{};
    int pressedCell = 0;
};

} // namespace gelumpa
