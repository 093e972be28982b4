#include "calc/period_series.h"

#include "calc/summary_totals.h"
#include "model/win1252.h"

#include <algorithm>
#include <cstdint>

namespace kontaro::calc {

namespace {

constexpr int64_t kLongestDayBuckets = 62;
constexpr int64_t kLongestWeekBuckets = 364;

// 0 for Monday to 6 for Sunday; day 0 was a Saturday.
int WeekdayFromMonday(model::DayNumber day) { return static_cast<int>(((static_cast<int64_t>(day) % 7) + 12) % 7); }

// The per-bucket sums of the products, reset after every bucket; only the products
// sold in the bucket are visited when it is closed.
class BucketProducts {
public:
    explicit BucketProducts(std::size_t products) : totals_(products), sold_(products, false) {}

    void Add(int product, const EntryContribution& c)
    {
        const auto k = static_cast<std::size_t>(product);
        AddToProductTotals(totals_[k], c);
        if (!sold_[k]) {
            sold_[k] = true;
            soldList_.push_back(product);
        }
    }

    // The period summary's footer over the bucket: its rows in catalogue order.
    SummaryFigures Close()
    {
        std::sort(soldList_.begin(), soldList_.end());
        SummaryFooter footer;
        for (const int product : soldList_) {
            const auto k = static_cast<std::size_t>(product);
            const SummaryTotals& total = totals_[k];
            if (total.brutto > 0)
                footer.AddRow(total.brutto, total.netto, total.einkauf);
            totals_[k] = {};
            sold_[k] = false;
        }
        soldList_.clear();
        return footer.Figures();
    }

private:
    std::vector<SummaryTotals> totals_;
    std::vector<bool> sold_;
    std::vector<int> soldList_;
};

// The per-bucket totals of the groups, reset after every bucket.
class BucketGroups {
public:
    explicit BucketGroups(std::size_t groups) : totals_(groups), sold_(groups, false) {}

    void Add(int group, const EntryContribution& c)
    {
        const auto k = static_cast<std::size_t>(group);
        AddToGroupTotals(totals_[k], c);
        sold_[k] = true;
    }

    // Every group's row over the bucket, by group index; nothing for a bucket
    // without sales.
    std::vector<SummaryFigures> Close()
    {
        std::vector<SummaryFigures> figures;
        for (std::size_t k = 0; k < totals_.size(); ++k) {
            if (!sold_[k])
                continue;
            if (figures.empty())
                figures.resize(totals_.size());
            const SummaryTotals& total = totals_[k];
            figures[k] = SummaryRowFigures(total.brutto, total.netto, total.einkauf);
            totals_[k] = {};
            sold_[k] = false;
        }
        return figures;
    }

private:
    std::vector<SummaryTotals> totals_;
    std::vector<bool> sold_;
};

} // namespace

SeriesBucket DefaultBucket(model::DayNumber from, model::DayNumber to)
{
    const int64_t days = static_cast<int64_t>(to) - from + 1;
    if (days <= kLongestDayBuckets)
        return SeriesBucket::Day;
    return days <= kLongestWeekBuckets ? SeriesBucket::Week : SeriesBucket::Month;
}

IsoWeek IsoWeekOf(model::DayNumber day)
{
    const model::DayNumber thursday = day - WeekdayFromMonday(day) + 3;
    const int year = model::CivilFromDay(thursday).year;
    return {year, (thursday - model::DayFromCivil({year, 1, 1})) / 7 + 1};
}

model::DayNumber NextBucketStart(model::DayNumber day, SeriesBucket bucket)
{
    switch (bucket) {
    case SeriesBucket::Day:
        return day + 1;
    case SeriesBucket::Week:
        return day + 7 - WeekdayFromMonday(day);
    case SeriesBucket::Month: {
        const model::CivilDate date = model::CivilFromDay(day);
        return date.month == 12 ? model::DayFromCivil({date.year + 1, 1, 1})
                                : model::DayFromCivil({date.year, date.month + 1, 1});
    }
    }
    return day + 1;
}

PeriodSeries ComputePeriodSeries(const model::Project& project, model::DayNumber from, model::DayNumber to,
                                 SeriesBucket bucket, SeriesParts parts)
{
    PeriodSeries series;
    series.bucket = bucket;
    series.from = from;
    series.to = to;
    if (to < from)
        return series;
    const int firstDay = project.Days.IndexFromDate(from);
    series.daysFound = firstDay >= 0 && project.Days.Item(firstDay).Date <= to;

    std::size_t count = 0;
    for (int64_t first = from; first <= to; first = NextBucketStart(static_cast<model::DayNumber>(first), bucket))
        ++count;
    series.points.reserve(count);
    for (int64_t first = from; first <= to;) {
        const int64_t next = NextBucketStart(static_cast<model::DayNumber>(first), bucket);
        SeriesPoint& point = series.points.emplace_back();
        point.first = static_cast<model::DayNumber>(first);
        point.last = static_cast<model::DayNumber>(std::min<int64_t>(next - 1, to));
        first = next;
    }
    if (!series.daysFound)
        return series;

    if (parts == SeriesParts::TotalsOnly) {
        BucketProducts products(static_cast<std::size_t>(project.Products.Count()));
        std::size_t current = 0;
        SummaryWalk(project).Run<false>(from, to,
                                        [&](model::DayNumber date, int product, int, const EntryContribution& c) {
                                            while (date > series.points[current].last)
                                                series.points[current++].total = products.Close();
                                            products.Add(product, c);
                                        });
        series.points[current].total = products.Close();
        return series;
    }

    const model::tGroups& groups = project.Groups;
    const auto groupCount = static_cast<std::size_t>(groups.Count());
    // Which groups have a row in the group summary of the whole period.
    std::vector<double> periodBrutto(groupCount);
    BucketProducts products(static_cast<std::size_t>(project.Products.Count()));
    BucketGroups bucketGroups(groupCount);
    std::size_t current = 0;
    const auto close = [&](SeriesPoint& point) {
        point.total = products.Close();
        point.groups = bucketGroups.Close();
    };
    SummaryWalk(project).Run<true>(from, to,
                                   [&](model::DayNumber date, int product, int group, const EntryContribution& c) {
                                       while (date > series.points[current].last)
                                           close(series.points[current++]);
                                       products.Add(product, c);
                                       if (group >= 0) {
                                           bucketGroups.Add(group, c);
                                           AddToTotal(periodBrutto[static_cast<std::size_t>(group)], c.gross);
                                       }
                                   });
    close(series.points[current]);

    std::vector<std::size_t> listed;
    for (std::size_t g = 0; g < groupCount; ++g) {
        if (!(periodBrutto[g] > 0))
            continue;
        const model::tGroup& group = groups.Item(static_cast<int>(g));
        series.groups.push_back({group.ID, model::Win1252ToUtf8(group.Name)});
        listed.push_back(g);
    }
    for (SeriesPoint& point : series.points) {
        std::vector<SummaryFigures>& figures = point.groups;
        if (figures.empty()) {
            figures.resize(listed.size());
            continue;
        }
        if (listed.size() == groupCount)
            continue;
        for (std::size_t i = 0; i < listed.size(); ++i)
            figures[i] = figures[listed[i]];
        figures.resize(listed.size());
    }
    return series;
}

} // namespace kontaro::calc
