#include "controls/column_grid_accessible.h"

#include "controls/column_grid.h"

#include <QPointer>

namespace kontaro::controls {

namespace {

// One cell of the table; row -1 is the header row. The cell reads the grid on every
// question, so it never shows a stale text.
class CellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CellAccessible(ColumnGrid* grid, int row, int column) : grid_(grid), row_(row), column_(column) {}

    bool isValid() const override
    {
        return grid_ && row_ >= -1 && row_ < grid_->Grid().RowCount() - 1 && column_ >= 0 &&
               column_ < grid_->Grid().VisibleColumnCount();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return grid_ ? grid_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override
    {
        return grid_ ? QAccessible::queryAccessibleInterface(grid_) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override
    {
        if (!isValid() || (t != QAccessible::Name && t != QAccessible::Value))
            return {};
        return QString::fromStdString(grid_->Grid().DisplayText(GridColumn(), GridRow()));
    }

    QAccessible::Role role() const override { return row_ < 0 ? QAccessible::ColumnHeader : QAccessible::Cell; }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid())
            return s;
        const grid::PlainGrid& g = grid_->Grid();
        if (CellRect().isEmpty())
            s.invisible = s.offscreen = true;
        if (row_ < 0 || !g.IsDataRow(GridRow())) {
            s.readOnly = true;
            return s;
        }
        s.focusable = s.selectable = true;
        s.readOnly = !g.CanEdit(GridColumn(), GridRow());
        s.editable = !s.readOnly;
        const bool cursor = GridRow() == g.CursorRow() && GridColumn() == g.CursorCol();
        s.focused = cursor && grid_->hasFocus();
        const auto [first, last] = grid_->SelectedRows();
        s.selected = g.Options().rowSelect ? GridRow() >= first && GridRow() <= last : cursor;
        return s;
    }

    QRect rect() const override
    {
        const QRect cell = CellRect();
        if (cell.isEmpty())
            return {};
        return {grid_->viewport()->mapToGlobal(cell.topLeft()), cell.size()};
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    // --- QAccessibleTableCellInterface ----------------------------------------
    bool isSelected() const override { return state().selected; }
    QList<QAccessibleInterface*> columnHeaderCells() const override
    {
        if (row_ < 0 || !grid_)
            return {};
        return {Table()->HeaderCell(column_)};
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    int GridRow() const { return row_ + 1; }
    int GridColumn() const { return grid_->Grid().VisibleColumn(column_); }
    QRect CellRect() const { return grid_->CellRect(GridColumn(), GridRow()); }
    ColumnGridAccessible* Table() const { return static_cast<ColumnGridAccessible*>(parent()); }

    QPointer<ColumnGrid> grid_;
    int row_;
    int column_;
};

QAccessibleInterface* MakeColumnGridAccessible(const QString&, QObject* object)
{
    if (auto* grid = qobject_cast<ColumnGrid*>(object))
        return new ColumnGridAccessible(grid);
    return nullptr;
}

ColumnGridAccessible* AccessibleOf(ColumnGrid* grid)
{
    return static_cast<ColumnGridAccessible*>(QAccessible::queryAccessibleInterface(grid));
}

} // namespace

void InstallColumnGridAccessibility() { QAccessible::installFactory(&MakeColumnGridAccessible); }

ColumnGridAccessible::ColumnGridAccessible(ColumnGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}

ColumnGridAccessible::~ColumnGridAccessible() { ForgetCells(); }

ColumnGrid* ColumnGridAccessible::Grid() const { return static_cast<ColumnGrid*>(widget()); }

void* ColumnGridAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString ColumnGridAccessible::text(QAccessible::Text t) const
{
    QString text = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && text.isEmpty())
        text = Grid()->objectName();
    return text;
}

// Children: the header cells first, then the table's cells row by row.
int ColumnGridAccessible::childCount() const { return (rowCount() + 1) * columnCount(); }

QAccessibleInterface* ColumnGridAccessible::child(int index) const
{
    const int columns = columnCount();
    if (index < 0 || columns == 0 || index >= childCount())
        return nullptr;
    return CellInterface(index / columns - 1, index % columns);
}

int ColumnGridAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const QAccessibleTableCellInterface* cell =
        child ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr;
    if (!cell || child->parent() != this)
        return -1;
    return (cell->rowIndex() + 1) * columnCount() + cell->columnIndex();
}

QAccessibleInterface* ColumnGridAccessible::focusChild() const
{
    if (!Grid()->hasFocus())
        return nullptr;
    const auto [row, column] = CursorCell();
    return row < 0 ? nullptr : CellInterface(row, column);
}

QAccessibleInterface* ColumnGridAccessible::childAt(int x, int y) const
{
    int col = -1;
    int row = -1;
    if (!Grid()->CellAt(Grid()->viewport()->mapFromGlobal(QPoint(x, y)), &col, &row))
        return nullptr;
    for (int column = 0; column < columnCount(); ++column) {
        if (Grid()->Grid().VisibleColumn(column) == col)
            return CellInterface(row - 1, column);
    }
    return nullptr;
}

QAccessibleInterface* ColumnGridAccessible::caption() const { return nullptr; }

QAccessibleInterface* ColumnGridAccessible::summary() const { return nullptr; }

QAccessibleInterface* ColumnGridAccessible::cellAt(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    return CellInterface(row, column);
}

