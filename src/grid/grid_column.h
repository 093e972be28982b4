#pragma once
// One column of a plain grid: its caption, look, editor and footer kind.
#include "grid/grid_types.h"

#include <optional>
#include <string>

namespace kontaro::grid {

struct Column {
    // The component name of the column (for example "cMenge"); may be empty.
    std::string name;
    // The caption of the header row (UTF-8).
    std::string header;
    int width = 64; // pixels
    HAlign alignment = HAlign::Left;
    HAlign headerAlignment = HAlign::Left;
    VAlign verticalAlignment = VAlign::Centre;
    Colour colour = kWindowColour;
    EditorKind editor = EditorKind::Text;
    // Cells of the column refuse editing unless a cell carries its own flag.
    bool readOnly = false;
    // A hidden column keeps its index but is not shown, printed or exported.
    bool hidden = false;
    // When set, a cell that reads as a number is shown with this many decimals;
    // other cells (and all cells when unset) are shown as written.
    std::optional<int> displayDecimals;
    FooterKind footer = FooterKind::None;
};

} // namespace kontaro::grid
