#pragma once
// The user's number conventions for the calculations and the grids, taken from
// the application's default locale (the system's unless a test set another).
#include "calc/number_locale.h"
#include "grid/grid_types.h"

namespace kontaro::ui {

calc::NumberLocale UiNumberLocale();
grid::Separators UiSeparators();

} // namespace kontaro::ui
