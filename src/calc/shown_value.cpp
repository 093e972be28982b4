#include "calc/shown_value.h"

#include "numbers/number_text.h"

namespace kontaro::calc {

std::string FixedText(double value, int decimals, const numbers::NumberLocale& locale)
{
    return numbers::FixedText(value, decimals, locale.decimalSeparator);
}

std::string ShownText(double value, const numbers::NumberLocale& locale) { return FixedText(value, 2, locale); }

std::optional<double> ReadShownValue(std::string_view text, const numbers::NumberLocale& locale)
{
    return numbers::ReadCellNumber(text, locale.decimalSeparator);
}

double Round2(double value) { return numbers::FixedValue(value, 2); }

std::optional<int32_t> ReadCellInteger(std::string_view text) { return numbers::ParseInteger(text); }

} // namespace kontaro::calc
