#include "charts/series_charts.h"

#include "calc/series_texts.h"
#include "calc/shown_value.h"
#include "charts/charts_texts.h"
#include "numbers/format_text.h"

#include <QBarSeries>
#include <QBarSet>
#include <QBrush>
#include <QCategoryAxis>
#include <QChart>
#include <QCursor>
#include <QLineSeries>
#include <QLocale>
#include <QPen>
#include <QStackedBarSeries>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kontaro::charts {

namespace {

// At most this many bucket labels along the axis, every n-th bucket's: a label
// is cut to the width of the n buckets up to the next.
constexpr int kMostLabels = 8;
constexpr int kLineWidth = 2;

QString Utf8(const std::string& text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

std::string ModelDate(model::DayNumber day)
{
    const model::CivilDate date = model::CivilFromDay(day);
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", date.day, date.month, date.year);
    return text;
}

QString Title(const char* format, const calc::PeriodSeries& series)
{
    return Utf8(numbers::FormatText(format, {ModelDate(series.from), ModelDate(series.to)}));
}

QLocale ChartLocale(const numbers::NumberLocale& locale)
{
    QLocale qlocale = locale.decimalSeparator == ',' ? QLocale(QLocale::German, QLocale::Germany) : QLocale::c();
    qlocale.setNumberOptions(QLocale::DefaultNumberOptions);
    return qlocale;
}

const char* AxisTitle(calc::SeriesBucket bucket)
{
    switch (bucket) {
    case calc::SeriesBucket::Day:
        return texts::kDayAxis;
    case calc::SeriesBucket::Week:
        return texts::kWeekAxis;
    case calc::SeriesBucket::Month:
        return texts::kMonthAxis;
    }
    return texts::kDayAxis;
}

QColor Colour(unsigned rgb) { return QColor::fromRgb(QRgb(rgb)); }

// The buckets' axis: bucket i at the value i, labelled with its label.
QCategoryAxis* BucketAxis(const calc::PeriodSeries& series)
{
    auto* axis = new QCategoryAxis();
    const int count = int(series.points.size());
    axis->setRange(-0.5, std::max(count, 1) - 0.5);
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setGridLineVisible(false);
    axis->setTitleText(QString::fromUtf8(AxisTitle(series.bucket)));
    const int step = std::max(1, (count + kMostLabels - 1) / kMostLabels);
    for (int i = 0; i < count; i += step)
        axis->append(Utf8(calc::BucketLabel(series.points[std::size_t(i)], series.bucket)), i);
    return axis;
}

QValueAxis* AmountAxis(const QString& title)
{
    auto* axis = new QValueAxis();
    axis->setTitleText(title);
    axis->setLabelFormat(QStringLiteral("%.0f"));
    return axis;
}

std::unique_ptr<QChart> NewChart(const QString& title, const numbers::NumberLocale& locale)
{
    auto chart = std::make_unique<QChart>();
    chart->setTitle(title);
    chart->setLocalizeNumbers(true);
    chart->setLocale(ChartLocale(locale));
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setVisible(true);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setBackgroundRoundness(0);
    return chart;
}

// A nice round range for the amounts, from 0 or the lowest value.
void FitAmounts(QValueAxis& axis, double low, double high)
{
    axis.setRange(std::min(0.0, low), std::max(high, 1.0));
    axis.applyNiceNumbers();
}

// Few groups take colours spread over the whole palette, so that neighbours in a
// stack differ in lightness as much as they can.
std::size_t GroupColour(std::size_t group, std::size_t groups)
{
    const std::size_t size = GroupPalette().size();
    if (groups > size)
        return group % size;
    return groups < 2 ? 0 : group * (size - 1) / (groups - 1);
}

void ShowTip(const QString& tip) { QToolTip::showText(QCursor::pos(), tip); }

} // namespace

const std::vector<unsigned>& MarginPalette()
{
    // DB1 dark blue, DB1 (%) orange, Verkauf (N) light blue.
    static const std::vector<unsigned> palette = {0x08519c, 0xd95f02, 0x9ecae1};
    return palette;
}

const std::vector<unsigned>& GroupPalette()
{
    static const std::vector<unsigned> palette = {0x440154, 0x46327e, 0x365c8d, 0x277f8e,
                                                  0x1fa187, 0x4ac16d, 0xa0da39, 0xfde725};
    return palette;
}

QString MarginTip(const calc::PeriodSeries& series, int set, int bucket, const numbers::NumberLocale& locale)
{
    const calc::SeriesPoint& point = series.points[std::size_t(bucket)];
    const calc::SummaryFigures& figures = point.total;
    const char* name = set == 0 ? texts::kVerkaufN : set == 1 ? texts::kDB1 : texts::kDB1Prozent;
    const double value = set == 0 ? figures.netto : set == 1 ? figures.db1 : figures.db1Prozent.value_or(0);
    return Utf8(numbers::FormatText(texts::kTipFormat,
                                    {calc::BucketLabel(point, series.bucket), name, calc::ShownText(value, locale)}));
}

QString GroupTip(const calc::PeriodSeries& series, int group, int bucket, const numbers::NumberLocale& locale)
{
    const calc::SeriesPoint& point = series.points[std::size_t(bucket)];
    return Utf8(numbers::FormatText(texts::kGroupTipFormat,
                                    {calc::BucketLabel(point, series.bucket), series.groups[std::size_t(group)].name,
                                     calc::ShownText(point.groups[std::size_t(group)].db1, locale)}));
}

std::unique_ptr<QChart> MakeMarginChart(const calc::PeriodSeries& series, const numbers::NumberLocale& locale)
{
    std::unique_ptr<QChart> chart = NewChart(Title(texts::kMarginTitle, series), locale);

    auto* bars = new QBarSeries();
    auto* netto = new QBarSet(QString::fromUtf8(texts::kVerkaufN));
    auto* db1 = new QBarSet(QString::fromUtf8(texts::kDB1));
    netto->setColor(Colour(MarginPalette()[2]));
    db1->setColor(Colour(MarginPalette()[0]));
    auto* percent = new QLineSeries();
    percent->setName(QString::fromUtf8(texts::kDB1Prozent));
    percent->setPen(QPen(Colour(MarginPalette()[1]), kLineWidth));
    percent->setPointsVisible(true);

    double low = 0;
    double high = 0;
    double lowPercent = 0;
    double highPercent = 0;
    for (std::size_t i = 0; i < series.points.size(); ++i) {
        const calc::SummaryFigures& figures = series.points[i].total;
        const double shownNetto = calc::Round2(figures.netto);
        const double shownDb1 = calc::Round2(figures.db1);
        *netto << shownNetto;
        *db1 << shownDb1;
        low = std::min({low, shownNetto, shownDb1});
        high = std::max({high, shownNetto, shownDb1});
        // A bucket without net sales has no percentage and no point.
        if (figures.db1Prozent) {
            const double shown = calc::Round2(*figures.db1Prozent);
            percent->append(double(i), shown);
            lowPercent = std::min(lowPercent, shown);
            highPercent = std::max(highPercent, shown);
        }
    }
    bars->append(netto);
    bars->append(db1);
    chart->addSeries(bars);
    chart->addSeries(percent);

    QCategoryAxis* buckets = BucketAxis(series);
    QValueAxis* amounts = AmountAxis(QString::fromUtf8(texts::kAmountAxis));
    QValueAxis* percents = AmountAxis(QString::fromUtf8(texts::kPercentAxis));
    chart->addAxis(buckets, Qt::AlignBottom);
    chart->addAxis(amounts, Qt::AlignLeft);
    chart->addAxis(percents, Qt::AlignRight);
    bars->attachAxis(buckets);
    bars->attachAxis(amounts);
    percent->attachAxis(buckets);
    percent->attachAxis(percents);
    FitAmounts(*amounts, low, high);
    FitAmounts(*percents, lowPercent, std::max(highPercent, 100.0));

    // The tips are formed now; the chart keeps no reference to the series.
    std::vector<QString> tips[3];
    for (int set = 0; set < 3; ++set)
        for (std::size_t i = 0; i < series.points.size(); ++i)
            tips[set].push_back(MarginTip(series, set, int(i), locale));
    const auto barTips = [](std::vector<QString> texts) {
        return [texts = std::move(texts)](bool status, int index) {
            if (status && index >= 0 && std::size_t(index) < texts.size())
                ShowTip(texts[std::size_t(index)]);
        };
    };
    QObject::connect(netto, &QBarSet::hovered, chart.get(), barTips(std::move(tips[0])));
    QObject::connect(db1, &QBarSet::hovered, chart.get(), barTips(std::move(tips[1])));
    QObject::connect(percent, &QLineSeries::hovered, chart.get(),
                     [texts = std::move(tips[2])](const QPointF& point, bool status) {
                         const auto index = std::lround(point.x());
                         if (status && index >= 0 && std::size_t(index) < texts.size())
                             ShowTip(texts[std::size_t(index)]);
                     });
    return chart;
}

std::unique_ptr<QChart> MakeGroupChart(const calc::PeriodSeries& series, const numbers::NumberLocale& locale)
{
    std::unique_ptr<QChart> chart = NewChart(Title(texts::kGroupTitle, series), locale);
    auto* stacks = new QStackedBarSeries();
    std::vector<double> lows(series.points.size(), 0.0);
    std::vector<double> highs(series.points.size(), 0.0);
    const std::vector<unsigned>& palette = GroupPalette();
    for (std::size_t g = 0; g < series.groups.size(); ++g) {
        auto* set = new QBarSet(Utf8(series.groups[g].name));
        // Past the palette the colours come again, hatched.
        QBrush brush(Colour(palette[GroupColour(g, series.groups.size())]),
                     g < palette.size() ? Qt::SolidPattern : Qt::BDiagPattern);
        set->setBrush(brush);
        std::vector<QString> tips;
        for (std::size_t i = 0; i < series.points.size(); ++i) {
            const double shown = calc::Round2(series.points[i].groups[g].db1);
            *set << shown;
            (shown < 0 ? lows[i] : highs[i]) += shown;
            tips.push_back(GroupTip(series, int(g), int(i), locale));
        }
        QObject::connect(set, &QBarSet::hovered, chart.get(), [tips = std::move(tips)](bool status, int index) {
            if (status && index >= 0 && std::size_t(index) < tips.size())
                ShowTip(tips[std::size_t(index)]);
        });
        stacks->append(set);
    }
    chart->addSeries(stacks);
    QCategoryAxis* buckets = BucketAxis(series);
    QValueAxis* amounts = AmountAxis(QString::fromUtf8(texts::kDB1));
    chart->addAxis(buckets, Qt::AlignBottom);
    chart->addAxis(amounts, Qt::AlignLeft);
    stacks->attachAxis(buckets);
    stacks->attachAxis(amounts);
    FitAmounts(*amounts, lows.empty() ? 0 : *std::min_element(lows.begin(), lows.end()),
               highs.empty() ? 0 : *std::max_element(highs.begin(), highs.end()));
    return chart;
}

} // namespace kontaro::charts
