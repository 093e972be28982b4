#pragma once
// The day a timestamp of the export falls on, in the business's local time
// (Germany: CET, and CEST from the last Sunday of March to the last Sunday of
// October, changing at 01:00 UTC). A timestamp without an offset is local time
// already; one with "Z" or "+hh:mm" is converted before its date is taken.
#include "model/day_number.h"

#include <optional>
#include <string_view>

namespace kontaro::till {

// "YYYY-MM-DDThh:mm:ss" (or a blank instead of "T"), optional fractional seconds,
// optional "Z", "+hh:mm", "+hhmm" or "+hh". Nothing for any other text or an
// impossible date or time.
std::optional<model::DayNumber> LocalDayOfTimestamp(std::string_view text);

// "YYYY-MM-DD"; nothing for anything else.
std::optional<model::DayNumber> DayOfDate(std::string_view text);

} // namespace kontaro::till
