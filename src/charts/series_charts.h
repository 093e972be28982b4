#pragma once
// The two DB1 charts of a period series, drawn with Qt Charts: the margin chart
// (per bucket Verkauf (N) and DB1 as bars, DB1 (%) as a line on a second axis) and
// the group chart (per bucket the DB1 of each group, stacked). The buckets lie on
// a value axis at 0, 1, 2, ... with German labels (every bucket's label where
// they fit, else every n-th); amounts follow the user's separators. Colours are
// taken from palettes whose lightness rises monotonically, so that the series
// stay apart when printed in grey.
//
// A chart refers to nothing after it is made: its tips are formed when it is made.
#include "calc/period_series.h"
#include "numbers/number_locale.h"

#include <QString>

#include <memory>
#include <vector>

class QChart;

namespace kontaro::charts {

std::unique_ptr<QChart> MakeMarginChart(const calc::PeriodSeries& series, const numbers::NumberLocale& locale);
std::unique_ptr<QChart> MakeGroupChart(const calc::PeriodSeries& series, const numbers::NumberLocale& locale);

// The tip of a bar or point: the bucket's label, the series' name (for the group
// chart "DB1" and the group's name) and the shown value, two decimals with the
// user's separators. `set` is the bar set's or line's index in the chart's series
// as MakeMarginChart orders them: 0 Verkauf (N), 1 DB1, 2 DB1 (%); for the group
// chart the group's index.
QString MarginTip(const calc::PeriodSeries& series, int set, int bucket, const numbers::NumberLocale& locale);
QString GroupTip(const calc::PeriodSeries& series, int group, int bucket, const numbers::NumberLocale& locale);

// The palettes' colours as 0xRRGGBB, darkest first.
const std::vector<unsigned>& MarginPalette();
const std::vector<unsigned>& GroupPalette();

} // namespace kontaro::charts
