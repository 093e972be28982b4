#include "ui/chart_page.h"

#include "calc/calc_texts.h"
#include "calc/series_texts.h"
#include "charts/chart_file.h"
#include "charts/charts_texts.h"
#include "charts/series_charts.h"
#include "controls/column_grid.h"
#include "controls/page_output.h"
#include "controls/qt_format_text.h"
#include "controls/qt_number_locale.h"
#include "grid/grid_setups.h"
#include "model/globals.h"
#include "ui/chart_texts.h"
#include "ui/date_controls.h"
#include "ui/day_dates.h"
#include "ui/period_pickers.h"
#include "ui/print_commands.h"
#include "ui/texts.h"
#include "ui/user_prompts.h"
#include "views/filled_grid.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace kontaro::ui {

namespace {

constexpr int kSideWidth = 162;
// The charts take the room; the grid of their figures keeps a few rows.
constexpr int kChartStretch = 3;
constexpr int kGridStretch = 1;

// The view shows `chart` from now on; the chart it showed before goes.
void ShowChart(QChartView& view, std::unique_ptr<QChart> chart)
{
    const std::unique_ptr<QChart> previous(view.chart());
    view.setChart(chart.release());
}

} // namespace

ChartPage::ChartPage(const model::Project& project, QWidget* parent) : QWidget(parent), project_(project)
{
    CreateComponents();
    const QDate today = DateOfDay(model::TodayNumber());
    from_->SetDate(QDate(today.year(), today.month(), 1));
    FromChartChange();
    ProjectReset();
}

ChartPage::~ChartPage() = default;

void ChartPage::CreateComponents()
{
    auto* layout = new QGridLayout(this);

    auto* period = new QHBoxLayout();
    from_ = AddPeriodPicker(*this, *period, "FromChart", texts::LabelFrom());
    to_ = AddPeriodPicker(*this, *period, "ToChart", texts::LabelTo());
    auto* bucketLabel = new QLabel(chart_texts::LabelBucket(), this);
    bucketLabel->setObjectName(QStringLiteral("ChartBucketLabel"));
    bucket_ = new QComboBox(this);
    bucket_->setObjectName(QStringLiteral("ChartBucket"));
    bucket_->setAccessibleName(chart_texts::LabelBucket());
    bucket_->addItem(chart_texts::BucketDays(), int(calc::SeriesBucket::Day));
    bucket_->addItem(chart_texts::BucketWeeks(), int(calc::SeriesBucket::Week));
    bucket_->addItem(chart_texts::BucketMonths(), int(calc::SeriesBucket::Month));
    bucketLabel->setBuddy(bucket_);
    period->addWidget(bucketLabel);
    period->addWidget(bucket_);
    period->addStretch(1);
    layout->addLayout(period, 0, 0, 1, 2);

    auto* area = new QSplitter(Qt::Vertical, this);
    area->setObjectName(QStringLiteral("ChartArea"));
    const auto makeView = [area](const char* name, const QString& accessibleName) {
        auto* view = new QChartView(area);
        view->setObjectName(QLatin1StringView(name));
        view->setRenderHint(QPainter::Antialiasing);
        view->setAccessibleName(accessibleName);
        view->setAccessibleDescription(chart_texts::ChartDescription());
        view->setMinimumHeight(120);
        area->addWidget(view);
        return view;
    };
    margin_ = makeView("chMargin", chart_texts::MarginChartName());
    groups_ = makeView("chGroups", chart_texts::GroupChartName());
    grid_ = new controls::ColumnGrid(area);
    grid_->setObjectName(QStringLiteral("gChartSeries"));
    grid_->setAccessibleName(chart_texts::SeriesGridName());
    area->addWidget(grid_);
    area->setStretchFactor(0, kChartStretch);
    area->setStretchFactor(1, kChartStretch);
    area->setStretchFactor(2, kGridStretch);
    layout->addWidget(area, 1, 0);

    auto* side = new QWidget(this);
    auto* column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 0);
    const auto makeButton = [side, column](const char* name, const QString& caption) {
        auto* button = new QPushButton(caption, side);
        button->setObjectName(QLatin1StringView(name));
        column->addWidget(button);
        return button;
    };
    calc_ = makeButton("bChartCalc", texts::ButtonCalculate());
    column->addSpacing(32);
    saveImage_ = makeButton("bChartSaveImage", chart_texts::ButtonSaveImage());
    savePdf_ = makeButton("bChartSavePdf", chart_texts::ButtonSavePdf());
    print_ = makeButton("bChartPrint", texts::ButtonPrint());
    column->addStretch(1);
    int sideWidth = kSideWidth;
    for (const QPushButton* button : {calc_, saveImage_, savePdf_, print_})
        sideWidth = std::max(sideWidth, button->sizeHint().width());
    side->setFixedWidth(sideWidth);
    layout->addWidget(side, 1, 1, Qt::AlignTop);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(1, 1);

    connect(from_, &DatePicker::UserChanged, this, [this] { FromChartChange(); });
    connect(to_, &DatePicker::UserChanged, this, [this] { ToChartChange(); });
    connect(calc_, &QPushButton::clicked, this, [this] { bChartCalcClick(); });
    connect(saveImage_, &QPushButton::clicked, this, [this] { bChartSaveImageClick(); });
    connect(savePdf_, &QPushButton::clicked, this, [this] { bChartSavePdfClick(); });
    connect(print_, &QPushButton::clicked, this, [this] { bChartPrintClick(); });
}

