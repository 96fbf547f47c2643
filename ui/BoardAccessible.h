// The board as assistive technology reads it: a table named "Board" of 10 x 10 cells,
// each named by the picture it shows, the marked group as the selected cells and the
// cursor's cell as the focus. Qt makes it only when a screen reader asks.
#pragma once

#include <array>

#include <QAccessibleWidget>
#include <QPointer>

#include "core/CellGeometry.h"

class QAccessibleInterface;
class QObject;
class QString;

namespace gelumpa {

class BoardView;

// The factory Qt asks for the board's accessible side and for the notifications of the news
// to a reader.
QAccessibleInterface* makeBoardAccessible(const QString& className, QObject* object);

class BoardAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BoardAccessible(BoardView* board);
    ~BoardAccessible() override;

    const BoardView& board() const;

    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return rowLength; }
    int rowCount() const override { return rowLength; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    // The player marks a group by playing, not by selecting through the table.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    // Made when first asked for and kept, so each cell keeps one identity for the reader.
    mutable std::array<QAccessible::Id, cellCount + 1> cellIds{};
};

} // namespace gelumpa
