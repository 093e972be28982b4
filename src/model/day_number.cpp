#include "model/day_number.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace kontaro::model {

namespace {

// Days from 1970-01-01 to the civil date (proleptic Gregorian), exact for every
// year an int can hold in this range.
int64_t DaysFromUnixEpoch(int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2 ? 1 : 0;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

// Day 0 (1899-12-30) counted from 1970-01-01.
constexpr int64_t kEpochOffset = -25569;

} // namespace

DayNumber DayFromCivil(const CivilDate& date)
{
    const int64_t days =
        DaysFromUnixEpoch(date.year, static_cast<unsigned>(date.month), static_cast<unsigned>(date.day)) - kEpochOffset;
    return static_cast<DayNumber>(days);
}

CivilDate CivilFromDay(DayNumber day)
{
    const int64_t z = static_cast<int64_t>(day) + kEpochOffset + 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t y = static_cast<int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return CivilDate{static_cast<int>(y + (m <= 2 ? 1 : 0)), static_cast<int>(m), static_cast<int>(d)};
}

DayNumber DayFromDateTime(double dateTime)
{
    // A negative date-time carries its time of day as a positive fraction, so
    // cutting towards zero gives its day.
    if (std::isnan(dateTime))
        return 0;
    const double cut = std::trunc(dateTime);
    if (cut <= static_cast<double>(std::numeric_limits<DayNumber>::min()))
        return std::numeric_limits<DayNumber>::min();
    if (cut >= static_cast<double>(std::numeric_limits<DayNumber>::max()))
        return std::numeric_limits<DayNumber>::max();
    return static_cast<DayNumber>(cut);
}

std::string ShortDateText(DayNumber day)
{
    const CivilDate date = CivilFromDay(day);
    char text[16];
    std::snprintf(text, sizeof text, "%02d-%02d-%02d", ((date.year % 100) + 100) % 100, date.month, date.day);
    return text;
}

std::string IsoDateText(DayNumber day)
{
    const CivilDate date = CivilFromDay(day);
    char text[32];
    if (date.year < 0)
        std::snprintf(text, sizeof text, "-%04d-%02d-%02d", -date.year, date.month, date.day);
    else
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::optional<DayNumber> ParseIsoDate(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    auto number = [&](size_t from, size_t count, int& out) {
        out = 0;
        for (size_t i = from; i < from + count; ++i) {
            if (text[i] < '0' || text[i] > '9')
                return false;
            out = out * 10 + (text[i] - '0');
        }
        return true;
    };
    CivilDate date;
    if (!number(0, 4, date.year) || !number(5, 2, date.month) || !number(8, 2, date.day))
        return std::nullopt;
    if (date.month < 1 || date.month > 12 || date.day < 1)
        return std::nullopt;
    const DayNumber day = DayFromCivil(date);
    if (CivilFromDay(day) != date) // 02-30 and the like
        return std::nullopt;
    return day;
}

} // namespace kontaro::model
