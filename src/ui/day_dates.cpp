#include "day_dates.h"

namespace kontaro::ui {

QDate DateOfDay(DayNumber day)
{
    const CivilDate civil = CivilFromDay(day);
    return QDate(civil.year, civil.month, civil.day);
}

DayNumber DayOfDate(const QDate& date)
{
    return DayFromCivil(CivilDate{date.year(), date.month(), date.day()});
}

} // namespace kontaro::ui
