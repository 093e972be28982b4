#pragma once
// The program-wide helpers: today's day number (from a clock that tests can set)
// and a path without its extension.
#include "model/day_number.h"

#include <functional>
#include <string>

namespace kontaro::model {

// Today's day number, from the local calendar date of the clock.
DayNumber TodayNumber();

// Replaces the clock behind TodayNumber; an empty function restores the system clock.
void SetTodayForTests(std::function<DayNumber()> today);

// The path without its extension: "C:\\a\\Cafe.kdt" -> "C:\\a\\Cafe"; "a.b/c" stays.
std::string RemoveFileExt(const std::string& path);

} // namespace kontaro::model
