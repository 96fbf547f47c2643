// Painting the board, clicking it and playing it from the keyboard. Pieces are drawn
// pixel-exact: at a whole multiple of their own size in device pixels, never smoothed,
// so they stay crisp on any screen.
#include "ui/BoardView.h"

#include <algorithm>
#include <cmath>

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "ui/CursorRing.h"

namespace gelumpa {

namespace {
QPoint toDevice(const QTransform& device, QPointF logical)
{
    const QPointF p = device.map(logical);
    return {static_cast<int>(std::lround(p.x())), static_cast<int>(std::lround(p.y()))};
}

// Tells a screen reader, if one listens, that something of a cell changed.
void tellAboutCell(QWidget* board, int cell, QAccessible::Event change)
{
    QAccessibleEvent event(board, change);
    event.setChild(cell - 1);
    QAccessible::updateAccessibility(&event);
}

// The cell the cursor reaches from a cell by a key (the same cell at the board's edge), or 0
// for a key that is no cursor key.
int cursorTarget(int cell, int key)
{
    const int rowStart = cell - (columnOf(cell) - 1);
    switch (key) {
    case Qt::Key_Left: return neighbour(cell, Side::Left) != 0 ? neighbour(cell, Side::Left) : cell;
    case Qt::Key_Right: return neighbour(cell, Side::Right) != 0 ? neighbour(cell, Side::Right) : cell;
    case Qt::Key_Up: return neighbour(cell, Side::Up) != 0 ? neighbour(cell, Side::Up) : cell;
    case Qt::Key_Down: return neighbour(cell, Side::Down) != 0 ? neighbour(cell, Side::Down) : cell;
    case Qt::Key_Home: return rowStart;
    case Qt::Key_End: return rowStart + rowLength - 1;
    default: return 0;
    }
}

bool actsOnCell(int key)
{
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}
} // namespace

BoardView::BoardView(QWidget* parent) : QWidget(parent)
{
    setFixedSize(rowLength * cellSize, rowLength * cellSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QCoreApplication::translate("ScreenReader", "Board"));
}

void BoardView::showPiece(int cell, const PiecePicture& picture, int kind, PieceLook look)
{
    setCell(cell, {&picture, kind, look == PieceLook::Highlighted});
}

void BoardView::clearCell(int cell)
{
    setCell(cell, {});
}

void BoardView::setCell(int cell, const ShownCell& shown)
{
    auto& old = cells[static_cast<std::size_t>(cell)];
    if (old.picture == shown.picture)
        return;
    const bool kindChanged = old.kind != shown.kind;
    const bool markChanged = old.marked != shown.marked;
    old = shown;
    update(cellRect(cell));
    if (!QAccessible::isActive())
        return;
    if (kindChanged)
        tellAboutCell(this, cell, QAccessible::NameChanged);
    if (markChanged) {
        QAccessible::State selected;
        selected.selected = true;
        QAccessibleStateChangeEvent event(this, selected);
        event.setChild(cell - 1);
        QAccessible::updateAccessibility(&event);
    }
}

int BoardView::cellKind(int cell) const
{
    return cells[static_cast<std::size_t>(cell)].kind;
}

bool BoardView::cellMarked(int cell) const
{
    return cells[static_cast<std::size_t>(cell)].marked;
}

QRect BoardView::cellRect(int cell)
{
    return {(columnOf(cell) - 1) * cellSize, (rowOf(cell) - 1) * cellSize, cellSize, cellSize};
}

void BoardView::placeCursor(int cell, bool shown)
{
    if (cell == cursor && shown == cursorVisible)
        return;
    if (cursorVisible)
        update(cellRect(cursor));
    const bool moved = cell != cursor;
    cursor = cell;
    cursorVisible = shown;
    if (cursorVisible)
        update(cellRect(cursor));
    if (moved && hasFocus() && QAccessible::isActive())
        tellAboutCell(this, cursor, QAccessible::Focus);
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
        const int factor = std::max(1, std::min(square.width(), square.height()) / cellSize);
        const int side = factor * cellSize;
        const QRect pictureRect(square.topLeft() + QPoint((square.width() - side) / 2, (square.height() - side) / 2),
                                QSize(side, side));
        const PiecePicture* picture = cells[static_cast<std::size_t>(i)].picture;
        if (picture == nullptr) {
            painter.fillRect(square, Qt::white);
        } else {
            if (side != square.width() || side != square.height())
                painter.fillRect(square, picture->background);
            const bool sharper = factor % 2 == 0 && !picture->twiceSize.isNull();
            painter.drawPixmap(pictureRect, sharper ? picture->twiceSize : picture->pixmap);
        }
        if (cursorVisible && i == cursor)
            paintCursorRing(painter, square, factor, picture, pictureRect);
    }
}

// Arrows, Home and End move the cursor and may repeat; Space, Return and Enter act on
// its cell as a click does, once per press, so a held key cannot clear group after group.
// With a modifier (the keypad's aside) a key does nothing on the board: a cursor key stops
// here, the others go on to the window. The menus' access keys are shortcuts, which Qt
// matches before the board sees a key.
void BoardView::keyPressEvent(QKeyEvent* event)
{
    // A key reaches the board only when the window system has given this window the keys. Qt may
    // still count it inactive: when the keys come while a question is open, Qt passes them on to
    // the question, and once the question has gone it never takes them back, and the menus'
    // access keys would stay dead. The key itself tells that the window is active.
    if (!isActiveWindow())
        QApplication::setActiveWindow(window());
    const int key = event->key();
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (const int target = cursorTarget(cursor, key); target != 0) {
        if (plain)
            placeCursor(target, true);
        event->accept();
        return;
    }
    if (actsOnCell(key) && plain) {
        event->accept();
        if (event->isAutoRepeat())
            return;
        placeCursor(cursor, true);
        emit cellClicked(cursor);
        return;
    }
    QWidget::keyPressEvent(event);
}

// The focus comes back to the board after a menu, a question or another window: a screen
// reader hears the cursor's cell, not the whole table.
void BoardView::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    if (!QAccessible::isActive())
        return;
    // After the board's own focus event, which Qt sends once this handler is done.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (hasFocus())
                tellAboutCell(this, cursor, QAccessible::Focus);
        },
        Qt::QueuedConnection);
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

// A click is a left press and release on the same cell. It takes the cursor along,
// hidden, so the mouse player's board looks as it always did.
void BoardView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int cell = cellAt(event->position());
    const bool sameCell = cell != 0 && cell == pressedCell;
    pressedCell = 0;
    if (sameCell) {
        placeCursor(cell, false);
        emit cellClicked(cell);
    }
}

} // namespace gelumpa
