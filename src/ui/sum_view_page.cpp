#include "ui/sum_view_page.h"

#include "calc/period_summary.h"
#include "columns/grid_columns.h"
#include "grid/grid_setups.h"

namespace kontaro::ui {

SumViewPage::SumViewPage(model::Project& project, std::function<QString()> fileName, QWidget* parent)
    : SummaryPage(project, std::move(fileName),
                  Plan{
                      .fromName = "FromSum",
                      .toName = "ToSum",
                      .gridName = "gSumView",
                      .waitName = "SumPleaseWait",
                      .waitAlignment = Qt::AlignCenter,
                      .calcName = "bSumCalc",
                      .printName = "bSumPrint",
                      .printSettingsName = "bSumPrintSet",
                      .exportName = "bSumExport",
                      .exportDailyName = "bSumAllExport",
                      .setup = grid::SetupSumView,
                      .summary = calc::PeriodSummary,
                      .fromDateColumn = columns::sum::kFromDateColumn,
                      .toDateColumn = columns::sum::kToDateColumn,
                  },
                  parent)
{}

} // namespace kontaro::ui
