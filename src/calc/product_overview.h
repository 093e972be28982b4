#pragma once
// The product overview that the product export writes (columns of
// columns/grid_columns.h, columns::overview): one row per product in catalogue order with its ID, and its name,
// purchase price and gross sales price valid on `day` (the purchase price empty
// when it is a percentage, the sales price empty when it is variable), then a last
// row with the date of `day` ("yy-mm-dd") and the project file's name without
// folder and extension. No footer.
#include "calc/text_grid.h"
#include "model/project_file.h"
#include "numbers/number_locale.h"

#include <string>

namespace kontaro::calc {

TextGrid ProductOverview(const model::Project& project, model::DayNumber day, const std::string& fileName,
                         const numbers::NumberLocale& locale);

} // namespace kontaro::calc
