#pragma once
// The column grid as assistive technology sees it: a table whose rows are the
// grid's data rows followed by its footer row, whose columns are the grid's shown
// columns, and whose column headers are the header row's captions. Every cell is
// named by the text the grid shows; the cursor cell is the focused and selected
// one. The grid reports its changes through NotifyCursorMoved and NotifyCellsChanged.
#include <QAccessibleWidget>

#include <map>
#include <utility>

namespace kontaro::controls {

class ColumnGrid;

// Installs the factory that gives every ColumnGrid its accessible table. The first
// ColumnGrid of the process calls it.
void InstallColumnGridAccessibility();

class ColumnGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit ColumnGridAccessible(ColumnGrid* grid);
    ~ColumnGridAccessible() override;

    // --- QAccessibleInterface -------------------------------------------------
    void* interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* focusChild() const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    // The widget's accessible name, else its object name (the component name).
    QString text(QAccessible::Text t) const override;

    // --- QAccessibleTableInterface -------------------------------------------
    QAccessibleInterface* caption() const override;
    QAccessibleInterface* summary() const override;
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override;
    int selectedRowCount() const override;
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override;
    QList<int> selectedRows() const override;
    bool isColumnSelected(int column) const override;
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int column) override;
    bool unselectRow(int row) override;
    bool unselectColumn(int column) override;
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

    ColumnGrid* Grid() const;
    // The header cell of a table column; nullptr outside the columns.
    QAccessibleInterface* HeaderCell(int column) const;
    // The table row and column of the grid's cursor; -1, -1 when there is none.
    std::pair<int, int> CursorCell() const;

    // The grid's notifications.
    static void NotifyCursorMoved(ColumnGrid* grid);
    static void NotifyCellsChanged(ColumnGrid* grid);

private:
    // Table row -1 is the header row.
    QAccessibleInterface* CellInterface(int row, int column) const;
    // Drops the cells' interfaces once the shape of the table has changed.
    void ForgetCells() const;

    mutable std::map<std::pair<int, int>, QAccessible::Id> cells_;
    mutable int knownRows_ = -1;
    mutable int knownColumns_ = -1;
};

} // namespace kontaro::controls
