#pragma once
// The page "Summenansicht" (tabMonthView): the period summary per product
// (calc::PeriodSummary) in gSumView, for the period of FromSum and ToSum. The
// footer shows the From date under "Produkt" and the To date under "Menge". The
// page's behaviour is that of every summary page (ui/summary_page.h).
#include "ui/summary_page.h"

namespace kontaro::ui {

class SumViewPage final : public SummaryPage {
    Q_OBJECT
public:
    SumViewPage(model::Project& project, std::function<QString()> fileName, QWidget* parent = nullptr);

    void FromSumChange() { FromChange(); }
    void ToSumChange() { ToChange(); }
    void ShowSumPeriod() { ShowPeriod(); }
    void bSumCalcClick() { Calculate(true); }
};

} // namespace kontaro::ui
