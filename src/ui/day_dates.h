#pragma once
// Day numbers and the QDate of the calendars and pickers: the window's one
// conversion between the two.
#include "model/day_number.h"

#include <QDate>

namespace kontaro::ui {

QDate DateOfDay(model::DayNumber day);
model::DayNumber DayOfDate(const QDate& date);

} // namespace kontaro::ui
