#pragma once
// The verbs of the period series: "series" prints the figures per bucket as a
// table, "chart" (cli_chart.cpp, where the charts are built) draws them.
#include "calc/period_series.h"
#include "cli/cli_args.h"

namespace kontaro::cli {

// The period of --from and --to (a period ending before it begins is a Failure)
// and the bucket of --by, else the one the period's length suggests.
struct SeriesRequest {
    model::DayNumber from = 0;
    model::DayNumber to = 0;
    calc::SeriesBucket bucket = calc::SeriesBucket::Day;
};
SeriesRequest TakeSeriesRequest(Arguments& args, std::string_view usage);

int RunSeries(Arguments& args);
int RunChart(Arguments& args);

} // namespace kontaro::cli
