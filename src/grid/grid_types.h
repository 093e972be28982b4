#pragma once
// The small value types of the plain grid: colours, fonts, alignments, the kinds of
// column editors and footer cells.
#include <cstdint>
#include <string>

namespace kontaro::grid {

// A colour value with red in the low byte, then green, then blue. Values with the
// top bit set name a colour of the desktop (see below) that a view resolves when it
// draws; every other value is a plain RGB colour.
using Colour = std::uint32_t;

constexpr Colour RgbColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return Colour(red) | (Colour(green) << 8) | (Colour(blue) << 16);
}

// The desktop's window background and window text colours.
constexpr Colour kWindowColour = 0x80000005u;
constexpr Colour kWindowTextColour = 0x80000008u;
// The background of computed and read-only money cells: 11009279.
constexpr Colour kLightYellow = RgbColour(255, 252, 167);

constexpr bool IsSystemColour(Colour colour) { return (colour & 0x80000000u) != 0; }

// Resolves the two desktop colours the grids use to the usual white and black;
// plain colours come back unchanged. Views with a real desktop palette resolve
// them themselves.
Colour ResolvedColour(Colour colour);

struct Font {
    std::string name = "Tahoma";
    int pointSize = 8;
    // The height in pixels at the view's resolution (8 points at 96 dpi are 11).
    int pixelHeight = 11;
    int pixelsPerInch = 96;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    Colour colour = kWindowTextColour;

    bool operator==(const Font&) const = default;
};

// Numbering as the exporter counts alignments: horizontal 0 left, 1 right, 2 centre.
enum class HAlign { Left = 0, Right = 1, Centre = 2 };
// Vertical 0 top, 1 centre, 2 bottom.
enum class VAlign { Top = 0, Centre = 1, Bottom = 2 };

// The editor a view opens for a cell of the column.
enum class EditorKind {
    None,       // the cells are never edited
    Text,       // a plain one-line editor
    Numeric,    // digits and a leading minus only
    Calculator, // the calculator cell editor
};

// What the footer row shows in a column.
enum class FooterKind {
    None,   // the footer cell holds whatever text was written into it
    Sum,    // the sum of the data rows that read as numbers, two decimals
    Custom, // the text the grid's footer handler returns
};

// A block of cells, all bounds included.
struct CellRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const CellRect&) const = default;
};

} // namespace kontaro::grid
