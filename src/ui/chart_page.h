#pragma once
// The page "Diagramm" (tabChartView): the DB1 of a period over time. The period is
// chosen with FromChart ("Von:") and ToChart ("Bis:") under the month rule of the
// summary pages, the bucket (days, weeks, months) with ChartBucket, which follows
// the period's length whenever a picker changes and may then be chosen. "&Berechnen"
// (bChartCalc) computes calc::ComputePeriodSeries and shows the margin chart
// (chMargin), the group chart (chGroups) and, for assistive technology and
// exact reading, the same figures as the grid gChartSeries (every bucket's total
// and its groups' rows). "Als Bild speichern..." (PNG or SVG by the chosen name's
// extension) and "Als PDF speichern..." write the charts through Prompts(); they
// are enabled by a calculation and disabled at New and Load, which also clear the
// charts, as is "Drucken..." (bChartPrint), which prints the charts on a landscape
// page of the default queue and without a queue offers "Als PDF speichern...". A period without stored days warns as
// the summaries do.
//
// The page refers to the project it is given for its whole lifetime.
#include "calc/period_series.h"
#include "model/project_file.h"

#include <QWidget>

#include <functional>

class QChartView;
class QComboBox;
class QPushButton;

namespace kontaro::controls {
class ColumnGrid;
}

namespace kontaro::ui {

class DatePicker;

class ChartPage final : public QWidget {
    Q_OBJECT
public:
    explicit ChartPage(const model::Project& project, QWidget* parent = nullptr);
    ~ChartPage() override;

    DatePicker& FromPicker() { return *from_; }
    DatePicker& ToPicker() { return *to_; }
    QComboBox& BucketChoice() { return *bucket_; }
    QPushButton& CalcButton() { return *calc_; }
    QPushButton& SaveImageButton() { return *saveImage_; }
    QPushButton& SavePdfButton() { return *savePdf_; }
    QPushButton& PrintButton() { return *print_; }
    QChartView& MarginView() { return *margin_; }
    QChartView& GroupView() { return *groups_; }
    controls::ColumnGrid& SeriesGrid() { return *grid_; }
    // The series the charts show (empty before the first calculation).
    const calc::PeriodSeries& Series() const { return series_; }

    void FromChartChange();
    void ToChartChange();
    void bChartCalcClick();
    void bChartSaveImageClick();
    void bChartSavePdfClick();
    void bChartPrintClick();
    // New and Load.
    void ProjectReset();

private:
    void CreateComponents();
    void FollowPeriodLength();
    void ShowSeries();
    void SaveCharts(bool pdf);

    const model::Project& project_;
    calc::PeriodSeries series_;
    // The charts show the empty series of a reset: the reset of a New or Load right
    // after start-up need not build them again.
    bool showsReset_ = false;

    DatePicker* from_ = nullptr;
    DatePicker* to_ = nullptr;
    QComboBox* bucket_ = nullptr;
    QPushButton* calc_ = nullptr;
    QPushButton* saveImage_ = nullptr;
    QPushButton* savePdf_ = nullptr;
    QPushButton* print_ = nullptr;
    QChartView* margin_ = nullptr;
    QChartView* groups_ = nullptr;
    controls::ColumnGrid* grid_ = nullptr;
};

} // namespace kontaro::ui
