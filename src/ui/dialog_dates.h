#pragma once
// The proposed date and the one rule both dated value dialogs apply to a chosen
// date.
#include "model/day_number.h"

#include <optional>
#include <vector>

namespace kontaro::ui {

// The first day of the month of TodayNumber().
model::DayNumber FirstDayOfCurrentMonth();

// True when another row of the list already has `day`: a row dated `oldDate` is the
// row being changed and does not count.
bool DateTaken(model::DayNumber day, std::optional<model::DayNumber> oldDate,
               const std::vector<model::DayNumber>& dates);

} // namespace kontaro::ui
