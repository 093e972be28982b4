#pragma once
// Answers the workbook exporter's questions about a plain grid: every row (header,
// data and footer), every column with its hidden flag, the texts as shown, and the
// fonts, colours and alignments the grid is drawn with, desktop colours resolved.
// The adapter only reads the grid, which must outlive it and not change during an
// export.
#include "grid/plain_grid.h"
#include "xls/exportable_grid.h"

namespace kontaro::grid {

class ExportAdapter final : public xls::ExportableGrid {
public:
    explicit ExportAdapter(const PlainGrid& grid) : grid_(grid) {}

    int RowCount() const override;
    int ColumnCount() const override;
    bool IsColumnHidden(int column) const override;
    int ColumnWidthPixels(int column) const override;
    int RowHeightPixels(int row) const override;
    std::string CellText(int column, int row) const override;
    xls::GridFont CellFont(int column, int row) const override;
    xls::Colour CellBackground(int column, int row) const override;
    xls::GridHorizontalAlignment CellHorizontalAlignment(int column, int row) const override;
    xls::GridVerticalAlignment CellVerticalAlignment(int column, int row) const override;
    xls::GridLines Lines() const override;

private:
    const PlainGrid& grid_;
};

} // namespace kontaro::grid
