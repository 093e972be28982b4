// The period export with daily sums of the ten-year project: a year (and two) of day sheets
// behind the summary sheet, built in memory and written once, against a complete read and
// write of the workbook per sheet as the single-sheet exports give, in the same run.
#include "bench/project_generator.h"
#include "calc/period_summary.h"
#include "exports/daily_exports.h"
#include "exports/export_names.h"
#include "exports/exporters.h"
#include "exports/view_exports.h"
#include "grid/export_adapter.h"
#include "grid/grid_setups.h"
#include "model/day_number.h"
#include "views/filled_grid.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>

namespace kontaro::bench {
namespace {

namespace fs = std::filesystem;

const numbers::NumberLocale kLocale{',', '.'};
const std::string kProjectFile = "/daten/Laden.kdt";

model::DayNumber FirstDay() { return *model::ParseIsoDate("2023-01-01"); }

grid::PlainGrid SumGrid(model::DayNumber from, model::DayNumber to)
{
    return views::FilledGrid(grid::SetupSumView,
                             calc::PeriodSummary(TenYearProject(), from, to, kProjectFile, kLocale).grid, kLocale);
}

std::string Target(const std::string& name) { return (fs::temp_directory_path() / name).string(); }

void ReportFile(benchmark::State& state, const std::string& file)
{
    state.counters["file_bytes"] = static_cast<double>(fs::file_size(file));
    state.counters["sheets"] = static_cast<double>(state.range(0) + 1);
    fs::remove(file);
}

void BM_DailySumsOneWrite(benchmark::State& state)
{
    const model::DayNumber from = FirstDay();
    const model::DayNumber to = from + static_cast<model::DayNumber>(state.range(0)) - 1;
    const grid::PlainGrid sum = SumGrid(from, to);
    const std::string file = Target("bench_exports_one_write.xls");
    for (auto _ : state)
        exports::ExportSumWithDailySums(sum, TenYearProject(), from, to, kProjectFile, file, kLocale);
    ReportFile(state, file);
}
BENCHMARK(BM_DailySumsOneWrite)->Arg(31)->Arg(365)->Arg(730)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_DailySumsWritePerDay(benchmark::State& state)
{
    const model::DayNumber from = FirstDay();
    const model::DayNumber to = from + static_cast<model::DayNumber>(state.range(0)) - 1;
    const grid::PlainGrid sum = SumGrid(from, to);
    const std::string file = Target("bench_exports_write_per_day.xls");
    for (auto _ : state) {
        const grid::ExportAdapter sumAdapter(sum);
        exports::SumExcel(sumAdapter, kLocale).ExportGrid(file, std::string(exports::kSumSheet));
        for (model::DayNumber day = from; day <= to; ++day) {
            const grid::PlainGrid grid = exports::StoredDayViewGrid(TenYearProject(), day, kProjectFile, kLocale);
            const grid::ExportAdapter adapter(grid);
            exports::DayExcel(adapter, kLocale).ExportGrid(file, exports::DaySheetName(day));
        }
    }
    ReportFile(state, file);
}
BENCHMARK(BM_DailySumsWritePerDay)->Arg(31)->Arg(365)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
} // namespace kontaro::bench

BENCHMARK_MAIN();
