#pragma once
// The period series as the texts of the series grid (columns of
// columns/series_columns.h): per bucket its label, its first and last day
// ("yy-mm-dd") and its figures as the summaries show them; with the groups, each
// bucket's row ("Gesamt") is followed by one row per group.
#include "calc/period_series.h"
#include "calc/text_grid.h"
#include "numbers/number_locale.h"

#include <string>

namespace kontaro::calc {

// "04.03.2024" for a day, "KW 9/2024" for an ISO week (the week's own year), "März
// 2024" for a month (the month of the bucket's first day).
std::string BucketLabel(const SeriesPoint& point, SeriesBucket bucket);

TextGrid SeriesTexts(const PeriodSeries& series, bool withGroups, const numbers::NumberLocale& locale);

} // namespace kontaro::calc
