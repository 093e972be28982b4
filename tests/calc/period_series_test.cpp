#include "bench/project_generator.h"
#include "calc/group_summary.h"
#include "calc/period_series.h"
#include "calc/period_summary.h"
#include "calc/worked_example.h"
#include "columns/grid_columns.h"

#include <gtest/gtest.h>

namespace kontaro::calc {
namespace {

using model::DayFromCivil;

const numbers::NumberLocale kComma{',', '.'};

// The five figure cells of a summary row or footer ("Verkauf (B)" to "DB1 (%)"
// without "Steuer (bis)").
TextRow Cells(const TextRow& row)
{
    TextRow cells(row.begin() + columns::sum::VerkaufB, row.begin() + columns::sum::DB1P + 1);
    cells.erase(cells.begin() + (columns::sum::Steuer - columns::sum::VerkaufB));
    return cells;
}

TextRow Texts(const SummaryFigures& figures)
{
    TextRow row(columns::sum::kColumnCount);
    WriteSummaryFigures(row, figures, kComma);
    return Cells(row);
}

// One bucket over the whole period shows the period summary's footer and the
// group summary's rows, cell for cell.
void ExpectOneBucketEqualsSummaries(const model::Project& project, model::DayNumber from, model::DayNumber to)
{
    const PeriodSeries series = ComputePeriodSeries(project, from, to, SeriesBucket::Month);
    ASSERT_EQ(series.points.size(), 1u);
    const SummaryResult period = PeriodSummary(project, from, to, "x.kdt", kComma);
    const SummaryResult groups = GroupSummary(project, from, to, "x.kdt", kComma);
    ASSERT_TRUE(series.daysFound);
    EXPECT_EQ(Texts(series.points[0].total), (Cells(period.grid.footer)));
    ASSERT_EQ(series.groups.size(), groups.grid.rows.size());
    for (std::size_t g = 0; g < series.groups.size(); ++g) {
        const TextRow& row = groups.grid.rows[g];
        EXPECT_EQ(std::to_string(series.groups[g].id), row[columns::group::Gruppe]);
        EXPECT_EQ(series.groups[g].name, row[columns::group::Name]);
        EXPECT_EQ(Texts(series.points[0].groups[g]), (Cells(row))) << series.groups[g].name;
    }
}

TEST(PeriodSeries, OneBucketEqualsTheSummaries)
{
    const model::Project worked = test::WorkedExample();
    ExpectOneBucketEqualsSummaries(worked, test::March(1), test::March(31));

    model::Project cafe;
    bench::MakeCafeProject(cafe);
    ExpectOneBucketEqualsSummaries(cafe, DayFromCivil({2020, 5, 1}), DayFromCivil({2020, 5, 31}));
    ExpectOneBucketEqualsSummaries(cafe, DayFromCivil({2020, 7, 1}), DayFromCivil({2020, 7, 31}));
}

TEST(PeriodSeries, OneBucketEqualsTheSummariesOverTenYearsOfMonths)
{
    model::Project large;
    bench::MakeLargeProject(large, 10);
    const model::DayNumber first = large.Days.Item(0).Date;
    const model::DayNumber last = large.Days.Item(large.Days.Count() - 1).Date;
    // Every month's bucket of the ten years against the summaries of that month.
    const PeriodSeries months = ComputePeriodSeries(large, first, last, SeriesBucket::Month);
    ASSERT_EQ(months.points.size(), 120u);
    for (const std::size_t p : {std::size_t{0}, std::size_t{55}, std::size_t{119}}) {
        const SeriesPoint& point = months.points[p];
        const SummaryResult period = PeriodSummary(large, point.first, point.last, "x.kdt", kComma);
        EXPECT_EQ(Texts(point.total), (Cells(period.grid.footer))) << p;
    }
    for (int m = 0; m < 120; m += 40) {
        const model::DayNumber from = months.points[static_cast<std::size_t>(m)].first;
        ExpectOneBucketEqualsSummaries(large, from, months.points[static_cast<std::size_t>(m)].last);
    }

    // The overall figures alone are those of the series with groups, day by day too.
    for (const SeriesBucket bucket : {SeriesBucket::Month, SeriesBucket::Day}) {
        const PeriodSeries full = ComputePeriodSeries(large, first, last, bucket);
        const PeriodSeries totals = ComputePeriodSeries(large, first, last, bucket, SeriesParts::TotalsOnly);
        EXPECT_TRUE(totals.groups.empty());
        ASSERT_EQ(totals.points.size(), full.points.size());
        for (std::size_t p = 0; p < full.points.size(); ++p) {
            ASSERT_EQ(Texts(totals.points[p].total), Texts(full.points[p].total)) << p;
            ASSERT_TRUE(totals.points[p].groups.empty()) << p;
            ASSERT_EQ(full.points[p].groups.size(), full.groups.size()) << p;
        }
    }
}

TEST(PeriodSeries, IsoWeeksAcrossTheTurnOfTheYear)
{
    const struct {
        model::CivilDate date;
        IsoWeek week;
    } cases[] = {
        {{2020, 12, 27}, {2020, 52}}, {{2020, 12, 28}, {2020, 53}}, {{2021, 1, 3}, {2020, 53}},
        {{2021, 1, 4}, {2021, 1}},    {{2018, 12, 31}, {2019, 1}},  {{2021, 12, 31}, {2021, 52}},
        {{2005, 3, 6}, {2005, 9}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsoWeekOf(DayFromCivil(c.date)), c.week) << c.date.year << "-" << c.date.month << "-" << c.date.day;

    // 2020-12-20 (a Sunday) to 2021-01-12: the cut week 51, 52, 53, 1 and the cut week 2.
    model::Project project = test::WorkedExample();
    const PeriodSeries series =
        ComputePeriodSeries(project, DayFromCivil({2020, 12, 20}), DayFromCivil({2021, 1, 12}), SeriesBucket::Week);
    const std::vector<std::pair<model::CivilDate, model::CivilDate>> expected = {{{2020, 12, 20}, {2020, 12, 20}},
                                                                                 {{2020, 12, 21}, {2020, 12, 27}},
                                                                                 {{2020, 12, 28}, {2021, 1, 3}},
                                                                                 {{2021, 1, 4}, {2021, 1, 10}},
                                                                                 {{2021, 1, 11}, {2021, 1, 12}}};
    ASSERT_EQ(series.points.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(series.points[i].first, DayFromCivil(expected[i].first)) << i;
        EXPECT_EQ(series.points[i].last, DayFromCivil(expected[i].second)) << i;
    }
    EXPECT_EQ(IsoWeekOf(series.points[2].first), (IsoWeek{2020, 53}));
}

TEST(PeriodSeries, FebruaryOfALeapYearIsOneMonth)
{
    model::Project project;
    test::AddProduct(project, {});
    test::AddEntry(project, DayFromCivil({2024, 1, 31}), 1, 1);
    test::AddEntry(project, DayFromCivil({2024, 2, 1}), 1, 2);
    test::AddEntry(project, DayFromCivil({2024, 2, 29}), 1, 4);
    test::AddEntry(project, DayFromCivil({2024, 3, 1}), 1, 8);
    const PeriodSeries series =
        ComputePeriodSeries(project, DayFromCivil({2024, 1, 15}), DayFromCivil({2024, 3, 10}), SeriesBucket::Month);
    ASSERT_EQ(series.points.size(), 3u);
    EXPECT_EQ(series.points[1].first, DayFromCivil({2024, 2, 1}));
    EXPECT_EQ(series.points[1].last, DayFromCivil({2024, 2, 29}));
    EXPECT_EQ(series.points[2].last, DayFromCivil({2024, 3, 10}));
    const SummaryResult february =
        PeriodSummary(project, DayFromCivil({2024, 2, 1}), DayFromCivil({2024, 2, 29}), "x.kdt", kComma);
    EXPECT_EQ(Texts(series.points[1].total), (Cells(february.grid.footer)));
}

TEST(PeriodSeries, DaysWithoutEntriesAreZeroBuckets)
{
    model::Project project = test::WorkedExample(); // sales on March(6) only
    const PeriodSeries days = ComputePeriodSeries(project, test::March(1), test::March(10), SeriesBucket::Day);
    ASSERT_TRUE(days.daysFound);
    ASSERT_EQ(days.points.size(), 10u);
    for (std::size_t i = 0; i < days.points.size(); ++i) {
        EXPECT_EQ(days.points[i].first, test::March(static_cast<int>(i) + 1));
        const bool sold = i == 5;
        EXPECT_EQ(Texts(days.points[i].total)[0], sold ? "107,50" : "0,00") << i;
        EXPECT_EQ(days.points[i].total.db1Prozent.has_value(), sold) << i;
        ASSERT_EQ(days.points[i].groups.size(), 2u);
    }

    const PeriodSeries none = ComputePeriodSeries(project, test::March(7), test::March(20), SeriesBucket::Week);
    EXPECT_FALSE(none.daysFound);
    EXPECT_TRUE(none.groups.empty());
    ASSERT_EQ(none.points.size(), 2u); // two whole weeks, Monday to Sunday
    for (const SeriesPoint& point : none.points)
        EXPECT_EQ(Texts(point.total), (TextRow{"0,00", "0,00", "0,00", "0,00", ""}));

    EXPECT_TRUE(ComputePeriodSeries(project, test::March(7), test::March(6), SeriesBucket::Day).points.empty());
}

TEST(PeriodSeries, DefaultBucketFollowsThePeriodsLength)
{
    const model::DayNumber start = DayFromCivil({2024, 1, 1});
    EXPECT_EQ(DefaultBucket(start, start), SeriesBucket::Day);
    EXPECT_EQ(DefaultBucket(start, start + 61), SeriesBucket::Day);
    EXPECT_EQ(DefaultBucket(start, start + 62), SeriesBucket::Week);
    EXPECT_EQ(DefaultBucket(start, DayFromCivil({2024, 6, 30})), SeriesBucket::Week);
    EXPECT_EQ(DefaultBucket(start, DayFromCivil({2024, 12, 31})), SeriesBucket::Month);
    EXPECT_EQ(DefaultBucket(DayFromCivil({2023, 1, 1}), DayFromCivil({2023, 12, 31})), SeriesBucket::Month);
}

} // namespace
} // namespace kontaro::calc
