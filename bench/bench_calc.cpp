// The calculations on the large project: the period and the group summary over
// all of its ten years, and the day switch of a day with 40 entries (every row and
// the footer), against the floor of a loop that only adds the entries' values from
// a flat array.
#include "bench/project_generator.h"
#include "calc/day_grid.h"
#include "calc/group_summary.h"
#include "calc/period_summary.h"

#include <benchmark/benchmark.h>
#include <stdexcept>
#include <vector>

namespace kontaro::bench {
namespace {

const numbers::NumberLocale kLocale{',', '.'};

std::vector<double> EntryValues()
{
    std::vector<double> values;
    const model::tDays& days = TenYearProject().Days;
    for (int d = 0; d < days.Count(); ++d)
        for (int e = 0; e < days.Item(d).Count(); ++e)
            values.push_back(days.Item(d).Entry(e).Value);
    return values;
}

void CountEntries(benchmark::State& state) { state.counters["entries"] = static_cast<double>(EntryValues().size()); }

void BM_BaselineAddEntryValues(benchmark::State& state)
{
    const std::vector<double> values = EntryValues();
    for (auto _ : state) {
        double sum = 0;
        for (const double value : values)
            sum += value;
        benchmark::DoNotOptimize(sum);
    }
    CountEntries(state);
}
BENCHMARK(BM_BaselineAddEntryValues)->Unit(benchmark::kMicrosecond);

void BM_PeriodSummaryTenYears(benchmark::State& state)
{
    const model::Project& project = TenYearProject();
    for (auto _ : state) {
        const calc::SummaryResult result =
            calc::PeriodSummary(project, FirstStoredDay(), LastStoredDay(), "large.kdt", kLocale);
        benchmark::DoNotOptimize(result.grid.rows.data());
    }
    CountEntries(state);
}
BENCHMARK(BM_PeriodSummaryTenYears)->Unit(benchmark::kMicrosecond);

void BM_GroupSummaryTenYears(benchmark::State& state)
{
    const model::Project& project = TenYearProject();
    for (auto _ : state) {
        const calc::SummaryResult result =
            calc::GroupSummary(project, FirstStoredDay(), LastStoredDay(), "large.kdt", kLocale);
        benchmark::DoNotOptimize(result.grid.rows.data());
    }
    CountEntries(state);
}
BENCHMARK(BM_GroupSummaryTenYears)->Unit(benchmark::kMicrosecond);

void BM_DaySwitchFortyEntries(benchmark::State& state)
{
    const model::Project& project = TenYearProject();
    const model::tDays& days = project.Days;
    int index = 0;
    while (index < days.Count() && days.Item(index).Count() != 40)
        ++index;
    if (index == days.Count())
        throw std::runtime_error("the large project has no day with 40 entries");
    const model::DayNumber day = days.Item(index).Date;
    for (auto _ : state) {
        const calc::TextGrid grid = calc::StoredDayGrid(project, day, "large.kdt", kLocale);
        benchmark::DoNotOptimize(grid.footer.data());
    }
}
BENCHMARK(BM_DaySwitchFortyEntries)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace kontaro::bench

BENCHMARK_MAIN();
