#pragma once
// What the workbook exporter asks of a grid. The program's grids, the report tool and
// the tests each answer it through a small adapter; the exporter never sees a widget.

#include <cstdint>
#include <string>

namespace kontaro::xls {

// A screen colour as 0x00BBGGRR: red in the low byte, blue in the third. The top byte is
// ignored; an adapter hands over colours already resolved to what is drawn on screen.
using Colour = std::uint32_t;

constexpr Colour MakeColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return Colour{red} | (Colour{green} << 8) | (Colour{blue} << 16);
}

// The font with which the grid draws a cell. Height is in pixels at pixelsPerInch, as the
// grid draws it; the exporter converts it to twips.
struct GridFont {
    std::string name = "Arial"; // UTF-8
    int heightPixels = 13;
    int pixelsPerInch = 96;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    Colour colour = MakeColour(0, 0, 0);
};

enum class GridHorizontalAlignment : int { Left = 0, Right = 1, Centre = 2 };
enum class GridVerticalAlignment : int { Top = 0, Centre = 1, Bottom = 2 };

// The lines the grid draws around one cell (not its grid lines).
struct GridCellBorders {
    bool top = false, left = false, bottom = false, right = false;
    Colour topColour = 0, leftColour = 0, bottomColour = 0, rightColour = 0;
};

// The grid lines, read only when hard borders are exported.
struct GridLines {
    int width = 0; // pixels; 0 means none are drawn
    Colour colour = 0;
    bool horizontal = false;
    bool vertical = false;
};

// A merged block: a base cell covering `columns` further columns to its right and `rows`
// further rows below it. A cell inside a block that is not its base reports isBase false.
struct GridCellSpan {
    int columns = 0;
    int rows = 0;
    bool isBase = true;
};

// Columns and rows are the grid's own, 0-based. Every row the grid has is exported: header,
// data and footer rows alike, so an adapter that shows a footer row counts it in RowCount
// and answers for its cells like for any other row. Columns are all the grid's columns,
// hidden ones included; IsColumnHidden says which the user does not see.
class ExportableGrid {
public:
    virtual ~ExportableGrid() = default;

    virtual int RowCount() const = 0;
    virtual int ColumnCount() const = 0;
    virtual bool IsColumnHidden(int column) const { return column < 0; }

    virtual int ColumnWidthPixels(int column) const = 0;
    virtual int RowHeightPixels(int row) const = 0;

    // The text as the grid shows it, UTF-8.
    virtual std::string CellText(int column, int row) const = 0;
    virtual GridFont CellFont(int column, int row) const = 0;
    virtual Colour CellBackground(int column, int row) const = 0;
    virtual GridHorizontalAlignment CellHorizontalAlignment(int column, int row) const = 0;
    virtual GridVerticalAlignment CellVerticalAlignment(int column, int row) const = 0;

    virtual GridCellBorders CellBorders(int /*column*/, int /*row*/) const { return {}; }
    virtual GridLines Lines() const { return {}; }
    virtual bool WrapsWords() const { return false; }
    // Whether the cell's text is drawn rotated, and by how many degrees (counter-clockwise).
    virtual bool IsCellRotated(int /*column*/, int /*row*/) const { return false; }
    virtual int CellRotationDegrees(int /*column*/, int /*row*/) const { return 0; }
    virtual GridCellSpan CellSpan(int /*column*/, int /*row*/) const { return {}; }
};

} // namespace kontaro::xls
