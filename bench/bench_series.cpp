// The period series of the large project over all of its ten years, by day (3,653
// buckets) and by month, against the summaries of the same ten years in the same
// run. The series of the overall figures alone (the period summary's footer per
// bucket) stands against the period summary (its product rows as texts and its
// footer); the series with the groups' rows against the period and the group
// summary together, whose figures it holds per bucket.
#include "bench/project_generator.h"
#include "calc/group_summary.h"
#include "calc/period_series.h"
#include "calc/period_summary.h"

#include <benchmark/benchmark.h>

namespace kontaro::bench {
namespace {

const numbers::NumberLocale kLocale{',', '.'};

void BM_PeriodSummaryTenYears(benchmark::State& state)
{
    for (auto _ : state) {
        const calc::SummaryResult result =
            calc::PeriodSummary(TenYearProject(), FirstStoredDay(), LastStoredDay(), "large.kdt", kLocale);
        benchmark::DoNotOptimize(result.grid.rows.data());
    }
}
BENCHMARK(BM_PeriodSummaryTenYears)->Unit(benchmark::kMillisecond);

void BM_PeriodAndGroupSummaryTenYears(benchmark::State& state)
{
    for (auto _ : state) {
        const calc::SummaryResult period =
            calc::PeriodSummary(TenYearProject(), FirstStoredDay(), LastStoredDay(), "large.kdt", kLocale);
        const calc::SummaryResult groups =
            calc::GroupSummary(TenYearProject(), FirstStoredDay(), LastStoredDay(), "large.kdt", kLocale);
        benchmark::DoNotOptimize(period.grid.rows.data());
        benchmark::DoNotOptimize(groups.grid.rows.data());
    }
}
BENCHMARK(BM_PeriodAndGroupSummaryTenYears)->Unit(benchmark::kMillisecond);

void Series(benchmark::State& state, calc::SeriesBucket bucket, calc::SeriesParts parts)
{
    std::size_t buckets = 0;
    for (auto _ : state) {
        const calc::PeriodSeries series =
            calc::ComputePeriodSeries(TenYearProject(), FirstStoredDay(), LastStoredDay(), bucket, parts);
        buckets = series.points.size();
        benchmark::DoNotOptimize(series.points.data());
    }
    state.counters["buckets"] = static_cast<double>(buckets);
}

void BM_SeriesTenYearsByDay(benchmark::State& state)
{
    Series(state, calc::SeriesBucket::Day, calc::SeriesParts::TotalsOnly);
}
BENCHMARK(BM_SeriesTenYearsByDay)->Unit(benchmark::kMillisecond);

void BM_SeriesTenYearsByMonth(benchmark::State& state)
{
    Series(state, calc::SeriesBucket::Month, calc::SeriesParts::TotalsOnly);
}
BENCHMARK(BM_SeriesTenYearsByMonth)->Unit(benchmark::kMillisecond);

void BM_SeriesWithGroupsTenYearsByDay(benchmark::State& state)
{
    Series(state, calc::SeriesBucket::Day, calc::SeriesParts::WithGroups);
}
BENCHMARK(BM_SeriesWithGroupsTenYearsByDay)->Unit(benchmark::kMillisecond);

void BM_SeriesWithGroupsTenYearsByMonth(benchmark::State& state)
{
    Series(state, calc::SeriesBucket::Month, calc::SeriesParts::WithGroups);
}
BENCHMARK(BM_SeriesWithGroupsTenYearsByMonth)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kontaro::bench

BENCHMARK_MAIN();