QAccessibleInterface* ColumnGridAccessible::HeaderCell(int column) const
{
    if (column < 0 || column >= columnCount())
        return nullptr;
    return CellInterface(-1, column);
}

QAccessibleInterface* ColumnGridAccessible::CellInterface(int row, int column) const
{
    if (rowCount() != knownRows_ || columnCount() != knownColumns_) {
        ForgetCells();
        knownRows_ = rowCount();
        knownColumns_ = columnCount();
    }
    auto found = cells_.find({row, column});
    if (found == cells_.end()) {
        // The accessibility registry owns the cell from here on; ForgetCells hands it back.
        const QAccessible::Id id = QAccessible::registerAccessibleInterface(new CellAccessible(Grid(), row, column));
        found = cells_.emplace(std::pair(row, column), id).first;
    }
    return QAccessible::accessibleInterface(found->second);
}

void ColumnGridAccessible::ForgetCells() const
{
    for (const auto& [cell, id] : cells_)
        QAccessible::deleteAccessibleInterface(id);
    cells_.clear();
    knownRows_ = knownColumns_ = -1;
}

std::pair<int, int> ColumnGridAccessible::CursorCell() const
{
    const grid::PlainGrid& g = Grid()->Grid();
    if (!g.IsDataRow(g.CursorRow()))
        return {-1, -1};
    for (int column = 0; column < columnCount(); ++column) {
        if (g.VisibleColumn(column) == g.CursorCol())
            return {g.CursorRow() - 1, column};
    }
    return {-1, -1};
}

int ColumnGridAccessible::selectedCellCount() const { return int(selectedCells().size()); }

QList<QAccessibleInterface*> ColumnGridAccessible::selectedCells() const
{
    QList<QAccessibleInterface*> cells;
    const auto [cursorRow, cursorColumn] = CursorCell();
    if (cursorRow < 0)
        return cells;
    if (!Grid()->Grid().Options().rowSelect)
        return {CellInterface(cursorRow, cursorColumn)};
    for (int row : selectedRows()) {
        for (int column = 0; column < columnCount(); ++column)
            cells.append(CellInterface(row, column));
    }
    return cells;
}

QString ColumnGridAccessible::columnDescription(int column) const
{
    if (column < 0 || column >= columnCount())
        return {};
    return QString::fromStdString(Grid()->Grid().ColumnAt(Grid()->Grid().VisibleColumn(column)).header);
}

QString ColumnGridAccessible::rowDescription(int) const { return {}; }

int ColumnGridAccessible::selectedColumnCount() const { return 0; }

int ColumnGridAccessible::selectedRowCount() const { return int(selectedRows().size()); }

int ColumnGridAccessible::columnCount() const { return Grid()->Grid().VisibleColumnCount(); }

// The header row is not a row of the table: it gives the column headers.
int ColumnGridAccessible::rowCount() const { return Grid()->Grid().RowCount() - 1; }

QList<int> ColumnGridAccessible::selectedColumns() const { return {}; }

QList<int> ColumnGridAccessible::selectedRows() const
{
    if (!Grid()->Grid().Options().rowSelect || CursorCell().first < 0)
        return {};
    QList<int> rows;
    const auto [first, last] = Grid()->SelectedRows();
    for (int row = first; row <= last; ++row)
        rows.append(row - 1);
    return rows;
}

bool ColumnGridAccessible::isColumnSelected(int) const { return false; }

bool ColumnGridAccessible::isRowSelected(int row) const { return selectedRows().contains(row); }

// Selection stays with the user's keys and clicks, which run the grid's row checks.
bool ColumnGridAccessible::selectRow(int) { return false; }

bool ColumnGridAccessible::selectColumn(int) { return false; }

bool ColumnGridAccessible::unselectRow(int) { return false; }

bool ColumnGridAccessible::unselectColumn(int) { return false; }

void ColumnGridAccessible::modelChange(QAccessibleTableModelChangeEvent* event)
{
    if (event->modelChangeType() == QAccessibleTableModelChangeEvent::ModelReset)
        ForgetCells();
}

void ColumnGridAccessible::NotifyCursorMoved(ColumnGrid* grid)
{
    // Without a listener, Qt drops the events; the interfaces need not be made for them.
    if (!QAccessible::isActive())
        return;
    ColumnGridAccessible* table = AccessibleOf(grid);
    const auto [row, column] = table->CursorCell();
    if (row < 0)
        return;
    QAccessibleInterface* cell = table->CellInterface(row, column);
    if (grid->hasFocus()) {
        QAccessibleEvent focus(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
    QAccessibleEvent selection(cell, QAccessible::Selection);
    QAccessible::updateAccessibility(&selection);
}

void ColumnGridAccessible::NotifyCellsChanged(ColumnGrid* grid)
{
    if (!QAccessible::isActive())
        return;
    ColumnGridAccessible* table = AccessibleOf(grid);
    const bool reshaped = table->knownRows_ != -1 &&
                          (table->rowCount() != table->knownRows_ || table->columnCount() != table->knownColumns_);
    QAccessibleTableModelChangeEvent change(grid, reshaped ? QAccessibleTableModelChangeEvent::ModelReset
                                                           : QAccessibleTableModelChangeEvent::DataChanged);
    if (!reshaped) {
        change.setFirstRow(0);
        change.setFirstColumn(0);
        change.setLastRow(table->rowCount() - 1);
        change.setLastColumn(table->columnCount() - 1);
    }
    QAccessible::updateAccessibility(&change);
}

} // namespace kontaro::controls
