#pragma once
// The events a plain grid raises, and the order in which it raises them.
//
// A handler left empty behaves as if it kept every in/out argument unchanged.
// Handlers may read and write the grid (texts, flags, the cursor through
// PlainGrid::SetCursor, rows) except where a line below says otherwise.
//
// Committing an edit (PlainGrid::CommitEdit, called when the user ends editing a
// cell whose text changed):
//   1. OnCellValidate(col, row, value, valid) with the new text and valid = true;
//      the handler may change value and valid.
//   2. valid still true: the cell takes value, then OnCellsChanged with the cell's
//      rectangle, then every footer column is recalculated (left to right).
//      valid false: the cell keeps the text it had before the edit; the view puts
//      the cursor back on it and opens the editor again.
//   An edit that leaves the text as it was raises nothing.
//
// Moving the cursor on the user's behalf (PlainGrid::MoveCursor; keys, clicks):
//   OnRowChanging(oldRow, newRow, allow) when the row changes, then
//   OnColChanging(oldCol, newCol, allow) when the column changes, both on one
//   allow flag that starts true; the cursor moves only when it is still true.
//   A handler that moves the cursor itself (SetCursor) wins: the move is dropped.
//   Program moves (PlainGrid::SetCursor) raise neither event.
//
// Insert key (PlainGrid::InsertKey; no Alt, Ctrl or Shift, no editor open):
//   OnCanInsertRow(cursorRow, canInsert = true); when allowed, one empty row is
//   inserted right after the cursor row (before the footer at the last data row),
//   OnAutoInsertRow(newRow), the cursor moves down onto the new row (in the column
//   the handler left it), OnCellsChanged with the new row, footer recalculated.
//
// Delete key (PlainGrid::DeleteKey; no Alt, no editor open):
//   OnCanDeleteRow(cursorRow, canDelete = true); when allowed, that row (the one
//   given to the handler, wherever the handler moved the cursor) is removed,
//   OnAutoDeleteRow(row), the cursor goes to the last data row if it stands on the
//   footer row, OnCellsChanged, footer recalculated. The only data row is never
//   removed: when a handler allows it, the row is cleared instead.
//
// Inserting, removing or clearing rows through the grid's own operations also
// raises OnCellsChanged and recalculates the footer (once per operation).
//
// OnCalcFooter(col, footerRow, value): called for each footer column of the kind
// Custom, in column order, with value empty; the footer cell shows value. It must
// not change cells or rows.
//
// OnChanged is for views only: something visible changed (texts, flags, rows,
// cursor, columns). While repainting is suspended it is held back and raised once
// at the end.
#include "grid/grid_types.h"

#include <functional>
#include <string>

namespace kontaro::grid {

struct GridEvents {
    std::function<void(int col, int row, std::string& value, bool& valid)> OnCellValidate;
    std::function<void(const CellRect& changed)> OnCellsChanged;
    std::function<void(int oldRow, int newRow, bool& allow)> OnRowChanging;
    std::function<void(int oldCol, int newCol, bool& allow)> OnColChanging;
    std::function<void(int row, bool& canInsert)> OnCanInsertRow;
    std::function<void(int row)> OnAutoInsertRow;
    std::function<void(int row, bool& canDelete)> OnCanDeleteRow;
    std::function<void(int row)> OnAutoDeleteRow;
    std::function<void(int col, int row, std::string& value)> OnCalcFooter;
};

} // namespace kontaro::grid
