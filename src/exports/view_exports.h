#pragma once
// The single-sheet exports of the views, each through its exporter (exports/exporters.h)
// with the sheet name of exports/export_names.h. Each throws xls::XlsError with the
// writer's message when the file cannot be read or written; the file then stays exactly
// as it was.
#include "grid/plain_grid.h"
#include "model/project_file.h"
#include "numbers/number_locale.h"

#include <string>

namespace kontaro::exports {

// The day view's grid as shown, into the sheet named with `day`'s date of `file` (other
// sheets kept, a sheet of that name replaced in place).
void ExportDayView(const grid::PlainGrid& dayGrid, model::DayNumber day, const std::string& file,
                   const numbers::NumberLocale& locale);
// The period summary's grid as shown, into the sheet "Summe" of a new `file`.
void ExportSumView(const grid::PlainGrid& sumGrid, const std::string& file, const numbers::NumberLocale& locale);
// The group summary's grid as shown, into the sheet "Summe" of `file` (other sheets kept).
void ExportGroupView(const grid::PlainGrid& groupGrid, const std::string& file, const numbers::NumberLocale& locale);

// The day view of a stored day as a day switch shows it: calc::StoredDayGrid with the
// footer of `projectFile`, its entries' cell flags and colours included. The day
// sheets of the export with daily sums.
grid::PlainGrid StoredDayViewGrid(const model::Project& project, model::DayNumber day, const std::string& projectFile,
                                  const numbers::NumberLocale& locale);

// The never shown overview grid of the product export: every product with its ID and its
// name, purchase and gross sales price valid on `today` (empty purchase for a percentage,
// empty sales price for a variable price), then a row with today's date and the project
// file's name without folder and extension.
grid::PlainGrid ProductOverviewGrid(const model::Project& project, model::DayNumber today,
                                    const std::string& projectFile, const numbers::NumberLocale& locale);
// An overview grid (ProductOverviewGrid) into the sheet "Produktübersicht" of a new `file`.
void ExportOverviewGrid(const grid::PlainGrid& overview, const std::string& file, const numbers::NumberLocale& locale);
// ProductOverviewGrid into the sheet "Produktübersicht" of a new `file`.
void ExportProductOverview(const model::Project& project, model::DayNumber today, const std::string& projectFile,
                           const std::string& file, const numbers::NumberLocale& locale);

} // namespace kontaro::exports
