// series: the period series as an aligned table or CSV.
#include "cli/cli_series.h"

#include "calc/calc_texts.h"
#include "calc/series_texts.h"
#include "cli/cli_reports.h"
#include "cli/cli_series_texts.h"
#include "cli/report_table.h"
#include "grid/grid_setups.h"
#include "numbers/format_text.h"
#include "views/filled_grid.h"

#include <cstdio>

namespace kontaro::cli {

SeriesRequest TakeSeriesRequest(Arguments& args, std::string_view usage)
{
    SeriesRequest request;
    const std::optional<std::string> by = args.TakeOption("--by");
    request.from = TakeRequiredDate(args, "--from", usage);
    request.to = TakeRequiredDate(args, "--to", usage);
    if (request.to < request.from)
        throw Failure{
            numbers::FormatText(texts::kBadPeriod, {model::IsoDateText(request.to), model::IsoDateText(request.from)})};
    request.bucket = calc::DefaultBucket(request.from, request.to);
    if (by) {
        if (*by == "day")
            request.bucket = calc::SeriesBucket::Day;
        else if (*by == "week")
            request.bucket = calc::SeriesBucket::Week;
        else if (*by == "month")
            request.bucket = calc::SeriesBucket::Month;
        else
            throw Failure{numbers::FormatText(texts::kBadBucket, {*by})};
    }
    return request;
}

int RunSeries(Arguments& args)
{
    const bool csv = args.TakeFlag("--csv");
    const bool groups = args.TakeFlag("--groups");
    const numbers::NumberLocale locale = TakeNumberLocale(args);
    const SeriesRequest request = TakeSeriesRequest(args, texts::kSeriesUsage);
    model::Project project;
    LoadProject(args, texts::kSeriesUsage, project);

    const calc::PeriodSeries series =
        calc::ComputePeriodSeries(project, request.from, request.to, request.bucket,
                                  groups ? calc::SeriesParts::WithGroups : calc::SeriesParts::TotalsOnly);
    grid::PlainGrid grid = views::FilledGrid(grid::SetupSeriesGrid, calc::SeriesTexts(series, groups, locale), locale);
    grid::ShowSeriesGroups(grid, groups);
    const std::string out = csv ? CsvTable(grid, locale.decimalSeparator == ',' ? ';' : ',') : TextTable(grid);
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    if (series.daysFound)
        return kExitOk;
    std::fprintf(stderr, "%s\n", calc::texts::kKeinePassendenEintraege);
    return kExitNothingFound;
}

} // namespace kontaro::cli
