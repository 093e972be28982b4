// The page "Diagramm" on the large project: opening the page, computing its ten
// years by month and drawing it once (the page grabbed into a picture), on Qt's
// offscreen platform. Built with the window (KONTARO_BUILD_UI); not one of
// bench/run's benchmarks, which build without it.
#include "bench/project_generator.h"
#include "model/day_number.h"
#include "ui/chart_page.h"
#include "ui/date_controls.h"

#include <QApplication>
#include <QComboBox>
#include <QPixmap>

#include <benchmark/benchmark.h>

namespace kontaro::bench {
namespace {

const model::Project& LargeProject()
{
    static model::Project project = [] {
        model::Project made;
        MakeLargeProject(made, 10);
        return made;
    }();
    return project;
}

QDate DateOf(model::DayNumber day)
{
    const model::CivilDate date = model::CivilFromDay(day);
    return QDate(date.year, date.month, date.day);
}

void BM_OpenChartPageTenYearsByMonth(benchmark::State& state)
{
    const model::Project& project = LargeProject();
    const QDate first = DateOf(project.Days.Item(0).Date);
    const QDate last = DateOf(project.Days.Item(project.Days.Count() - 1).Date);
    for (auto _ : state) {
        ui::ChartPage page(project);
        page.resize(1100, 700);
        page.FromPicker().SetDate(first);
        page.ToPicker().SetDate(last);
        page.ToChartChange();
        page.bChartCalcClick();
        page.show();
        const QPixmap drawn = page.grab();
        benchmark::DoNotOptimize(drawn.cacheKey());
        if (page.Series().points.size() != 120)
            state.SkipWithError("not ten years of months");
    }
}
BENCHMARK(BM_OpenChartPageTenYearsByMonth)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
} // namespace kontaro::bench

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
