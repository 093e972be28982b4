#include "exports/daily_exports.h"

#include "calc/group_summary.h"
#include "exports/export_names.h"
#include "exports/exporters.h"
#include "exports/view_exports.h"
#include "grid/export_adapter.h"
#include "grid/grid_setups.h"
#include "views/filled_grid.h"

namespace kontaro::exports {

namespace {

using DayGridBuilder = grid::PlainGrid (*)(const model::Project&, model::DayNumber, const std::string&,
                                           const numbers::NumberLocale&);
using Exporter = xls::GridXlsExport (*)(const xls::ExportableGrid&, const numbers::NumberLocale&);

grid::PlainGrid GroupGrid(const model::Project& project, model::DayNumber from, model::DayNumber to,
                          const std::string& projectFile, const numbers::NumberLocale& locale)
{
    return views::FilledGrid(grid::SetupGroupView, calc::GroupSummary(project, from, to, projectFile, locale).grid,
                             locale);
}

grid::PlainGrid DayGroupGrid(const model::Project& project, model::DayNumber day, const std::string& projectFile,
                             const numbers::NumberLocale& locale)
{
    return GroupGrid(project, day, day, projectFile, locale);
}

// Writes `sumGrid` as "Summe" with `sumExporter`, then each day's grid with `dayExporter`,
// and saves once.
SeriesOutcome ExportSeries(const grid::PlainGrid& sumGrid, Exporter sumExporter, Exporter dayExporter,
                           DayGridBuilder dayGrid, const model::Project& project, model::DayNumber from,
                           model::DayNumber to, const std::string& projectFile, const std::string& file,
                           const numbers::NumberLocale& locale, const DayProgress& progress)
{
    const grid::ExportAdapter sumAdapter(sumGrid);
    const xls::GridXlsExport sum = sumExporter(sumAdapter, locale);
    std::optional<xls::ExportWorkbook> workbook = sum.OpenWorkbook(file);
    if (!workbook)
        return SeriesOutcome::Cancelled;
    sum.WriteSheet(*workbook, std::string(kSumSheet));
    for (model::DayNumber day = from; day <= to; ++day) {
        if (progress && !progress(day))
            return SeriesOutcome::Cancelled;
        const grid::PlainGrid grid = dayGrid(project, day, projectFile, locale);
        const grid::ExportAdapter adapter(grid);
        dayExporter(adapter, locale).WriteSheet(*workbook, DaySheetName(day));
    }
    xls::SaveWorkbook(*workbook, file, 1);
    return SeriesOutcome::Written;
}

} // namespace

SeriesOutcome ExportSumWithDailySums(const grid::PlainGrid& sumGrid, const model::Project& project,
                                     model::DayNumber from, model::DayNumber to, const std::string& projectFile,
                                     const std::string& file, const numbers::NumberLocale& locale,
                                     const DayProgress& progress)
{
    return ExportSeries(sumGrid, SumExcel, DayExcel, StoredDayViewGrid, project, from, to, projectFile, file, locale,
                        progress);
}

SeriesOutcome ExportGroupWithDailySums(const model::Project& project, model::DayNumber from, model::DayNumber to,
                                       const std::string& projectFile, const std::string& file,
                                       const numbers::NumberLocale& locale, const DayProgress& progress)
{
    const grid::PlainGrid sumGrid = GroupGrid(project, from, to, projectFile, locale);
    return ExportSeries(sumGrid, GroupExcel, GroupExcel, DayGroupGrid, project, from, to, projectFile, file, locale,
                        progress);
}

} // namespace kontaro::exports
