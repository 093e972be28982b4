#include "calc/series_texts.h"

#include "calc/calc_texts.h"
#include "calc/shown_value.h"
#include "columns/series_columns.h"
#include "numbers/format_text.h"

#include <cstdio>

namespace kontaro::calc {

namespace {

TextRow Row(const SeriesPoint& point, SeriesBucket bucket, std::string group, const SummaryFigures& figures,
            const numbers::NumberLocale& locale)
{
    namespace col = columns::series;
    TextRow row(col::kColumnCount);
    row[col::Zeitraum] = BucketLabel(point, bucket);
    row[col::Von] = model::ShortDateText(point.first);
    row[col::Bis] = model::ShortDateText(point.last);
    row[col::Gruppe] = std::move(group);
    row[col::VerkaufB] = ShownText(figures.brutto, locale);
    row[col::VerkaufN] = ShownText(figures.netto, locale);
    row[col::Einkauf] = ShownText(figures.einkauf, locale);
    row[col::DB1] = ShownText(figures.db1, locale);
    row[col::DB1P] = figures.db1Prozent ? ShownText(*figures.db1Prozent, locale) : std::string();
    return row;
}

} // namespace

std::string BucketLabel(const SeriesPoint& point, SeriesBucket bucket)
{
    const model::CivilDate date = model::CivilFromDay(point.first);
    switch (bucket) {
    case SeriesBucket::Day: {
        char text[16];
        std::snprintf(text, sizeof text, "%02d.%02d.%04d", date.day, date.month, date.year);
        return text;
    }
    case SeriesBucket::Week: {
        const IsoWeek week = IsoWeekOf(point.first);
        return numbers::FormatText(texts::kWeekFormat, {std::to_string(week.week), std::to_string(week.year)});
    }
    case SeriesBucket::Month:
        return std::string(texts::kMonthNames[date.month - 1]) + " " + std::to_string(date.year);
    }
    return {};
}

TextGrid SeriesTexts(const PeriodSeries& series, bool withGroups, const numbers::NumberLocale& locale)
{
    TextGrid grid;
    for (const SeriesPoint& point : series.points) {
        grid.rows.push_back(Row(point, series.bucket, withGroups ? texts::kSeriesTotal : "", point.total, locale));
        if (!withGroups)
            continue;
        for (std::size_t g = 0; g < series.groups.size(); ++g)
            grid.rows.push_back(Row(point, series.bucket, series.groups[g].name, point.groups[g], locale));
    }
    return grid;
}

} // namespace kontaro::calc
