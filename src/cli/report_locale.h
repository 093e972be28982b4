#pragma once
// The number conventions of the report tool's environment.
#include "numbers/number_locale.h"

namespace kontaro::cli {

// The separators of the locale named by the first set one of LC_ALL, LC_NUMERIC
// and LANG ("." and "," for none, "C" and "POSIX", and for unknown names).
numbers::NumberLocale EnvironmentNumberLocale();

// The separators for an explicit decimal separator: "," gives "," and ".", "."
// gives "." and ",".
numbers::NumberLocale LocaleWithDecimal(char decimalSeparator);

} // namespace kontaro::cli
