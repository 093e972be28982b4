#pragma once
// The finished cell texts of a computed grid (UTF-8), which a view, a printout, an
// export or the report tool writes as they are.
#include <string>
#include <vector>

namespace kontaro::calc {

using TextRow = std::vector<std::string>;

struct TextGrid {
    std::vector<TextRow> rows; // data rows, each with a text for every column
    TextRow footer;            // the footer row; empty for a grid without one
};

// The result of a summary run.
struct SummaryResult {
    TextGrid grid;
    // False when the period holds no stored day: the grid is the reset grid (one
    // empty row, zero sums), the caller warns with texts::kKeinePassendenEintraege,
    // and a view that has calculated before keeps its footer's first cell, which
    // here holds the start-up text "Summen".
    bool daysFound = false;
};

} // namespace kontaro::calc
