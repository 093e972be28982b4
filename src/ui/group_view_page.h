#pragma once
// The page "Gruppenansicht" (tabYearView): the group summary (calc::GroupSummary)
// in gGroupView, for the period of FromGroup and ToGroup. "Menge" and "Steuer (bis)"
// are hidden; the footer shows the From date under "Gruppe" and the To date under
// "Anteil (%)". The page's behaviour is that of every summary page
// (ui/summary_page.h).
#include "ui/summary_page.h"

namespace kontaro::ui {

class GroupViewPage final : public SummaryPage {
    Q_OBJECT
public:
    GroupViewPage(model::Project& project, std::function<QString()> fileName, QWidget* parent = nullptr);

    void FromGroupChange() { FromChange(); }
    void ToGroupChange() { ToChange(); }
    void ShowGroupPeriod() { ShowPeriod(); }
    // `fromUser` false: a period without stored days is not warned of.
    void bGroupCalcClick(bool fromUser = true) { Calculate(fromUser); }
};

} // namespace kontaro::ui
