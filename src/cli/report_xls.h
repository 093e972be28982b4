#pragma once
// The reports' workbook output: "--xls FILE [--sheet NAME] [--replace]" writes the report's
// grid, with the look of the program's grid, into a sheet of an Excel 97 workbook. An
// existing FILE keeps its other sheets (a sheet of the same name is written again in its
// place); --replace writes a new file instead. The grid's texts are read back as numbers with
// the report's own locale, so every figure arrives as a number.
#include "cli/cli_args.h"
#include "cli/report_grid.h"
#include "model/project_file.h"
#include "numbers/number_locale.h"

#include <optional>
#include <string>
#include <string_view>

namespace kontaro::cli {

struct WorkbookTarget {
    std::string file;
    std::optional<std::string> sheet;
    bool replace = false;
};

// Takes --xls, --sheet and --replace; nothing without --xls (Failure when --sheet or
// --replace stand alone).
std::optional<WorkbookTarget> TakeWorkbookTarget(Arguments& args);

// Writes the report into the target; `defaultSheet` names the sheet when --sheet is not
// given. Throws Failure with a German message followed by the workbook writer's English one;
// the file then stays as it was.
void ExportReport(const Report& report, const WorkbookTarget& target, std::string_view defaultSheet,
                  const numbers::NumberLocale& locale);

// The window's exports, through the same code (exports/): the workbook of "Export mit
// Tagessummen..." of the summary page ("Summe" holding `report`, then every day's day view,
// a new file) or of the group page (the group summaries; other sheets of FILE kept), and
// the product overview of "Export Übersicht" (a new file). Each throws Failure as
// ExportReport does; the file then stays as it was.
void ExportSummaryWithDailySums(const Report& report, const model::Project& project, model::DayNumber from,
                                model::DayNumber to, const std::string& projectFile, const std::string& file,
                                const numbers::NumberLocale& locale);
void ExportGroupsWithDailySums(const model::Project& project, model::DayNumber from, model::DayNumber to,
                               const std::string& projectFile, const std::string& file,
                               const numbers::NumberLocale& locale);
void ExportProductOverview(const model::Project& project, model::DayNumber day, const std::string& projectFile,
                           const std::string& file, const numbers::NumberLocale& locale);

} // namespace kontaro::cli
