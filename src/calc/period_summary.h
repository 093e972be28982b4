#pragma once
// The period summary: the sales of the stored days from `from` to `to` (both
// included) per product, as the texts of the summary grid (columns of
// calc/columns.h, sumcol) with its footer.
//
// Resets the products' totals and leaves them holding this run's results. One row
// per product whose gross total is positive, in catalogue order; one empty row
// when none is. The footer holds "Summe (%s)", the two dates ("yy-mm-dd"), the
// sums of the rows' shown values and the percentage of the shown sums (empty when
// the net sum is 0). Entries of products missing from the catalogue are skipped.
#include "calc/number_locale.h"
#include "calc/text_grid.h"
#include "model/project_file.h"

#include <string>

namespace kontaro::calc {

SummaryResult PeriodSummary(Project& project, DayNumber from, DayNumber to,
                            const std::string& fileName, const NumberLocale& locale);

} // namespace kontaro::calc
