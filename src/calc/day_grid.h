#pragma once
// The day view of a stored day as texts: what the day grid (columns of
// columns/grid_columns.h, columns::day) shows after a day switch to `day`.
//
// One row per entry in stored order: the product's name valid on the day, its ID,
// the stored value as the quantity or, for a product with a variable sales price,
// as the gross amount (both as two-decimal text, and the figures computed from
// that text), then the row's figures. An entry whose product is missing shows
// texts::kUnbekanntesProdukt, its value as the quantity and no figures. A day
// without stored entries gives one empty row. The footer holds "Summe (%s)", the
// day's date ("yy-mm-dd"), the sums of the rows' shown "Verkauf (B)", "Verkauf
// (N)", "Einkauf" and "DB1", and DayFooterPercent.
#include "calc/text_grid.h"
#include "model/project_file.h"
#include "numbers/number_locale.h"

#include <string>
#include <vector>

namespace kontaro::calc {

TextGrid StoredDayGrid(const model::Project& project, model::DayNumber day, const std::string& fileName,
                       const numbers::NumberLocale& locale);

// The day footer of the given rows (each with columns::day::kColumnCount texts).
TextRow DayFooter(const std::vector<TextRow>& rows, model::DayNumber day, const std::string& fileName,
                  const numbers::NumberLocale& locale);

} // namespace kontaro::calc
