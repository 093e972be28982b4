#pragma once
// The user's number conventions: the separators every layer writes and reads numbers
// with. Passed in by the caller; no layer below the window reads the process locale.
// Shown values never group digits; the thousand separator travels with the locale for
// the readers of numbers typed by the user.

namespace kontaro::numbers {

struct NumberLocale {
    char decimalSeparator = '.';
    char thousandSeparator = ',';
};

} // namespace kontaro::numbers
