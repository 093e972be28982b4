#pragma once
// Shown values: the two-decimal texts in which every grid, report and export shows
// a figure, and the numbers those texts denote, with the user's number conventions.
// The texts and their rounding rule are those of numbers/number_text.h.
#include "numbers/number_locale.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kontaro::calc {

// The text of `value` with exactly `decimals` decimals (0 to 6).
std::string FixedText(double value, int decimals, const numbers::NumberLocale& locale);

// The two-decimal text of `value`.
std::string ShownText(double value, const numbers::NumberLocale& locale);

// The number a cell text denotes: an empty text and a lone "-" (blanks around them
// allowed) read as 0; otherwise blanks, an optional sign, digits with at most one
// decimal separator (the locale's), an optional exponent, blanks. Nothing for any
// other text and for values outside the double range.
std::optional<double> ReadShownValue(std::string_view text, const numbers::NumberLocale& locale);

// The number that the two-decimal text of `value` denotes (0 for a value without
// text, as an empty cell reads).
double Round2(double value);

// A cell text read as an integer: blanks, an optional sign, decimal digits,
// blanks. Nothing for any other text (an empty one included) and out of range.
std::optional<int32_t> ReadCellInteger(std::string_view text);

} // namespace kontaro::calc
