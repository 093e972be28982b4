// The period series of the large project over all of its ten years, by day (3,653
// buckets) and by month, against the period summary of the same ten years in the
// same run: the series adds every entry as the summaries do, per bucket, and
// closes each bucket with the period summary's footer sums.
#include "bench/project_generator.h"
#include "calc/period_series.h"
#include "calc/period_summary.h"

#include <benchmark/benchmark.h>

namespace kontaro::bench {
namespace {

constexpr int kYears = 10;
const numbers::NumberLocale kLocale{',', '.'};

const model::Project& LargeProject()
{
    static model::Project project = [] {
        model::Project made;
        MakeLargeProject(made, kYears);
        return made;
    }();
    return project;
}

model::DayNumber FirstDay() { return LargeProject().Days.Item(0).Date; }
model::DayNumber LastDay() { return LargeProject().Days.Item(LargeProject().Days.Count() - 1).Date; }

void BM_PeriodSummaryTenYears(benchmark::State& state)
{
    for (auto _ : state) {
        const calc::SummaryResult result =
            calc::PeriodSummary(LargeProject(), FirstDay(), LastDay(), "large.kdt", kLocale);
        benchmark::DoNotOptimize(result.grid.rows.data());
    }
}
BENCHMARK(BM_PeriodSummaryTenYears)->Unit(benchmark::kMillisecond);

void Series(benchmark::State& state, calc::SeriesBucket bucket)
{
    std::size_t buckets = 0;
    for (auto _ : state) {
        const calc::PeriodSeries series = calc::ComputePeriodSeries(LargeProject(), FirstDay(), LastDay(), bucket);
        buckets = series.points.size();
        benchmark::DoNotOptimize(series.points.data());
    }
    state.counters["buckets"] = static_cast<double>(buckets);
}

void BM_SeriesTenYearsByDay(benchmark::State& state) { Series(state, calc::SeriesBucket::Day); }
BENCHMARK(BM_SeriesTenYearsByDay)->Unit(benchmark::kMillisecond);

void BM_SeriesTenYearsByMonth(benchmark::State& state) { Series(state, calc::SeriesBucket::Month); }
BENCHMARK(BM_SeriesTenYearsByMonth)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kontaro::bench

BENCHMARK_MAIN();
