#pragma once
// The set-ups of the program's four grids, defined once so that the window,
// printing, the export and the report tool lay out the same grids. Each Setup
// function turns a grid into its start-up state: columns (captions, names, widths,
// alignments, colours, editors, display decimals, footer kinds, hidden columns),
// options, and the rows of a fresh grid (header, one empty data row and, where
// there is one, the footer row with "Summen" in its first cell). Cursor on row 1
// of the first column that is not fixed.
//
// The columns are those of columns/grid_columns.h, by the same indices.
#include "columns/grid_columns.h"
#include "grid/plain_grid.h"

namespace kontaro::grid {

// The day view: 9 columns, the calculator editor on "Menge" and "Verkauf (B)",
// footer sums on 3, 4, 5 and 7 and a custom footer (the day's margin percentage)
// on 8, Insert and Delete keys on. Its own read-only flags per cell are set by the
// day view (SetCellReadOnly with kLightYellow / kWindowColour).
void SetupDayView(PlainGrid& grid);

// The period summary: 9 read-only columns, row selection, footer sums on 3, 4, 5
// and 7. The footer shows the From date in column 1 and the To date in column 2.
void SetupSumView(PlainGrid& grid);

// The group summary: 10 read-only columns without names, row and range
// selection, footer sums on 3, 4, 5 and 7, columns 2 and 6 hidden. The footer
// shows the From date in column 1 and the To date in column 9.
void SetupGroupView(PlainGrid& grid);
// Hides "Menge" and "Steuer (bis)" again (after New and Load).
void HideGroupViewColumns(PlainGrid& grid);

// The product overview written by the product export: 4 columns, no fixed column,
// no footer, not editable.
void SetupExportGrid(PlainGrid& grid);

// The period series (columns of columns/series_columns.h): 9 read-only columns, no
// fixed column, no footer, row selection; the labels and the group left-aligned.
// "Gruppe" is hidden until ShowSeriesGroups.
void SetupSeriesGrid(PlainGrid& grid);
void ShowSeriesGroups(PlainGrid& grid, bool shown);

} // namespace kontaro::grid
