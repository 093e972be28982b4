#pragma once
// The period series: the figures of the period summary's footer and of the group
// summary's rows, per bucket of days (a day, an ISO week, a calendar month) of a
// period. Each bucket's figures are those the two summaries show for the bucket's
// days as their period, to the text: the overall figures are the period summary's
// footer (the sums of the shown product rows), a group's figures its group row. One
// bucket spanning the whole period therefore equals the two summaries.
//
// The buckets cover the period without gaps, from its first to its last day; the
// first and the last bucket may be cut by the period (a week starting on a
// Wednesday). A bucket without entries has zero figures and no percentage.
#include "calc/row_texts.h"
#include "model/project_file.h"

#include <optional>
#include <string>
#include <vector>

namespace kontaro::calc {

enum class SeriesBucket { Day, Week, Month };

// The bucket a period's length suggests: days up to 62 days, ISO weeks for periods
// shorter than a year (up to 364 days), months from a whole year on.
SeriesBucket DefaultBucket(model::DayNumber from, model::DayNumber to);

// The ISO 8601 week of a day: its week-based year and its week number (1 to 53).
struct IsoWeek {
    int year = 0;
    int week = 0;
    friend bool operator==(const IsoWeek&, const IsoWeek&) = default;
};
IsoWeek IsoWeekOf(model::DayNumber day);

struct SeriesGroup {
    int32_t id = 0;
    std::string name; // UTF-8
};

struct SeriesPoint {
    model::DayNumber first = 0; // the bucket's days within the period, both included
    model::DayNumber last = 0;
    SummaryFigures total; // the period summary's footer
    // Per group of PeriodSeries::groups, its group row (zero where it sold nothing).
    std::vector<SummaryFigures> groups;
};

struct PeriodSeries {
    SeriesBucket bucket = SeriesBucket::Day;
    model::DayNumber from = 0;
    model::DayNumber to = 0;
    // The groups with a row in the group summary of the whole period, in their order.
    std::vector<SeriesGroup> groups;
    std::vector<SeriesPoint> points;
    // False when the period holds no stored day (the summaries' warning).
    bool daysFound = false;
};

// What a series holds: the overall figures and the groups' rows, or the overall
// figures alone (no groups, every point's `groups` empty), which walk the entries
// without looking up their groups.
enum class SeriesParts { WithGroups, TotalsOnly };

// The series of the period from `from` to `to` (both included; nothing when `to`
// lies before `from`).
PeriodSeries ComputePeriodSeries(const model::Project& project, model::DayNumber from, model::DayNumber to,
                                 SeriesBucket bucket, SeriesParts parts = SeriesParts::WithGroups);

// The first day of the bucket after the one holding `day`.
model::DayNumber NextBucketStart(model::DayNumber day, SeriesBucket bucket);

} // namespace kontaro::calc
