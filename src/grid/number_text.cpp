#include "grid/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace kontaro::grid {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::string FormatFixed(double value, int decimals, Separators separators)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (decimals < 0)
        decimals = 0;
    if (decimals > 6)
        decimals = 6;

    // 18 significant digits, locale-free: d.ddddddddddddddddde+XX
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, 17);
    const std::string_view scientific(buffer, std::size_t(result.ptr - buffer));
    const std::size_t e = scientific.find('e');
    std::string digits;
    for (std::size_t i = 0; i < e; ++i)
        if (IsDigit(scientific[i]))
            digits += scientific[i];
    int exponent = 0;
    std::string_view exponentText = scientific.substr(e + 1);
    if (!exponentText.empty() && exponentText.front() == '+')
        exponentText.remove_prefix(1);
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

    int point = exponent + 1; // digits before the decimal point
    if (point < 0) {
        digits.insert(0, std::size_t(-point), '0');
        point = 0;
    }
    const int keep = point + decimals;
    if (int(digits.size()) < keep + 1)
        digits.append(std::size_t(keep + 1 - int(digits.size())), '0');
    const bool roundUp = digits[std::size_t(keep)] >= '5';
    digits.resize(std::size_t(keep));
    if (roundUp) {
        int i = keep - 1;
        while (i >= 0 && digits[std::size_t(i)] == '9') {
            digits[std::size_t(i)] = '0';
            --i;
        }
        if (i < 0) {
            digits.insert(0, 1, '1');
            ++point;
        } else {
            ++digits[std::size_t(i)];
        }
    }

    std::string integerPart = digits.substr(0, std::size_t(point));
    const std::size_t firstNonZero = integerPart.find_first_not_of('0');
    integerPart = firstNonZero == std::string::npos ? "0" : integerPart.substr(firstNonZero);
    const std::string fraction = digits.substr(std::size_t(point));

    // A value that rounds to zero is shown without a sign.
    const bool negative = value < 0 && digits.find_first_not_of('0') != std::string::npos;
    std::string text = negative ? "-" : "";
    text += integerPart;
    if (decimals > 0) {
        text += separators.decimal;
        text += fraction;
    }
    return text;
}

std::optional<double> ParseNumber(std::string_view text, Separators separators)
{
    text = Trimmed(text);
    std::string plain;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            plain += '-';
        ++i;
    }
    int digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            plain += c;
            ++digits;
        } else if (c == separators.decimal && !point) {
            plain += '.';
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            if (text[i] == '-')
                plain += '-';
            ++i;
        }
        int exponentDigits = 0;
        for (; i < text.size() && IsDigit(text[i]); ++i, ++exponentDigits)
            plain += text[i];
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;

    double value = 0;
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (result.ec != std::errc() || result.ptr != plain.data() + plain.size())
        return std::nullopt;
    return value;
}

std::optional<std::int32_t> ParseInteger(std::string_view text)
{
    text = Trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || !IsDigit(text.front()))
        return std::nullopt;
    std::int64_t magnitude = 0;
    for (const char c : text) {
        if (!IsDigit(c))
            return std::nullopt;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1)
            return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return std::int32_t(value);
}

namespace {
bool ReadsAsZero(std::string_view text)
{
    text = Trimmed(text);
    return text.empty() || text == "-";
}
} // namespace

std::optional<double> ReadCellNumber(std::string_view text, Separators separators)
{
    if (ReadsAsZero(text))
        return 0.0;
    return ParseNumber(text, separators);
}

std::optional<std::int32_t> ReadCellInteger(std::string_view text)
{
    if (ReadsAsZero(text))
        return 0;
    return ParseInteger(text);
}

} // namespace kontaro::grid
