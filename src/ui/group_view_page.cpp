#include "ui/group_view_page.h"

#include "calc/group_summary.h"
#include "columns/grid_columns.h"
#include "grid/grid_setups.h"

namespace kontaro::ui {

GroupViewPage::GroupViewPage(model::Project& project, std::function<QString()> fileName, QWidget* parent)
    : SummaryPage(project, std::move(fileName),
                  Plan{
                      .fromName = "FromGroup",
                      .toName = "ToGroup",
                      .gridName = "gGroupView",
                      .waitName = "GroupPleaseWait",
                      .waitAlignment = Qt::AlignLeft | Qt::AlignVCenter,
                      .calcName = "bGroupCalc",
                      .printName = "bGroupPrint",
                      .printSettingsName = "bGroupPrintSet",
                      .exportName = "bGroupExport",
                      .exportDailyName = "bGroupAllExport",
                      .setup = grid::SetupGroupView,
                      .summary = calc::GroupSummary,
                      .fromDateColumn = columns::group::kFromDateColumn,
                      .toDateColumn = columns::group::kToDateColumn,
                  },
                  parent)
{}

} // namespace kontaro::ui
