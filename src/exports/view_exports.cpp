#include "exports/view_exports.h"

#include "calc/product_overview.h"
#include "exports/export_names.h"
#include "exports/exporters.h"
#include "grid/export_adapter.h"
#include "grid/grid_setups.h"
#include "views/filled_grid.h"

namespace kontaro::exports {

void ExportDayView(const grid::PlainGrid& dayGrid, model::DayNumber day, const std::string& file,
                   const numbers::NumberLocale& locale)
{
    const grid::ExportAdapter adapter(dayGrid);
    DayExcel(adapter, locale).ExportGrid(file, DaySheetName(day), -1, 1);
}

void ExportSumView(const grid::PlainGrid& sumGrid, const std::string& file, const numbers::NumberLocale& locale)
{
    const grid::ExportAdapter adapter(sumGrid);
    SumExcel(adapter, locale).ExportGrid(file, std::string(kSumSheet), -1, 1);
}

void ExportGroupView(const grid::PlainGrid& groupGrid, const std::string& file, const numbers::NumberLocale& locale)
{
    const grid::ExportAdapter adapter(groupGrid);
    GroupExcel(adapter, locale).ExportGrid(file, std::string(kSumSheet), -1, 1);
}

grid::PlainGrid ProductOverviewGrid(const model::Project& project, model::DayNumber today,
                                    const std::string& projectFile, const numbers::NumberLocale& locale)
{
    return views::FilledGrid(grid::SetupExportGrid, calc::ProductOverview(project, today, projectFile, locale), locale);
}

void ExportProductOverview(const model::Project& project, model::DayNumber today, const std::string& projectFile,
                           const std::string& file, const numbers::NumberLocale& locale)
{
    const grid::PlainGrid overview = ProductOverviewGrid(project, today, projectFile, locale);
    const grid::ExportAdapter adapter(overview);
    ExportExcel(adapter, locale).ExportGrid(file, std::string(kProductsSheet), -1, 1);
}

} // namespace kontaro::exports
