#include "numbers/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>

namespace kontaro::numbers {

namespace {

constexpr int kSignificantDigits = 18;
constexpr int kMaxDecimals = 6;

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

// Adds one unit at digits[last] and carries to the left; digits[0] is a spare
// leading zero, so the carry never runs out of room.
void RoundUpAt(std::string& digits, std::size_t last)
{
    std::size_t i = last;
    while (digits[i] == '9') {
        digits[i] = '0';
        --i;
    }
    ++digits[i];
}

// Rounds the digit string at position `keep` (the first digit cut off) half away
// from zero and zeroes everything from there on.
void CutAt(std::string& digits, std::size_t keep)
{
    if (keep >= digits.size())
        return;
    const bool up = digits[keep] >= '5';
    std::fill(digits.begin() + static_cast<std::ptrdiff_t>(keep), digits.end(), '0');
    if (up)
        RoundUpAt(digits, keep - 1);
}

} // namespace

namespace detail {

std::string FixedTextFromExactDigits(double value, int decimals, char decimalSeparator)
{
    if (!std::isfinite(value))
        return {};
    decimals = std::clamp(decimals, 0, kMaxDecimals);

    // The 18-digit step moves a value by at most 5e-18 of itself, so nothing below
    // a tenth of the last decimal's unit can reach it.
    const double magnitude = std::fabs(value);
    const bool negative = value < 0;
    std::string digits = "0"; // spare leading digit for carries
    std::size_t point = 1;    // index in `digits` where the fraction starts
    if (magnitude >= 0.1 * std::pow(10.0, -decimals)) {
        // The exact decimal expansion: a double f * 2^e (f of 53 bits) has at most
        // 53 - e fractional digits.
        int exponent = 0;
        std::frexp(magnitude, &exponent);
        const int exactDecimals = std::max(0, 53 - exponent);
        std::array<char, 400> buffer{};
        const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                                std::chars_format::fixed, exactDecimals);
        if (error != std::errc()) // the buffer holds every expansion asked for here
            return {};
        const std::string_view exact(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
        const std::size_t dot = exact.find('.');
        const std::string_view whole = exact.substr(0, dot);
        digits += whole;
        point = digits.size();
        if (dot != std::string_view::npos)
            digits += exact.substr(dot + 1);

        const std::size_t first = digits.find_first_not_of('0');
        CutAt(digits, first + kSignificantDigits);
        // The first rounding may have made a new leading digit; the cut after the
        // decimals does not depend on it.
    }
    digits.resize(std::max(digits.size(), point + static_cast<std::size_t>(decimals) + 1), '0');
    CutAt(digits, point + static_cast<std::size_t>(decimals));

    const std::size_t firstWhole = std::min(digits.find_first_not_of('0'), point - 1);
    const std::string_view wholeDigits(digits.data() + firstWhole, point - firstWhole);
    const std::string_view fraction(digits.data() + point, static_cast<std::size_t>(decimals));
    const bool zero = wholeDigits.find_first_not_of('0') == std::string_view::npos &&
                      fraction.find_first_not_of('0') == std::string_view::npos;

    std::string text;
    text.reserve(wholeDigits.size() + fraction.size() + 2);
    if (negative && !zero)
        text += '-';
    text += wholeDigits;
    if (decimals > 0) {
        text += decimalSeparator;
        text += fraction;
    }
    return text;
}

} // namespace detail

namespace {

constexpr uint64_t kPowersOfTen[] = {1ull,
                                     10ull,
                                     100ull,
                                     1000ull,
                                     10000ull,
                                     100000ull,
                                     1000000ull,
                                     10000000ull,
                                     100000000ull,
                                     1000000000ull,
                                     10000000000ull,
                                     100000000000ull,
                                     1000000000000ull,
                                     10000000000000ull,
                                     100000000000000ull,
                                     1000000000000000ull,
                                     10000000000000000ull,
                                     100000000000000000ull,
                                     1000000000000000000ull,
                                     10000000000000000000ull};

// 128 bits hold 19 decimal digits scaled by up to 10^22.
__extension__ typedef unsigned __int128 Uint128;

// The first 19 significant digits of `magnitude` (exactly, the rest cut off) for
// a magnitude of 10^exponent to 10^(exponent+1), if 128-bit integers hold them.
std::optional<uint64_t> NineteenDigits(double magnitude, int exponent)
{
    const int scale = 18 - exponent; // digits = magnitude * 10^scale
    if (scale < 0 || scale > 22)
        return std::nullopt;
    int binaryExponent = 0;
    const double fraction = std::frexp(magnitude, &binaryExponent);
    const auto mantissa = static_cast<uint64_t>(std::ldexp(fraction, 53));
    const int shift = binaryExponent - 53;
    Uint128 scaled = mantissa;
    for (int i = 0; i < scale; ++i)
        scaled *= 10;
    if (shift >= 0)
        scaled <<= shift;
    else if (shift > -128)
        scaled >>= -shift;
    else
        scaled = 0;
    if (scaled >= static_cast<Uint128>(kPowersOfTen[19]) * 10)
        return std::nullopt;
    return static_cast<uint64_t>(scaled);
}

// The magnitude of the text in units of the last decimal, for the usual
// magnitudes, from 1e-4 up to where the 18 digits reach past the kept decimals,
// with integer arithmetic alone; nothing outside them.
std::optional<uint64_t> FastFixedUnits(double value, int decimals)
{
    const double magnitude = std::fabs(value);
    if (!(magnitude >= 1e-4 && magnitude < 1e17)) // also false for inf and NaN
        return std::nullopt;
    int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
    std::optional<uint64_t> digits = NineteenDigits(magnitude, exponent);
    // log10 may be off by one next to a power of ten.
    if (digits && *digits >= kPowersOfTen[19])
        digits = NineteenDigits(magnitude, ++exponent);
    else if (digits && *digits < kPowersOfTen[18])
        digits = NineteenDigits(magnitude, --exponent);
    if (!digits || *digits < kPowersOfTen[18] || *digits >= kPowersOfTen[19])
        return std::nullopt;
    // The 19 digits have the unit 10^(exponent-18); at least one of the 18 kept
    // digits must lie beyond the decimals, so that the second cut drops digits.
    const int beyond = 18 - exponent - decimals - 1; // kept digits past the decimals
    if (beyond < 1 || beyond > 19)
        return std::nullopt;
    const uint64_t kept = *digits / 10 + (*digits % 10 >= 5 ? 1 : 0);
    const uint64_t cut = kept / kPowersOfTen[beyond - 1];
    return cut / 10 + (cut % 10 >= 5 ? 1 : 0); // in 10^-decimals
}

std::optional<std::string> FastFixedText(double value, int decimals, char decimalSeparator)
{
    const std::optional<uint64_t> fast = FastFixedUnits(value, decimals);
    if (!fast)
        return std::nullopt;
    const uint64_t units = *fast;

    const uint64_t whole = units / kPowersOfTen[decimals];
    const uint64_t fraction = units % kPowersOfTen[decimals];
    std::string text;
    if (value < 0 && units != 0)
        text += '-';
    text += std::to_string(whole);
    if (decimals > 0) {
        text += decimalSeparator;
        const std::string fractionDigits = std::to_string(fraction);
        text.append(static_cast<std::size_t>(decimals) - fractionDigits.size(), '0');
        text += fractionDigits;
    }
    return text;
}

} // namespace

std::string FixedText(double value, int decimals, char decimalSeparator)
{
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    if (std::optional<std::string> text = FastFixedText(value, decimals, decimalSeparator))
        return std::move(*text);
    return detail::FixedTextFromExactDigits(value, decimals, decimalSeparator);
}

double FixedValue(double value, int decimals)
{
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    if (value == 0 || !std::isfinite(value))
        return 0.0;
    // A division of two exact doubles rounds once, to the double nearest to the
    // decimal text's value, as reading the text does.
    constexpr uint64_t kExactIntegers = uint64_t{1} << 53;
    const auto valueOf = [value, decimals](uint64_t units) {
        if (units == 0)
            return 0.0;
        const double magnitude = static_cast<double>(units) / static_cast<double>(kPowersOfTen[decimals]);
        return value < 0 ? -magnitude : magnitude;
    };
    // The scaled magnitude is off by at most half a unit of its last place, and the
    // 18-digit step moves it by at most 5e-18 of itself: unless its fraction lies
    // that close to a half, the fraction alone decides the cut.
    const double scaled = std::fabs(value) * static_cast<double>(kPowersOfTen[decimals]);
    if (scaled < static_cast<double>(kExactIntegers)) {
        const double whole = std::floor(scaled);
        const double fraction = scaled - whole;
        if (std::fabs(fraction - 0.5) > 1e-15 * (scaled + 1))
            return valueOf(static_cast<uint64_t>(whole) + (fraction > 0.5 ? 1 : 0));
    }
    if (const std::optional<uint64_t> units = FastFixedUnits(value, decimals); units && *units < kExactIntegers)
        return valueOf(*units);
    return ParseNumber(FixedText(value, decimals, '.'), '.').value_or(0.0);
}

std::optional<double> ParseNumber(std::string_view text, char decimalSeparator)
{
    text = Trimmed(text);
    std::string plain;
    plain.reserve(text.size());
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            plain += '-';
        ++i;
    }
    int mantissaDigits = 0;
    bool separatorSeen = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            plain += c;
            ++mantissaDigits;
        } else if (c == decimalSeparator && !separatorSeen) {
            plain += '.';
            separatorSeen = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            if (text[i] == '-')
                plain += '-';
            ++i;
        }
        const std::size_t exponentStart = i;
        for (; i < text.size() && IsDigit(text[i]); ++i)
            plain += text[i];
        if (i == exponentStart)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;

    double value = 0.0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size())
        return std::nullopt;
    return value;
}

std::optional<int32_t> ParseInteger(std::string_view text)
{
    text = Trimmed(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty() || text.front() == '+')
        return std::nullopt;
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

namespace {

bool ReadsAsZero(std::string_view text)
{
    text = Trimmed(text);
    return text.empty() || text == "-";
}

} // namespace

std::optional<double> ReadCellNumber(std::string_view text, char decimalSeparator)
{
    if (ReadsAsZero(text))
        return 0.0;
    return ParseNumber(text, decimalSeparator);
}

std::optional<int32_t> ReadCellInteger(std::string_view text)
{
    if (ReadsAsZero(text))
        return 0;
    return ParseInteger(text);
}

} // namespace kontaro::numbers
