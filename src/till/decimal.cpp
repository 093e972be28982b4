#include "till/decimal.h"

#include <cstdlib>

namespace kontaro::till {

namespace {

constexpr int kMaxIntegerDigits = 13;

// Products of two five-place values need more than 64 bits on their way.
__extension__ typedef __int128 Wide;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int64_t RoundedQuotient(Wide numerator, Wide denominator)
{
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const bool negative = numerator < 0;
    const Wide magnitude = negative ? -numerator : numerator;
    const Wide quotient = (magnitude + denominator / 2) / denominator;
    return static_cast<int64_t>(negative ? -quotient : quotient);
}

} // namespace

bool ParseDecimal(std::string_view text, const NumberFormat& format, Decimal& value)
{
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    int64_t integer = 0;
    int digits = 0;
    int groupDigits = 0; // digits since the last grouping symbol, -1 before the first
    bool grouped = false;
    int leadingDigits = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            if (++digits > kMaxIntegerDigits)
                return false;
            integer = integer * 10 + (c - '0');
            ++groupDigits;
            continue;
        }
        if (c == format.groupingSymbol && c != format.decimalSymbol && digits > 0) {
            if (!grouped) {
                if (digits > 3)
                    return false;
                leadingDigits = digits;
                grouped = true;
            } else if (groupDigits != 3) {
                return false;
            }
            groupDigits = 0;
            continue;
        }
        break;
    }
    if (digits == 0 || (grouped && (groupDigits != 3 || leadingDigits == 0)))
        return false;
    int64_t fraction = 0;
    if (i < text.size()) {
        if (text[i] != format.decimalSymbol || format.accuracy <= 0)
            return false;
        ++i;
        int places = 0;
        for (; i < text.size(); ++i) {
            if (!IsDigit(text[i]) || ++places > format.accuracy)
                return false;
            if (places <= 5)
                fraction = fraction * 10 + (text[i] - '0');
            else if (places == 6 && text[i] >= '5')
                ++fraction; // a sixth decimal rounds the fifth
        }
        if (places == 0)
            return false;
        for (int p = places; p < 5; ++p)
            fraction *= 10;
    }
    const int64_t units = integer * Decimal::kScale + fraction;
    value.units = negative ? -units : units;
    return true;
}

Decimal Multiply(Decimal value, Decimal factor)
{
    return Decimal{RoundedQuotient(static_cast<Wide>(value.units) * factor.units, Decimal::kScale)};
}

Decimal Divide(Decimal value, Decimal divisor)
{
    return Decimal{RoundedQuotient(static_cast<Wide>(value.units) * Decimal::kScale, divisor.units)};
}

std::string DecimalText(Decimal value, int decimals, char decimalSeparator)
{
    if (decimals < 0)
        decimals = 0;
    if (decimals > 5)
        decimals = 5;
    int64_t step = 1;
    for (int i = decimals; i < 5; ++i)
        step *= 10;
    const int64_t rounded = RoundedQuotient(value.units, step);
    const uint64_t magnitude = static_cast<uint64_t>(rounded < 0 ? -rounded : rounded);
    int64_t unit = 1;
    for (int i = 0; i < decimals; ++i)
        unit *= 10;
    std::string text = rounded < 0 ? "-" : "";
    text += std::to_string(magnitude / static_cast<uint64_t>(unit));
    if (decimals > 0) {
        std::string digits = std::to_string(magnitude % static_cast<uint64_t>(unit));
        text += decimalSeparator;
        text += std::string(static_cast<size_t>(decimals) - digits.size(), '0') + digits;
    }
    return text;
}

std::string QuantityText(Decimal value, char decimalSeparator)
{
    std::string text = DecimalText(value, 3, decimalSeparator);
    while (text.back() == '0' && text.find(decimalSeparator) != std::string::npos)
        text.pop_back();
    if (text.back() == decimalSeparator)
        text.pop_back();
    return text;
}

} // namespace kontaro::till
