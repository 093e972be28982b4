#include "cli/report_grid.h"

#include "calc/group_summary.h"
#include "calc/period_summary.h"
#include "calc/product_overview.h"
#include "exports/view_exports.h"
#include "grid/grid_setups.h"
#include "views/filled_grid.h"

namespace kontaro::cli {

Report SummaryReport(const model::Project& project, model::DayNumber from, model::DayNumber to,
                     const std::string& fileName, const numbers::NumberLocale& locale)
{
    const calc::SummaryResult result = calc::PeriodSummary(project, from, to, fileName, locale);
    return {views::FilledGrid(grid::SetupSumView, result.grid, locale), result.daysFound};
}

Report GroupReport(const model::Project& project, model::DayNumber from, model::DayNumber to,
                   const std::string& fileName, const numbers::NumberLocale& locale)
{
    const calc::SummaryResult result = calc::GroupSummary(project, from, to, fileName, locale);
    return {views::FilledGrid(grid::SetupGroupView, result.grid, locale), result.daysFound};
}

Report DayReport(const model::Project& project, model::DayNumber day, const std::string& fileName,
                 const numbers::NumberLocale& locale)
{
    // As the window shows and exports the day, its entries' cell colours included.
    return {exports::StoredDayViewGrid(project, day, fileName, locale)};
}

Report ProductsReport(const model::Project& project, model::DayNumber day, const std::string& fileName,
                      const numbers::NumberLocale& locale)
{
    const calc::TextGrid texts = calc::ProductOverview(project, day, fileName, locale);
    return {views::FilledGrid(grid::SetupExportGrid, texts, locale)};
}

} // namespace kontaro::cli
