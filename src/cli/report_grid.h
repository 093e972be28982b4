#pragma once
// A report is the grid of a view, laid out by the view's own set-up and filled with
// the computed texts, so that printing it, writing it as CSV or exporting it into
// a workbook shows what the window shows.
#include "grid/plain_grid.h"
#include "model/project_file.h"
#include "numbers/number_locale.h"

#include <string>

namespace kontaro::cli {

struct Report {
    grid::PlainGrid grid;
    // False for a summary period without stored days (the grid is the reset grid).
    bool daysFound = true;
};

// `fileName` is the project file's path; its name without folder and extension
// goes into the footer.
Report SummaryReport(const model::Project& project, model::DayNumber from, model::DayNumber to,
                     const std::string& fileName, const numbers::NumberLocale& locale);
Report GroupReport(const model::Project& project, model::DayNumber from, model::DayNumber to,
                   const std::string& fileName, const numbers::NumberLocale& locale);
Report DayReport(const model::Project& project, model::DayNumber day, const std::string& fileName,
                 const numbers::NumberLocale& locale);
Report ProductsReport(const model::Project& project, model::DayNumber day, const std::string& fileName,
                      const numbers::NumberLocale& locale);

} // namespace kontaro::cli
