#pragma once
// The exports with daily sums: a workbook with the sheet "Summe" first, then one sheet
// per calendar day from `from` to `to` (both included) in ascending order, named with the
// day's date, also for days without stored entries. The whole workbook is built in memory
// and written once, beside the target under a temporary name that replaces the target
// when complete.
//
// `projectFile` is the project file's path: its name without folder and extension goes
// into the footers, as the view builder writes them (calc's grids).
//
// Both return Written, or Cancelled when `progress` returned false; and throw
// xls::XlsError with the writer's message when a step fails. Cancelled or failed, the
// target stays exactly as it was. The project is only read.
#include "grid/plain_grid.h"
#include "model/project_file.h"
#include "numbers/number_locale.h"

#include <functional>
#include <string>

namespace kontaro::exports {

// Called before each day's sheet is built, with that day, in ascending order; returning
// false cancels the export. An empty function never cancels.
using DayProgress = std::function<bool(model::DayNumber day)>;

enum class SeriesOutcome { Written, Cancelled };

// "Export mit Tagessummen..." of the period summary: `sumGrid` (the summary page's grid
// as shown, whatever period it was computed for) as "Summe" of a new file, then each day's
// day view (the stored day's grid, as a day switch shows it).
SeriesOutcome ExportSumWithDailySums(const grid::PlainGrid& sumGrid, const model::Project& project,
                                     model::DayNumber from, model::DayNumber to, const std::string& projectFile,
                                     const std::string& file, const numbers::NumberLocale& locale,
                                     const DayProgress& progress = {});

// "Export mit Tagessummen..." of the group summary: the group summary of the period as
// "Summe", then each day's group summary. An existing file keeps its other sheets; sheets
// of these names are replaced in place, new ones appended behind the last.
SeriesOutcome ExportGroupWithDailySums(const model::Project& project, model::DayNumber from, model::DayNumber to,
                                       const std::string& projectFile, const std::string& file,
                                       const numbers::NumberLocale& locale, const DayProgress& progress = {});

} // namespace kontaro::exports
