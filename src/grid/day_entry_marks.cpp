#include "grid/day_entry_marks.h"

#include "columns/grid_columns.h"

namespace kontaro::grid {

void MarkDayEntryRow(PlainGrid& grid, int row, bool variablePrice)
{
    const auto mark = [&grid, row](int col, bool readOnly) {
        grid.SetCellReadOnly(col, row, readOnly, readOnly ? kLightYellow : kWindowColour);
    };
    mark(columns::day::Menge, variablePrice);
    mark(columns::day::VerkaufB, !variablePrice);
}

} // namespace kontaro::grid
