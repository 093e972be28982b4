#pragma once
// The group summary: the sales of the stored days from `from` to `to` (both
// included) per product group, each entry counted for the group its product
// belongs to on the entry's own day, as the texts of the group grid (columns of
// columns/grid_columns.h, columns::group) with its footer.
//
// The rows are formed from GroupTotals (calc/summary_totals.h). One row
// per group whose gross total is positive, in the order of the groups; one empty
// row when none is. "Menge" and "Steuer (bis)" stay empty. The footer holds
// "Summe (%s)", the From date in "Gruppe" and the To date in "Anteil (%)", the
// sums of the rows' shown values, and the percentage of the shown sums (0.00 when
// the net sum is 0). A row's "Anteil (%)" is its shown net sales in percent of the
// footer's shown net sum, empty when that sum is 0. Entries whose product or
// group is missing are skipped.
#include "calc/text_grid.h"
#include "model/project_file.h"
#include "numbers/number_locale.h"

#include <string>

namespace kontaro::calc {

SummaryResult GroupSummary(const model::Project& project, model::DayNumber from, model::DayNumber to,
                           const std::string& fileName, const numbers::NumberLocale& locale);

} // namespace kontaro::calc
