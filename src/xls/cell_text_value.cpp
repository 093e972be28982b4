#include "xls/cell_text_value.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace kontaro::xls {
namespace {

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool StartsWithNoCase(std::string_view text, std::size_t at, std::string_view word)
{
    if (text.size() - at < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (Upper(text[at + i]) != Upper(word[i]))
            return false;
    }
    return true;
}

std::string ReplaceTagsNoCase(std::string_view text, std::initializer_list<std::string_view> tags)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        bool replaced = false;
        for (const std::string_view tag : tags) {
            if (StartsWithNoCase(text, i, tag)) {
                out += "\r\n";
                i += tag.size();
                replaced = true;
                break;
            }
        }
        if (!replaced)
            out.push_back(text[i++]);
    }
    return out;
}

// Days from 1899-12-30 to the civil date.
std::int64_t SerialFromDate(int year, int month, int day)
{
    const int y = year - (month <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int mp = (month + 9) % 12;
    const int doy = (153 * mp + 2) / 5 + day - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const std::int64_t daysFrom1970 = static_cast<std::int64_t>(era) * 146097 + doe - 719468;
    return daysFrom1970 + 25569;
}

bool IsLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }
int DaysInMonth(int year, int month)
{
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

struct Fields {
    int year = -1, month = -1, day = -1, hour = -1, minute = -1, second = 0;
    int yearDigits = 0;
    int meridiem = -1; // 0 AM, 1 PM
};

// Matches text[pos..] against one format; fields are filled from its letters.
bool MatchFormat(std::string_view text, std::size_t& pos, std::string_view format, bool isTime, Fields& f)
{
    std::size_t i = 0;
    bool lastWasHour = false;
    while (i < format.size()) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(format[i])));
        if (StartsWithNoCase(format, i, "AM/PM") || StartsWithNoCase(format, i, "AMPM")) {
            i += StartsWithNoCase(format, i, "AM/PM") ? 5 : 4;
            if (StartsWithNoCase(text, pos, "AM")) {
                f.meridiem = 0;
            } else if (StartsWithNoCase(text, pos, "PM")) {
                f.meridiem = 1;
            } else {
                return false;
            }
            pos += 2;
            continue;
        }
        if (c == 'd' || c == 'm' || c == 'y' || c == 'h' || c == 'n' || c == 's') {
            std::size_t run = 0;
            while (i + run < format.size() && std::tolower(static_cast<unsigned char>(format[i + run])) == c)
                ++run;
            i += run;
            std::size_t digits = 0;
            int value = 0;
            const std::size_t most = c == 'y' ? 4 : 2;
            while (pos < text.size() && IsDigit(text[pos]) && digits < most) {
                value = value * 10 + (text[pos] - '0');
                ++pos;
                ++digits;
            }
            if (digits == 0 || (c == 'y' && digits != 2 && digits != 4))
                return false;
            switch (c) {
            case 'd':
                f.day = value;
                break;
            case 'y':
                f.year = value;
                f.yearDigits = static_cast<int>(digits);
                break;
            case 'h':
                f.hour = value;
                break;
            case 'n':
                f.minute = value;
                break;
            case 's':
                f.second = value;
                break;
            case 'm':
                if (isTime || lastWasHour) {
                    f.minute = value;
                } else {
                    f.month = value;
                }
                break;
            }
            lastWasHour = c == 'h';
            continue;
        }
        if (c == '"') {
            const std::size_t close = format.find('"', i + 1);
            const std::string_view literal =
                format.substr(i + 1, close == std::string_view::npos ? std::string_view::npos : close - i - 1);
            if (!StartsWithNoCase(text, pos, literal))
                return false;
            pos += literal.size();
            i = close == std::string_view::npos ? format.size() : close + 1;
            continue;
        }
        if (pos >= text.size() || text[pos] != format[i])
            return false;
        ++pos;
        ++i;
    }
    return true;
}

std::string TimeNumberFormat(std::string_view format)
{
    std::string out;
    bool quoted = false;
    for (std::size_t i = 0; i < format.size();) {
        if (format[i] == '"')
            quoted = !quoted;
        if (!quoted && StartsWithNoCase(format, i, "AMPM")) {
            out += "AM/PM";
            i += 4;
        } else {
            out.push_back(format[i++]);
        }
    }
    return out;
}

} // namespace

std::string RemoveThousandSeparators(std::string_view s, const numbers::NumberLocale& locale)
{
    const char thousand = locale.thousandSeparator;
    const std::size_t decimal = s.find(locale.decimalSeparator);
    const std::string_view integer = s.substr(0, decimal);
    if (decimal != std::string_view::npos && s.substr(decimal + 1).find(thousand) != std::string_view::npos) {
        return std::string(s);
    }
    if (!s.empty() && s.front() == thousand)
        return std::string(s);
    for (std::size_t fromEnd = 3; fromEnd < integer.size(); fromEnd += 4) {
        if (integer[integer.size() - 1 - fromEnd] != thousand)
            return std::string(s);
    }
    std::string out;
    for (const char c : s) {
        if (c != thousand)
            out.push_back(c);
    }
    return out;
}

