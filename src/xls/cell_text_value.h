#pragma once
// How the exporter reads a cell's display text back into a workbook value: a number (with
// the locale's separators), a boolean, a date or time in the short formats, or the
// text itself. Also the markup rules for texts that carry HTML tags.

#include "numbers/number_locale.h"
#include "xls/date_conventions.h"

#include <optional>
#include <string>
#include <string_view>

namespace kontaro::xls {

// s without its thousand separators when they stand only where thousand separators belong
// (every fourth character from the end of the integer part); otherwise s unchanged.
std::string RemoveThousandSeparators(std::string_view s, const numbers::NumberLocale& locale);

// The number the text denotes: optional blanks, sign, digits with at most one of the locale's
// decimal separators, an optional exponent, optional blanks. Thousand separators are removed
// first by the rule above.
std::optional<double> ParseNumberText(std::string_view text, const numbers::NumberLocale& locale);

// "TRUE" or "FALSE" in any case.
std::optional<bool> ParseBooleanText(std::string_view text);

struct DateTimeValue {
    double serial = 0;        // days since 1899-12-30, the fraction the time of day
    std::string numberFormat; // the date format, the time format or both
};

// A text in the date format, the time format, or the date format, a blank and the time
// format. Empty formats take the short formats of `dates`. Recognised letters: d dd m mm yy yyyy
// in dates, h hh m mm n nn s ss and AM/PM (also written AMPM) in times.
std::optional<DateTimeValue> ParseDateTimeText(std::string_view text, std::string_view dateFormat,
                                               std::string_view timeFormat, const DateConventions& dates);

// Every "<br>" (any case) becomes CR LF.
std::string BreakTagsToLineBreaks(std::string_view text);
// "<BR>" and "<HR>" (any case) become CR LF, then every tag from "<" to the next ">" goes; a
// "<" without a ">" after it stays with the rest of the text.
std::string StripMarkup(std::string_view text);

} // namespace kontaro::xls
