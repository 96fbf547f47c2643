// Painting and clicking the board. Pieces are drawn pixel-exact: at a whole multiple
// of their own size in device pixels, never smoothed, so they stay crisp on any screen.
#include "ui/BoardView.h"

#include <algorithm>
#include <cmath>

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace gelumpa {

namespace {
QPoint toDevice(const QTransform& device, QPointF logical)
{
    const QPointF p = device.map(logical);
    return {static_cast<int>(std::lround(p.x())), static_cast<int>(std::lround(p.y()))};
}
} // namespace

BoardView::BoardView(QWidget* parent) : QWidget(parent)
{
    setFixedSize(rowLength * cellSize, rowLength * cellSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardView::setCell(int cell, const PiecePicture* picture)
{
    auto& shown = cells[static_cast<std::size_t>(cell)];
    if (shown == picture)
        return;
    shown = picture;
    update(cellRect(cell));
}

const PiecePicture* BoardView::cellPicture(int cell) const
{
    return cells[static_cast<std::size_t>(cell)];
}

QRect BoardView::cellRect(int cell)
{
    return {(columnOf(cell) - 1) * cellSize, (rowOf(cell) - 1) * cellSize, cellSize, cellSize};
}

void BoardView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    // Work in the device's own pixels, so a cell's edges fall on whole pixels and the
    // piece is scaled by a whole factor whatever the screen's scale.
    const QTransform device = painter.deviceTransform();
    painter.setWorldTransform(device.inverted());
    for (int i = 1; i <= cellCount; ++i) {
        const QRect logical = cellRect(i);
        if (!event->rect().intersects(logical))
            continue;
        const QPoint topLeft = toDevice(device, logical.topLeft());
        const QRect square(topLeft, toDevice(device, logical.topLeft() + QPoint(cellSize, cellSize)) - QPoint(1, 1));
        const PiecePicture* picture = cells[static_cast<std::size_t>(i)];
        if (picture == nullptr) {
            painter.fillRect(square, Qt::white);
            continue;
        }
        const int factor = std::max(1, std::min(square.width(), square.height()) / cellSize);
        const int side = factor * cellSize;
        if (side != square.width() || side != square.height())
            painter.fillRect(square, picture->background);
        const QPoint inset((square.width() - side) / 2, (square.height() - side) / 2);
        const bool sharper = factor % 2 == 0 && !picture->twiceSize.isNull();
        painter.drawPixmap(QRect(square.topLeft() + inset, QSize(side, side)),
                           sharper ? picture->twiceSize : picture->pixmap);
    }
}

int BoardView::cellAt(QPointF position) const
{
    const int column = static_cast<int>(std::floor(position.x() / cellSize));
    const int row = static_cast<int>(std::floor(position.y() / cellSize));
    if (column < 0 || column >= rowLength || row < 0 || row >= rowLength)
        return 0;
    return static_cast<int>(row * rowLength + column + 1);
}

void BoardView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        pressedCell = cellAt(event->position());
}

// A click is a left press and release on the same cell.
void BoardView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int cell = cellAt(event->position());
    const bool sameCell = cell != 0 && cell == pressedCell;
    pressedCell = 0;
    if (sameCell)
        emit cellClicked(cell);
}

} // namespace gelumpa
