#pragma once
// The user's number conventions as the calculations write and read shown values.
// Passed in by the caller; the calculations never read the process locale.

namespace kontaro::calc {

struct NumberLocale {
    char decimalSeparator = '.';
    // Shown values never group digits; the separator travels with the locale for
    // the callers that read numbers typed by the user.
    char thousandSeparator = ',';
};

} // namespace kontaro::calc
