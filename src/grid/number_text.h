#pragma once
// Reading and writing the numbers that grid cells show. Pure functions of the text
// and the locale's separators.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "grid/grid_types.h"

namespace kontaro::grid {

// The text of value with exactly `decimals` decimals (0 to 6) and the locale's
// decimal separator, no thousand separators. The value is first expressed with 18
// significant digits and then cut after the last decimal kept; a cut-off digit of
// 5 or more rounds the magnitude up, so halves round away from zero (0.125 gives
// 0.13, -0.125 gives -0.13, while 2.675, whose double lies just below, gives 2.67).
// Infinite and NaN values give "INF", "-INF" and "NAN".
std::string FormatFixed(double value, int decimals, Separators separators);

// A complete number: optional blanks, an optional sign, digits with at most one
// decimal separator (the locale's) and at least one digit, an optional exponent
// (E or e, optional sign, digits), optional blanks. Nothing for anything else,
// including an empty text and values outside the double range.
std::optional<double> ParseNumber(std::string_view text, Separators separators);

// A complete 32-bit integer: optional blanks, an optional sign, digits, optional
// blanks. Nothing for anything else, an empty text and values out of range.
std::optional<std::int32_t> ParseInteger(std::string_view text);

// Reading a cell: an empty text and a lone "-" (blanks around them allowed) read
// as 0; any other text as ParseNumber / ParseInteger do.
std::optional<double> ReadCellNumber(std::string_view text, Separators separators);
std::optional<std::int32_t> ReadCellInteger(std::string_view text);

} // namespace kontaro::grid
