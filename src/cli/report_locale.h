#pragma once
// The number conventions of the report tool's environment.
#include "calc/number_locale.h"

namespace kontaro::cli {

// The separators of the locale named by the first set one of LC_ALL, LC_NUMERIC
// and LANG ("." and "," for none, "C" and "POSIX", and for unknown names).
calc::NumberLocale EnvironmentNumberLocale();

// The separators for an explicit decimal separator: "," gives "," and ".", "."
// gives "." and ",".
calc::NumberLocale LocaleWithDecimal(char decimalSeparator);

} // namespace kontaro::cli
