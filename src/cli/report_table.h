#pragma once
// Writing a report's grid as text: its visible columns (hidden ones left out, as
// on screen), the header captions first, then every data row and the footer row,
// each cell as the grid shows it.
#include "grid/plain_grid.h"

#include <string>

namespace kontaro::cli {

// Columns padded to their widest cell and aligned as in the grid, separated by
// two blanks; lines end with "\n" and carry no trailing blanks.
std::string TextTable(const grid::PlainGrid& grid);

// RFC 4180: fields separated by `separator`, quoted when they hold it, a double
// quote, CR or LF (double quotes doubled), lines ending with CR LF.
std::string CsvTable(const grid::PlainGrid& grid, char separator);

} // namespace kontaro::cli
