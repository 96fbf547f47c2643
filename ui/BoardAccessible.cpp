// The board's table and its cells for assistive technology. A cell reads the board
// widget each time it is asked, so nothing is kept in step with the game.
#include "ui/BoardAccessible.h"

#include <QCoreApplication>
#include <QWidget>

#include "ui/BoardView.h"
#include "ui/ReaderNews.h"

namespace gelumpa {

namespace {
// What the player sees in a cell, by kind 1..5, in the player's language.
QString pictureName(int kind)
{
    switch (kind) {
    case 1: return QCoreApplication::translate("ScreenReader", "light-brown ball");
    case 2: return QCoreApplication::translate("ScreenReader", "green ball");
    case 3: return QCoreApplication::translate("ScreenReader", "red ball");
    case 4: return QCoreApplication::translate("ScreenReader", "pale turquoise ball");
    case 5: return QCoreApplication::translate("ScreenReader", "magenta ball");
    default: return QCoreApplication::translate("ScreenReader", "empty");
    }
}

class CellAccessible final : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CellAccessible(BoardView* board, int cell) : view(board), cell(cell) {}

    bool isValid() const override { return !view.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return table()->window(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return table(); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Name)
            return pictureName(view->cellKind(cell));
        // A reader speaks a cell it moves to without its place in the table.
        if (type == QAccessible::Description)
            return QCoreApplication::translate("ScreenReader", "row %1, column %2").arg(rowOf(cell)).arg(columnOf(cell));
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        const QRect square = BoardView::cellRect(cell);
        return {view->mapToGlobal(square.topLeft()), square.size()};
    }

    QAccessible::Role role() const override { return QAccessible::Cell; }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = true;
        state.selectable = true;
        state.focused = cell == view->cursorCell() && view->hasFocus();
        state.selected = view->cellMarked(cell);
        state.invisible = !view->isVisible();
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isSelected() const override { return view->cellMarked(cell); }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return columnOf(cell) - 1; }
    int rowIndex() const override { return rowOf(cell) - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return QAccessible::queryAccessibleInterface(view.data()); }

private:
    const QPointer<BoardView> view;
    const int cell;
};
} // namespace

QAccessibleInterface* makeBoardAccessible(const QString&, QObject* object)
{
    if (auto* board = qobject_cast<BoardView*>(object))
        return new BoardAccessible(board);
    if (auto* notice = qobject_cast<ReaderNotice*>(object))
        return new QAccessibleWidget(notice, QAccessible::Notification);
    return nullptr;
}

BoardAccessible::BoardAccessible(BoardView* board) : QAccessibleWidget(board, QAccessible::Table) {}

BoardAccessible::~BoardAccessible()
{
    for (const QAccessible::Id id : cellIds)
        if (id != 0)
            QAccessible::deleteAccessibleInterface(id);
}

const BoardView& BoardAccessible::board() const
{
    return *static_cast<const BoardView*>(widget());
}

QAccessibleInterface* BoardAccessible::child(int index) const
{
    if (index < 0 || index >= cellCount)
        return nullptr;
    auto& id = cellIds[static_cast<std::size_t>(index + 1)];
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(
            new CellAccessible(static_cast<BoardView*>(widget()), index + 1));
    return QAccessible::accessibleInterface(id);
}

int BoardAccessible::childCount() const
{
    return cellCount;
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (const auto* cell = dynamic_cast<const CellAccessible*>(child))
        return cell->rowIndex() * rowLength + cell->columnIndex();
    return -1;
}

QAccessibleInterface* BoardAccessible::childAt(int x, int y) const
{
    const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
    if (!widget()->rect().contains(local))
        return nullptr;
    return cellAt(local.y() / BoardView::cellSize, local.x() / BoardView::cellSize);
}

QAccessibleInterface* BoardAccessible::focusChild() const
{
    return board().hasFocus() ? child(board().cursorCell() - 1) : nullptr;
}

void* BoardAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface* BoardAccessible::cellAt(int row, int column) const
{
    if (row < 0 || row >= rowLength || column < 0 || column >= rowLength)
        return nullptr;
    return child(row * rowLength + column);
}

int BoardAccessible::selectedCellCount() const
{
    return static_cast<int>(selectedCells().size());
}

QList<QAccessibleInterface*> BoardAccessible::selectedCells() const
{
    QList<QAccessibleInterface*> marked;
    for (int cell = 1; cell <= cellCount; ++cell)
        if (board().cellMarked(cell))
            marked.append(child(cell - 1));
    return marked;
}

} // namespace gelumpa
