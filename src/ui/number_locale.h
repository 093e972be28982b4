#pragma once
// The user's number conventions for the calculations and the grids, taken from
// the application's default locale (the system's unless a test set another).
#include "numbers/number_locale.h"

namespace kontaro::ui {

numbers::NumberLocale UiNumberLocale();

} // namespace kontaro::ui
