#pragma once
// The user's number conventions taken from the application's default QLocale (the
// system's unless a test set another): the one place where Qt's locale becomes the
// separators the calculations and the grids write and read numbers with.
#include "numbers/number_locale.h"

namespace kontaro::controls {

// The separators are single bytes: a locale whose separator is not one ASCII
// character falls back to the plain convention, and the thousand separator is
// never the decimal one.
numbers::NumberLocale SystemNumberLocale();

} // namespace kontaro::controls
