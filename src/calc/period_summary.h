#pragma once
// The period summary: the sales of the stored days from `from` to `to` (both
// included) per product, as the texts of the summary grid (columns of
// columns/grid_columns.h, columns::sum) with its footer.
//
// The rows are formed from ProductTotals (calc/summary_totals.h). One row
// per product whose gross total is positive, in catalogue order; one empty row
// when none is. The footer holds "Summe (%s)", the two dates ("yy-mm-dd"), the
// sums of the rows' shown values and the percentage of the shown sums (empty when
// the net sum is 0). Entries of products missing from the catalogue are skipped.
#include "calc/text_grid.h"
#include "model/project_file.h"
#include "numbers/number_locale.h"

#include <string>

namespace kontaro::calc {

SummaryResult PeriodSummary(const model::Project& project, model::DayNumber from, model::DayNumber to,
                            const std::string& fileName, const numbers::NumberLocale& locale);

} // namespace kontaro::calc