std::optional<double> ParseNumberText(std::string_view text, const numbers::NumberLocale& locale)
{
    const std::string s = RemoveThousandSeparators(text, locale);
    std::size_t i = 0;
    const auto blanks = [&] {
        while (i < s.size() && s[i] == ' ')
            ++i;
    };
    blanks();
    std::string plain;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-')
            plain.push_back('-');
        ++i;
    }
    std::size_t digits = 0;
    bool separator = false;
    while (i < s.size()) {
        if (IsDigit(s[i])) {
            plain.push_back(s[i]);
            ++digits;
        } else if (s[i] == locale.decimalSeparator && !separator) {
            plain.push_back('.');
            separator = true;
        } else {
            break;
        }
        ++i;
    }
    if (digits == 0)
        return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::string exponent = "e";
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exponent.push_back(s[j++]);
        std::size_t exponentDigits = 0;
        while (j < s.size() && IsDigit(s[j])) {
            exponent.push_back(s[j++]);
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return std::nullopt;
        plain += exponent;
        i = j;
    }
    blanks();
    if (i != s.size())
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<bool> ParseBooleanText(std::string_view text)
{
    std::string upper;
    for (const char c : text)
        upper.push_back(Upper(c));
    if (upper == "TRUE")
        return true;
    if (upper == "FALSE")
        return false;
    return std::nullopt;
}

std::optional<DateTimeValue> ParseDateTimeText(std::string_view text, std::string_view dateFormat,
                                               std::string_view timeFormat, const DateConventions& dates)
{
    const std::string date(dateFormat.empty() ? std::string_view(dates.shortDateFormat) : dateFormat);
    const std::string time =
        TimeNumberFormat(timeFormat.empty() ? std::string_view(dates.shortTimeFormat) : timeFormat);
    const auto trimmed = [&] {
        std::size_t from = text.find_first_not_of(' ');
        if (from == std::string_view::npos)
            return std::string_view();
        return text.substr(from, text.find_last_not_of(' ') - from + 1);
    }();
    if (trimmed.empty())
        return std::nullopt;

    Fields f;
    bool hasDate = false, hasTime = false;
    std::size_t pos = 0;
    Fields attempt;
    if (MatchFormat(trimmed, pos, date, false, attempt) && attempt.year >= 0 && attempt.month >= 0 &&
        attempt.day >= 0) {
        f = attempt;
        hasDate = true;
        if (pos < trimmed.size()) {
            if (trimmed[pos] != ' ')
                return std::nullopt;
            while (pos < trimmed.size() && trimmed[pos] == ' ')
                ++pos;
            Fields withTime = f;
            if (!MatchFormat(trimmed, pos, time, true, withTime) || withTime.hour < 0)
                return std::nullopt;
            f = withTime;
            hasTime = true;
        }
    } else {
        pos = 0;
        attempt = Fields{};
        if (!MatchFormat(trimmed, pos, time, true, attempt) || attempt.hour < 0)
            return std::nullopt;
        f = attempt;
        hasTime = true;
    }
    if (pos != trimmed.size())
        return std::nullopt;

    double serial = 0;
    if (hasDate) {
        int year = f.year;
        if (f.yearDigits == 2)
            year += year < 30 ? 2000 : 1900;
        if (f.month < 1 || f.month > 12 || f.day < 1 || f.day > DaysInMonth(year, f.month))
            return std::nullopt;
        serial = static_cast<double>(SerialFromDate(year, f.month, f.day));
        if (serial < 1)
            return std::nullopt;
    }
    if (hasTime) {
        int hour = f.hour;
        if (f.meridiem >= 0) {
            if (hour < 1 || hour > 12)
                return std::nullopt;
            hour = hour % 12 + (f.meridiem == 1 ? 12 : 0);
        }
        const int minute = f.minute < 0 ? 0 : f.minute;
        if (hour > 23 || minute > 59 || f.second > 59)
            return std::nullopt;
        serial += (hour * 3600 + minute * 60 + f.second) / 86400.0;
    }
    DateTimeValue value;
    value.serial = serial;
    if (hasDate)
        value.numberFormat = date;
    if (hasTime)
        value.numberFormat += (hasDate ? " " : "") + time;
    return value;
}

std::string BreakTagsToLineBreaks(std::string_view text) { return ReplaceTagsNoCase(text, {"<br>"}); }

std::string StripMarkup(std::string_view text)
{
    const std::string broken = ReplaceTagsNoCase(text, {"<BR>", "<HR>"});
    std::string out;
    for (std::size_t i = 0; i < broken.size();) {
        if (broken[i] == '<') {
            const std::size_t close = broken.find('>', i);
            if (close == std::string::npos) {
                out.append(broken, i, std::string::npos);
                break;
            }
            i = close + 1;
        } else {
            out.push_back(broken[i++]);
        }
    }
    return out;
}

} // namespace kontaro::xls
