#include "report_grid.h"

#include "calc/columns.h"
#include "calc/day_grid.h"
#include "calc/group_summary.h"
#include "calc/period_summary.h"
#include "calc/product_overview.h"
#include "grid/grid_setups.h"

#include <stdexcept>

namespace kontaro::cli {

namespace {

static_assert(calc::daycol::Count == grid::day::kColumnCount && calc::daycol::DB1P == grid::day::cDB1P &&
              calc::daycol::Menge == grid::day::cMenge && calc::daycol::Steuer == grid::day::cSteuer);
static_assert(calc::sumcol::Count == grid::sum::kColumnCount && calc::sumcol::DB1P == grid::sum::SumDB1P &&
              calc::sumcol::SteuerBis == grid::sum::SumSteuer &&
              calc::sumcol::Menge == grid::sum::kToDateColumn);
static_assert(calc::groupcol::Count == grid::group::kColumnCount &&
              calc::groupcol::Anteil == grid::group::kAnteil &&
              calc::groupcol::Anteil == grid::group::kToDateColumn &&
              calc::groupcol::Gruppe == grid::group::kFromDateColumn);
static_assert(calc::overviewcol::Count == grid::overview::kColumnCount &&
              calc::overviewcol::Verkauf == grid::overview::kVerkauf);

void WriteRow(grid::PlainGrid& grid, int row, const calc::TextRow& texts)
{
    if (static_cast<int>(texts.size()) != grid.ColumnCount())
        throw std::logic_error("computed row does not fit its grid");
    for (int col = 0; col < grid.ColumnCount(); ++col)
        grid.SetCell(col, row, texts[static_cast<std::size_t>(col)]);
}

Report Filled(void (*setup)(grid::PlainGrid&), const calc::TextGrid& texts,
              const calc::NumberLocale& locale)
{
    Report report;
    grid::PlainGrid& grid = report.grid;
    setup(grid);
    grid.Options().separators = {locale.decimalSeparator, locale.thousandSeparator};
    grid.BeginUpdate();
    const int rows = static_cast<int>(texts.rows.size());
    grid.SetRowCount(1 + rows + (grid.Options().footer ? 1 : 0));
    for (int r = 0; r < rows; ++r)
        WriteRow(grid, grid.FirstDataRow() + r, texts.rows[static_cast<std::size_t>(r)]);
    if (grid.Options().footer)
        WriteRow(grid, grid.FooterRow(), texts.footer);
    grid.EndUpdate();
    return report;
}

} // namespace

Report SummaryReport(Project& project, DayNumber from, DayNumber to, const std::string& fileName,
                     const calc::NumberLocale& locale)
{
    const calc::SummaryResult result = calc::PeriodSummary(project, from, to, fileName, locale);
    Report report = Filled(grid::SetupSumView, result.grid, locale);
    report.daysFound = result.daysFound;
    return report;
}

Report GroupReport(Project& project, DayNumber from, DayNumber to, const std::string& fileName,
                   const calc::NumberLocale& locale)
{
    const calc::SummaryResult result = calc::GroupSummary(project, from, to, fileName, locale);
    Report report = Filled(grid::SetupGroupView, result.grid, locale);
    report.daysFound = result.daysFound;
    return report;
}

Report DayReport(const Project& project, DayNumber day, const std::string& fileName,
                 const calc::NumberLocale& locale)
{
    return Filled(grid::SetupDayView, calc::StoredDayGrid(project, day, fileName, locale), locale);
}

Report ProductsReport(const Project& project, DayNumber day, const std::string& fileName,
                      const calc::NumberLocale& locale)
{
    return Filled(grid::SetupExportGrid, calc::ProductOverview(project, day, fileName, locale),
                  locale);
}

} // namespace kontaro::cli
