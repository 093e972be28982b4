#pragma once
// Number texts: the one place where figures become the fixed-decimal texts that every
// grid, report and export shows, and where cell texts are read back as numbers. Pure
// functions of the text and the decimal separator passed in; no locale is read.
//
// A value is first expressed with 18 significant decimal digits of its exact binary
// value, then cut after the last decimal kept; whenever a cut-off digit is 5 or more,
// the magnitude is rounded up. Halves therefore round away from zero (0.125 shows as
// 0.13, -0.125 as -0.13), while 2.675, whose double lies just below 2.675, shows as
// 2.67. A value that rounds to zero has no sign. Digits are never grouped. An infinite
// or NaN value has no text (an empty cell).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kontaro::numbers {

// The text of `value` with exactly `decimals` decimals (clamped to 0 to 6).
std::string FixedText(double value, int decimals, char decimalSeparator);

// The number that FixedText(value, decimals) denotes, as ParseNumber reads it; 0
// for a value without text. Without forming the text where integers suffice.
double FixedValue(double value, int decimals);

// A complete number: blanks, an optional sign, digits with at most one decimal
// separator and at least one digit, an optional exponent (E or e, optional sign,
// digits), blanks. Nothing for anything else, an empty text included, and for values
// outside the double range.
std::optional<double> ParseNumber(std::string_view text, char decimalSeparator);

// A complete 32-bit integer: blanks, an optional sign, decimal digits, blanks. Nothing
// for anything else, an empty text included, and for values out of range.
std::optional<int32_t> ParseInteger(std::string_view text);

// Reading a cell: an empty text and a lone "-" (blanks around them allowed) read as 0;
// any other text as ParseNumber / ParseInteger read it.
std::optional<double> ReadCellNumber(std::string_view text, char decimalSeparator);
std::optional<int32_t> ReadCellInteger(std::string_view text);

namespace detail {
// The general path of FixedText, from the exact decimal expansion of the value;
// FixedText takes a faster path where integer arithmetic is enough. Exposed for the
// test that holds the two paths to the same results.
std::string FixedTextFromExactDigits(double value, int decimals, char decimalSeparator);
} // namespace detail

} // namespace kontaro::numbers
