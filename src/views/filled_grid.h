#pragma once
// The view builder: a grid laid out by its set-up (grid/grid_setups.h) and filled with
// the texts a calculation computed for it, so that the window, printing, the export
// and the report tool show the same cells. The texts are written as they are; the
// grid's own sum footers are not recomputed over them.
#include "calc/text_grid.h"
#include "grid/plain_grid.h"
#include "numbers/number_locale.h"

namespace kontaro::views {

// Writes `texts` into a grid that its set-up has laid out: the rows become the data
// rows (the grid gets exactly as many), the footer the footer row where the grid has
// one. Throws std::logic_error when a row does not have a text for every column.
void FillGrid(grid::PlainGrid& grid, const calc::TextGrid& texts);

// A fresh grid laid out by `setup`, writing numbers with `locale`, filled by FillGrid.
grid::PlainGrid FilledGrid(void (*setup)(grid::PlainGrid&), const calc::TextGrid& texts,
                           const numbers::NumberLocale& locale);

} // namespace kontaro::views
