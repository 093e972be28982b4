#pragma once
// The set-ups of the program's four grids, defined once so that the window,
// printing, the export and the report tool lay out the same grids. Each Setup
// function turns a grid into its start-up state: columns (captions, names, widths,
// alignments, colours, editors, display decimals, footer kinds, hidden columns),
// options, and the rows of a fresh grid (header, one empty data row and, where
// there is one, the footer row with "Summen" in its first cell). Cursor on row 1
// of the first column that is not fixed.
//
// The column constants are the indices the program addresses the columns by;
// hidden columns keep theirs.
#include "grid/plain_grid.h"

namespace kontaro::grid {

// The day view: 9 columns, the calculator editor on "Menge" and "Verkauf (B)",
// footer sums on 3, 4, 5 and 7 and a custom footer (the day's margin percentage)
// on 8, Insert and Delete keys on. Its own read-only flags per cell are set by the
// day view (SetCellReadOnly with kLightYellow / kWindowColour).
namespace day {
enum : int {
    cDisplay = 0,
    cProdukt = 1,
    cMenge = 2,
    cVerkauf = 3,
    cVerkaufN = 4,
    cEinkauf = 5,
    cSteuer = 6,
    cDB1 = 7,
    cDB1P = 8,
    kColumnCount = 9,
};
} // namespace day
void SetupDayView(PlainGrid& grid);

// The period summary: 9 read-only columns, row selection, footer sums on 3, 4, 5
// and 7. The footer shows the From date in column 1 and the To date in column 2.
namespace sum {
enum : int {
    SumName = 0,
    SumProd = 1,
    SumMenge = 2,
    SumVerkauf = 3,
    SumVerkaufN = 4,
    SumEinkauf = 5,
    SumSteuer = 6,
    SumDB1 = 7,
    SumDB1P = 8,
    kColumnCount = 9,
    kFromDateColumn = SumProd,
    kToDateColumn = SumMenge,
};
} // namespace sum
void SetupSumView(PlainGrid& grid);

// The group summary: 10 read-only columns without names, row and range
// selection, footer sums on 3, 4, 5 and 7, columns 2 and 6 hidden. The footer
// shows the From date in column 1 and the To date in column 9.
namespace group {
enum : int {
    kName = 0,
    kGruppe = 1,
    kMenge = 2,
    kVerkauf = 3,
    kVerkaufN = 4,
    kEinkauf = 5,
    kSteuer = 6,
    kDB1 = 7,
    kDB1P = 8,
    kAnteil = 9,
    kColumnCount = 10,
    kFromDateColumn = kGruppe,
    kToDateColumn = kAnteil,
};
} // namespace group
void SetupGroupView(PlainGrid& grid);
// Hides "Menge" and "Steuer (bis)" again (after New and Load).
void HideGroupViewColumns(PlainGrid& grid);

// The product overview written by the product export: 4 columns, no fixed column,
// no footer, not editable.
namespace overview {
enum : int {
    kId = 0,
    kName = 1,
    kEinkauf = 2,
    kVerkauf = 3,
    kColumnCount = 4,
};
} // namespace overview
void SetupExportGrid(PlainGrid& grid);

} // namespace kontaro::grid
