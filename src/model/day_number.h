#pragma once
// Day numbers: signed 32-bit counts of whole days since 1899-12-30 (day 0), in the
// proleptic Gregorian calendar; negative days are valid. The only place where day
// numbers and calendar dates meet.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kontaro::model {

using DayNumber = int32_t;

struct CivilDate {
    int year = 1899;
    int month = 12; // 1..12
    int day = 30;   // 1..31
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

DayNumber DayFromCivil(const CivilDate& date);
CivilDate CivilFromDay(DayNumber day);

// A date-time value (days since the epoch, fraction = time of day) cut to its day.
DayNumber DayFromDateTime(double dateTime);

// "yy-mm-dd", for example "05-03-31": the program's short date text.
std::string ShortDateText(DayNumber day);
// "yyyy-mm-dd", the form the report tool reads and writes.
std::string IsoDateText(DayNumber day);
// Parses "yyyy-mm-dd"; nothing for any other text or an impossible date.
std::optional<DayNumber> ParseIsoDate(std::string_view text);

} // namespace kontaro::model
