#pragma once
// Cutting written workbook streams back into records, and a small table grid, for the tests
// of the workbook records and the grid export.

#include "xls/biff_record.h"
#include "xls/exportable_grid.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kontaro::xls::test {

// Every record of a stream, CONTINUE records standing on their own; records of identifier 0
// between the sections (zero fill) are left out, those inside a section are kept.
std::vector<BiffRecord> RecordsOf(const std::vector<std::uint8_t>& stream);

// The records of section n (0 the globals, 1 the first sheet ...), BOF to EOF.
std::vector<BiffRecord> Section(const std::vector<BiffRecord>& records, int n);

// Inserts whole records into a stream at offset at and moves the BOUNDSHEET positions of the
// sheets behind it along, as the writer of such a file sets them.
void InsertRecords(std::vector<std::uint8_t>& stream, std::size_t at, const std::vector<std::uint8_t>& records);

std::vector<std::uint16_t> IdsOf(const std::vector<BiffRecord>& records);
std::vector<BiffRecord> OfKind(const std::vector<BiffRecord>& records, std::uint16_t id);

// A grid of texts with one look for every cell unless a test changes it.
class TableGrid : public ExportableGrid {
public:
    explicit TableGrid(std::vector<std::vector<std::string>> rows) : rows_(std::move(rows)) {}

    int RowCount() const override { return static_cast<int>(rows_.size()); }
    int ColumnCount() const override { return rows_.empty() ? 0 : static_cast<int>(rows_[0].size()); }
    bool IsColumnHidden(int column) const override;
    int ColumnWidthPixels(int column) const override;
    int RowHeightPixels(int) const override { return rowHeight; }
    std::string CellText(int column, int row) const override { return rows_.at(row).at(column); }
    GridFont CellFont(int, int) const override { return font; }
    Colour CellBackground(int column, int row) const override;
    GridHorizontalAlignment CellHorizontalAlignment(int, int) const override { return horizontal; }
    GridVerticalAlignment CellVerticalAlignment(int, int) const override { return vertical; }
    GridCellSpan CellSpan(int column, int row) const override;

    std::vector<int> widths; // per column; 64 when not given
    std::vector<int> hidden;
    int rowHeight = 22;
    GridFont font;
    Colour background = MakeColour(255, 255, 255);
    // One cell with another background, when set.
    int shadedColumn = -1, shadedRow = -1;
    Colour shade = MakeColour(192, 192, 192);
    GridHorizontalAlignment horizontal = GridHorizontalAlignment::Left;
    GridVerticalAlignment vertical = GridVerticalAlignment::Centre;
    // One merged block, when set: base cell and the further columns and rows it covers.
    int spanColumn = -1, spanRow = -1, spanColumns = 0, spanRows = 0;

private:
    std::vector<std::vector<std::string>> rows_;
};

} // namespace kontaro::xls::test
