#include "ui/day_dates.h"

namespace kontaro::ui {

QDate DateOfDay(model::DayNumber day)
{
    const model::CivilDate civil = model::CivilFromDay(day);
    return QDate(civil.year, civil.month, civil.day);
}

model::DayNumber DayOfDate(const QDate& date)
{
    return model::DayFromCivil(model::CivilDate{date.year(), date.month(), date.day()});
}

} // namespace kontaro::ui
