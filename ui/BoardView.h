// The board cells Box(1..100): one widget that paints the 100 cells, each pointing at
// a store picture or at nothing, and reports a click on a cell by its index.
#pragma once

#include <array>
#include <cstdint>

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
    void setCell(std::int16_t cell, const PiecePicture* picture);
    const PiecePicture* cellPicture(std::int16_t cell) const;

    // The square of a cell in the board's own coordinates.
    static QRect cellRect(std::int16_t cell);

signals:
    void cellClicked(std::int16_t cell);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::int16_t cellAt(QPointF position) const;

    std::array<const PiecePicture*, cellCount + 1> cells{};
    std::int16_t pressedCell = 0;
};

} // namespace gelumpa
