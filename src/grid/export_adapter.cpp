#include "grid/export_adapter.h"

namespace kontaro::grid {

int ExportAdapter::RowCount() const { return grid_.RowCount(); }

int ExportAdapter::ColumnCount() const { return grid_.ColumnCount(); }

bool ExportAdapter::IsColumnHidden(int column) const { return grid_.ColumnAt(column).hidden; }

int ExportAdapter::ColumnWidthPixels(int column) const { return grid_.ColumnAt(column).width; }

int ExportAdapter::RowHeightPixels(int row) const { return grid_.RowHeight(row); }

std::string ExportAdapter::CellText(int column, int row) const { return grid_.DisplayText(column, row); }

xls::GridFont ExportAdapter::CellFont(int column, int row) const
{
    const Font& font = grid_.CellFont(column, row);
    xls::GridFont result;
    result.name = font.name;
    result.heightPixels = font.pixelHeight;
    result.pixelsPerInch = font.pixelsPerInch;
    result.bold = font.bold;
    result.italic = font.italic;
    result.underline = font.underline;
    result.strikeOut = font.strikeOut;
    result.colour = ResolvedColour(font.colour) & 0x00FFFFFFu;
    return result;
}

xls::Colour ExportAdapter::CellBackground(int column, int row) const
{
    return ResolvedColour(grid_.CellColour(column, row)) & 0x00FFFFFFu;
}

xls::GridHorizontalAlignment ExportAdapter::CellHorizontalAlignment(int column, int row) const
{
    return xls::GridHorizontalAlignment(int(grid_.CellAlignment(column, row)));
}

xls::GridVerticalAlignment ExportAdapter::CellVerticalAlignment(int column, int /*row*/) const
{
    return xls::GridVerticalAlignment(int(grid_.ColumnAt(column).verticalAlignment));
}

xls::GridLines ExportAdapter::Lines() const
{
    xls::GridLines lines;
    if (grid_.Options().gridLines) {
        lines.width = 1;
        lines.horizontal = true;
        lines.vertical = true;
    }
    lines.colour = ResolvedColour(grid_.Options().gridLineColour) & 0x00FFFFFFu;
    return lines;
}

} // namespace kontaro::grid
