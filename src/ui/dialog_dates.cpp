#include "ui/dialog_dates.h"

#include "model/globals.h"

#include <algorithm>

namespace kontaro::ui {

DayNumber FirstDayOfCurrentMonth()
{
    CivilDate today = CivilFromDay(TodayNumber());
    today.day = 1;
    return DayFromCivil(today);
}

bool DateTaken(DayNumber day, std::optional<DayNumber> oldDate, const std::vector<DayNumber>& dates)
{
    if (oldDate && *oldDate == day)
        return false;
    return std::find(dates.begin(), dates.end(), day) != dates.end();
}

} // namespace kontaro::ui