void ChartPage::FromChartChange()
{
    FollowFromMonth(*from_, *to_);
    FollowPeriodLength();
}

void ChartPage::ToChartChange()
{
    KeepToAfterFrom(*from_, *to_);
    FollowPeriodLength();
}

void ChartPage::FollowPeriodLength()
{
    const calc::SeriesBucket bucket = calc::DefaultBucket(DayOfDate(from_->date()), DayOfDate(to_->date()));
    bucket_->setCurrentIndex(bucket_->findData(int(bucket)));
}

void ChartPage::bChartCalcClick()
{
    const auto bucket = calc::SeriesBucket(bucket_->currentData().toInt());
    series_ = calc::ComputePeriodSeries(project_, DayOfDate(from_->date()), DayOfDate(to_->date()), bucket);
    showsReset_ = false;
    ShowSeries();
    if (!series_.daysFound) {
        Prompts().Warning(window(), QString::fromUtf8(calc::texts::kKeinePassendenEintraege));
        return;
    }
    for (QPushButton* button : {saveImage_, savePdf_, print_})
        button->setEnabled(true);
}

void ChartPage::ShowSeries()
{
    const numbers::NumberLocale locale = controls::SystemNumberLocale();
    ShowChart(*margin_, charts::MakeMarginChart(series_, locale));
    ShowChart(*groups_, charts::MakeGroupChart(series_, locale));
    groups_->setVisible(!series_.groups.empty());
    grid::PlainGrid& grid = grid_->Grid();
    grid.BeginUpdate();
    grid::SetupSeriesGrid(grid);
    grid::ShowSeriesGroups(grid, true);
    views::FillGrid(grid, calc::SeriesTexts(series_, true, grid.Options().numberLocale));
    grid.EndUpdate();
}

void ChartPage::bChartSaveImageClick() { SaveCharts(false); }

void ChartPage::bChartSavePdfClick() { SaveCharts(true); }

void ChartPage::bChartPrintClick()
{
    const numbers::NumberLocale locale = controls::SystemNumberLocale();
    PrintOrOfferPdf(
        *window(), chart_texts::PageChart(),
        [this, &locale](const QString& jobTitle, QString* error) {
            return controls::PrintPagesOnQueue(
                [this, &locale](QPagedPaintDevice& device) { return charts::PaintChartPage(series_, locale, device); },
                charts::kChartOrientation, jobTitle, error);
        },
        [this] { SaveCharts(true); });
}

void ChartPage::SaveCharts(bool pdf)
{
    FileDialogOptions options;
    options.filter = pdf ? chart_texts::PdfFilter() : chart_texts::ImageFilter();
    options.defaultExtension = pdf ? chart_texts::PdfExtension() : chart_texts::ImageExtension();
    options.initialFileName = chart_texts::ProposedName()
                                  .arg(QString::fromStdString(model::ShortDateText(series_.from)))
                                  .arg(QString::fromStdString(model::ShortDateText(series_.to)));
    options.askOverwrite = true;
    const std::optional<QString> file = Prompts().SaveFileName(window(), options);
    if (!file)
        return;
    const charts::ChartFormat format = pdf ? charts::ChartFormat::Pdf : charts::ChartFormatOfPath(*file);
    if (!charts::WriteChartFile(series_, controls::SystemNumberLocale(), format, *file))
        Prompts().Warning(window(), controls::FormatText(QString::fromUtf8(charts::texts::kNotWritten), {*file}));
}

void ChartPage::ProjectReset()
{
    if (!showsReset_) {
        series_ = calc::PeriodSeries();
        ShowSeries();
        showsReset_ = true;
    }
    for (QPushButton* button : {saveImage_, savePdf_, print_})
        button->setEnabled(false);
}

} // namespace kontaro::ui
