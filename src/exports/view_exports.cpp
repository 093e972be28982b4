#include "exports/view_exports.h"

#include "calc/day_grid.h"
#include "calc/product_overview.h"
#include "exports/export_names.h"
#include "exports/exporters.h"
#include "grid/day_entry_marks.h"
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

grid::PlainGrid StoredDayViewGrid(const model::Project& project, model::DayNumber day, const std::string& projectFile,
                                  const numbers::NumberLocale& locale)
{
    grid::PlainGrid grid =
        views::FilledGrid(grid::SetupDayView, calc::StoredDayGrid(project, day, projectFile, locale), locale);
    const int index = project.Days.IndexOfDate(day);
    if (index < 0)
        return grid;
    const model::tDay& stored = project.Days.Item(index);
    for (int entry = 0; entry < stored.Count(); ++entry) {
        const int product = project.Products.IndexOfID(stored.Entry(entry).ProductID);
        grid::MarkDayEntryRow(grid, grid.FirstDataRow() + entry,
                              product >= 0 && project.Products.Item(product).VerkaufVariabel);
    }
    return grid;
}

grid::PlainGrid ProductOverviewGrid(const model::Project& project, model::DayNumber today,
                                    const std::string& projectFile, const numbers::NumberLocale& locale)
{
    return views::FilledGrid(grid::SetupExportGrid, calc::ProductOverview(project, today, projectFile, locale), locale);
}

void ExportOverviewGrid(const grid::PlainGrid& overview, const std::string& file, const numbers::NumberLocale& locale)
{
    const grid::ExportAdapter adapter(overview);
    ExportExcel(adapter, locale).ExportGrid(file, std::string(kProductsSheet), -1, 1);
}

void ExportProductOverview(const model::Project& project, model::DayNumber today, const std::string& projectFile,
                           const std::string& file, const numbers::NumberLocale& locale)
{
    ExportOverviewGrid(ProductOverviewGrid(project, today, projectFile, locale), file, locale);
}

} // namespace kontaro::exports
