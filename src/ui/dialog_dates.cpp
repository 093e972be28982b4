#include "ui/dialog_dates.h"

#include "model/globals.h"

#include <algorithm>

namespace kontaro::ui {

model::DayNumber FirstDayOfCurrentMonth()
{
    model::CivilDate today = model::CivilFromDay(model::TodayNumber());
    today.day = 1;
    return model::DayFromCivil(today);
}

bool DateTaken(model::DayNumber day, std::optional<model::DayNumber> oldDate,
               const std::vector<model::DayNumber>& dates)
{
    if (oldDate && *oldDate == day)
        return false;
    return std::find(dates.begin(), dates.end(), day) != dates.end();
}

} // namespace kontaro::ui
