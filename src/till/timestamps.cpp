#include "till/timestamps.h"

namespace kontaro::till {

using model::DayNumber;

namespace {

bool Digits(std::string_view text, size_t at, size_t count, int& value)
{
    if (at + count > text.size())
        return false;
    value = 0;
    for (size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

int DaysInMonth(int year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// The date a text begins with, as the model reads ISO dates.
std::optional<DayNumber> DateAt(std::string_view text)
{
    if (text.size() < 10)
        return std::nullopt;
    return model::ParseIsoDate(text.substr(0, 10));
}

// The last Sunday of the month, as a day number (day 0, 1899-12-30, was a Saturday).
DayNumber LastSunday(int year, int month)
{
    const DayNumber last = model::DayFromCivil({year, month, DaysInMonth(year, month)});
    const int weekday = ((last + 6) % 7 + 7) % 7; // 0 = Sunday
    return last - weekday;
}

// Minutes east of UTC of German local time at the UTC minute `utc` (minutes since day 0).
int LocalOffset(int64_t utc)
{
    const auto day = static_cast<DayNumber>(utc >= 0 ? utc / 1440 : (utc - 1439) / 1440);
    const int year = model::CivilFromDay(day).year;
    const int64_t summerFrom = int64_t{LastSunday(year, 3)} * 1440 + 60;
    const int64_t summerUntil = int64_t{LastSunday(year, 10)} * 1440 + 60;
    return utc >= summerFrom && utc < summerUntil ? 120 : 60;
}

} // namespace

std::optional<DayNumber> DayOfDate(std::string_view text)
{
    if (text.size() != 10)
        return std::nullopt;
    return DateAt(text);
}

std::optional<DayNumber> LocalDayOfTimestamp(std::string_view text)
{
    const auto date = DateAt(text);
    int hour = 0, minute = 0, second = 0;
    if (!date || text.size() < 19 || (text[10] != 'T' && text[10] != 't' && text[10] != ' ') ||
        !Digits(text, 11, 2, hour) || text[13] != ':' || !Digits(text, 14, 2, minute) || text[16] != ':' ||
        !Digits(text, 17, 2, second) || hour > 23 || minute > 59 || second > 60)
        return std::nullopt;
    size_t at = 19;
    if (at < text.size() && (text[at] == '.' || text[at] == ',')) {
        ++at;
        const size_t digitsFrom = at;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9')
            ++at;
        if (at == digitsFrom)
            return std::nullopt;
    }
    if (at == text.size())
        return date;
    int offset = 0;
    if ((text[at] == 'Z' || text[at] == 'z') && at + 1 == text.size()) {
        offset = 0;
    } else if (text[at] == '+' || text[at] == '-') {
        int hours = 0, minutes = 0;
        const std::string_view zone = text.substr(at + 1);
        const bool ok =
            (zone.size() == 2 && Digits(zone, 0, 2, hours)) ||
            (zone.size() == 4 && Digits(zone, 0, 2, hours) && Digits(zone, 2, 2, minutes)) ||
            (zone.size() == 5 && Digits(zone, 0, 2, hours) && zone[2] == ':' && Digits(zone, 3, 2, minutes));
        if (!ok || hours > 23 || minutes > 59)
            return std::nullopt;
        offset = (hours * 60 + minutes) * (text[at] == '-' ? -1 : 1);
    } else {
        return std::nullopt;
    }
    const int64_t utc = int64_t{*date} * 1440 + hour * 60 + minute - offset;
    const int64_t local = utc + LocalOffset(utc);
    return static_cast<DayNumber>(local >= 0 ? local / 1440 : (local - 1439) / 1440);
}

} // namespace kontaro::till
