#include "views/filled_grid.h"

#include <stdexcept>

namespace kontaro::views {

namespace {

void WriteRow(grid::PlainGrid& grid, int row, const calc::TextRow& texts)
{
    if (static_cast<int>(texts.size()) != grid.ColumnCount())
        throw std::logic_error("computed row does not fit its grid");
    for (int col = 0; col < grid.ColumnCount(); ++col)
        grid.SetCell(col, row, texts[static_cast<std::size_t>(col)]);
}

} // namespace

void FillGrid(grid::PlainGrid& grid, const calc::TextGrid& texts)
{
    grid.BeginUpdate();
    const int rows = static_cast<int>(texts.rows.size());
    grid.SetRowCount(1 + rows + (grid.Options().footer ? 1 : 0));
    for (int r = 0; r < rows; ++r)
        WriteRow(grid, grid.FirstDataRow() + r, texts.rows[static_cast<std::size_t>(r)]);
    if (grid.Options().footer)
        WriteRow(grid, grid.FooterRow(), texts.footer);
    grid.EndUpdate();
}

grid::PlainGrid FilledGrid(void (*setup)(grid::PlainGrid&), const calc::TextGrid& texts,
                           const numbers::NumberLocale& locale)
{
    grid::PlainGrid grid;
    setup(grid);
    grid.Options().numberLocale = locale;
    FillGrid(grid, texts);
    return grid;
}

} // namespace kontaro::views
