// chart: the charts of the page "Diagramm" written as PNG, SVG or PDF, drawn on
// Qt's offscreen platform unless another one is asked for.
#include "calc/calc_texts.h"
#include "charts/chart_file.h"
#include "charts/charts_texts.h"
#include "cli/cli_reports.h"
#include "cli/cli_series.h"
#include "cli/cli_series_texts.h"
#include "numbers/format_text.h"

#include <QApplication>

#include <cstdio>

namespace kontaro::cli {

namespace {

struct ChartTarget {
    charts::ChartFormat format;
    std::string file;
};

ChartTarget TakeChartTarget(Arguments& args)
{
    std::optional<ChartTarget> target;
    for (const auto& [option, format] :
         {std::pair{"--png", charts::ChartFormat::Png}, std::pair{"--svg", charts::ChartFormat::Svg},
          std::pair{"--pdf", charts::ChartFormat::Pdf}}) {
        if (const std::optional<std::string> file = args.TakeOption(option)) {
            if (target)
                throw Failure{std::string(texts::kOneChartFormat)};
            target = ChartTarget{format, *file};
        }
    }
    if (!target)
        throw Failure{std::string(texts::kOneChartFormat)};
    return *target;
}

} // namespace

int RunChart(Arguments& args)
{
    const ChartTarget target = TakeChartTarget(args);
    const numbers::NumberLocale locale = TakeNumberLocale(args);
    const SeriesRequest request = TakeSeriesRequest(args, texts::kChartUsage);
    model::Project project;
    LoadProject(args, texts::kChartUsage, project);
    const calc::PeriodSeries series = calc::ComputePeriodSeries(project, request.from, request.to, request.bucket);

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "kontaro-report";
    char* argv[] = {name, nullptr};
    const QApplication application(argc, argv);
    const QString file = QString::fromUtf8(target.file.data(), qsizetype(target.file.size()));
    if (!charts::WriteChartFile(series, locale, target.format, file))
        throw Failure{numbers::FormatText(charts::texts::kNotWritten, {target.file})};
    if (series.daysFound)
        return kExitOk;
    std::fprintf(stderr, "%s\n", calc::texts::kKeinePassendenEintraege);
    return kExitNothingFound;
}

} // namespace kontaro::cli
