#pragma once
// The cell flags of a day view row that shows a stored entry, for the window's day
// view and the exports' day sheets alike.
#include "grid/plain_grid.h"

namespace kontaro::grid {

// The cell the entry's value is typed in ("Verkauf (B)" for a product with a
// variable sales price, else "Menge") becomes editable in the window's colour, the
// other one read-only in light yellow.
void MarkDayEntryRow(PlainGrid& grid, int row, bool variablePrice);

} // namespace kontaro::grid
