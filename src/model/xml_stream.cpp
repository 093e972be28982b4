#include "model/xml_stream.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <system_error>

namespace kontaro::model {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kDeclaration = "<?xml version=\"1.0\" encoding=\"windows-1252\" ?>";
constexpr size_t kFlushSize = 1 << 16;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    }
    return true;
}

std::string_view Trim(std::string_view text)
{
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

int HexDigit(char c)
{
    if (IsDigit(c))
        return c - '0';
    const char l = Lower(c);
    if (l >= 'a' && l <= 'f')
        return l - 'a' + 10;
    return -1;
}

} // namespace

size_t FormatReal(double value, char* out)
{
    char* const begin = out;
    auto put = [&](std::string_view text) {
        std::memcpy(out, text.data(), text.size());
        out += text.size();
    };
    if (std::isnan(value)) {
        put("NAN");
        return static_cast<size_t>(out - begin);
    }
    if (std::isinf(value)) {
        put(value < 0 ? "-INF" : "INF");
        return static_cast<size_t>(out - begin);
    }
    if (value == 0.0) {
        put("0");
        return 1;
    }

    // d.ddde±x. For a normal double, the shortest form that reads back as the
    // value is exactly the value rounded to 15 digits whenever it has no more than
    // 15 digits itself (half a unit of the 15th digit exceeds half an ulp);
    // otherwise the rounding is done by the conversion.
    char scientific[40];
    auto result = std::to_chars(scientific, scientific + sizeof scientific, value, std::chars_format::scientific);
    std::string_view text(scientific, static_cast<size_t>(result.ptr - scientific));
    const bool subnormal = std::fabs(value) < std::numeric_limits<double>::min();
    if (subnormal || text.find('e') - (text.front() == '-' ? 1 : 0) > 16) {
        result = std::to_chars(scientific, scientific + sizeof scientific, value, std::chars_format::scientific, 14);
        text = std::string_view(scientific, static_cast<size_t>(result.ptr - scientific));
    }
    const bool negative = text.front() == '-';
    const size_t e = text.find('e');
    char digits[20];
    size_t count = 0;
    for (size_t i = negative ? 1 : 0; i < e; ++i) {
        if (text[i] != '.')
            digits[count++] = text[i];
    }
    while (count > 1 && digits[count - 1] == '0')
        --count;
    int exponent = 0;
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), exponent);

    if (negative)
        *out++ = '-';
    const std::string_view all(digits, count);
    if (exponent >= -4 && exponent < 15) {
        if (exponent < 0) {
            put("0.");
            for (int i = -1; i > exponent; --i)
                *out++ = '0';
            put(all);
        } else {
            const auto whole = static_cast<size_t>(exponent) + 1;
            if (count <= whole) {
                put(all);
                for (size_t i = count; i < whole; ++i)
                    *out++ = '0';
            } else {
                put(all.substr(0, whole));
                *out++ = '.';
                put(all.substr(whole));
            }
        }
    } else {
        *out++ = digits[0];
        if (count > 1) {
            *out++ = '.';
            put(all.substr(1));
        }
        *out++ = 'E';
        out = std::to_chars(out, out + 8, exponent).ptr;
    }
    return static_cast<size_t>(out - begin);
}

std::string FormatReal(double value)
{
    char text[kMaxRealText];
    return std::string(text, FormatReal(value, text));
}

bool ParseInteger(std::string_view text, int32_t& value)
{
    value = 0;
    size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    int base = 10;
    if (pos < text.size() && text[pos] == '$') {
        base = 16;
        ++pos;
    } else if (pos + 1 < text.size() && text[pos] == '0' && Lower(text[pos + 1]) == 'x') {
        base = 16;
        pos += 2;
    }
    if (pos == text.size())
        return false;
    const uint64_t limit = base == 16 ? 0xFFFFFFFFull : (negative ? 2147483648ull : 2147483647ull);
    uint64_t magnitude = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = base == 16 ? HexDigit(text[pos]) : (IsDigit(text[pos]) ? text[pos] - '0' : -1);
        if (digit < 0)
            return false;
        magnitude = magnitude * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
        if (magnitude > limit)
            return false;
    }
    // Hexadecimal is the 32-bit pattern; the sign applies to it afterwards.
    auto bits = static_cast<uint32_t>(magnitude);
    if (negative)
        bits = 0u - bits;
    value = static_cast<int32_t>(bits);
    return true;
}

bool ParseReal(std::string_view text, double& value)
{
    if (text.empty())
        return false;
    size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        ++pos;
    const size_t numberStart = text[0] == '+' ? 1 : 0;
    size_t mantissaDigits = 0;
    while (pos < text.size() && IsDigit(text[pos]))
        ++pos, ++mantissaDigits;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && IsDigit(text[pos]))
            ++pos, ++mantissaDigits;
    }
    if (mantissaDigits == 0)
        return false;
    bool negativeExponent = false;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
            negativeExponent = text[pos++] == '-';
        size_t exponentDigits = 0;
        while (pos < text.size() && IsDigit(text[pos]))
            ++pos, ++exponentDigits;
        if (exponentDigits == 0)
            return false;
    }
    if (pos != text.size())
        return false;

    double parsed = 0.0;
    const auto result =
        std::from_chars(text.data() + numberStart, text.data() + text.size(), parsed, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Too small for a double reads as zero; too large is refused.
        if (!negativeExponent)
            return false;
        parsed = text[0] == '-' ? -0.0 : 0.0;
    } else if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        return false;
    }
    value = parsed;
    return true;
}

bool ParseBoolean(std::string_view text, bool& value)
{
    double number = 0.0;
    if (!text.empty() && ParseReal(text, number)) {
        value = number != 0.0;
        return true;
    }
    if (EqualsIgnoringCase(text, "t") || EqualsIgnoringCase(text, "true")) {
        value = true;
        return true;
    }
    if (EqualsIgnoringCase(text, "f") || EqualsIgnoringCase(text, "false")) {
        value = false;
        return true;
    }
    return false;
}

txmlStream::txmlStream(OutputSink* sink) : sink_(sink) {}

txmlStream::~txmlStream() = default;

std::string txmlStream::StartTag(std::string_view tag, int indent)
{
    std::string out(static_cast<size_t>(std::max(indent, 0)), '\t');
    out += '<';
    out += tag;
    out += '>';
    return out;
}

std::string txmlStream::EndTag(std::string_view tag, int indent)
{
    std::string out(static_cast<size_t>(std::max(indent, 0)), '\t');
    out += "</";
    out += tag;
    out += '>';
    return out;
}

void txmlStream::Indent(int indent) { buffer_.append(static_cast<size_t>(std::max(indent, 0)), '\t'); }

void txmlStream::OpenValue(std::string_view tag, int indent)
{
    Indent(indent);
    buffer_ += '<';
    buffer_ += tag;
    buffer_ += '>';
}

void txmlStream::CloseValue(std::string_view tag)
{
    buffer_ += "</";
    buffer_ += tag;
    buffer_ += '>';
    buffer_ += kLineEnd;
    FlushIfFull();
}

void txmlStream::WriteDeclaration()
{
    buffer_ += kDeclaration;
    buffer_ += kLineEnd;
    FlushIfFull();
}

void txmlStream::WriteStart(std::string_view tag, int indent)
{
    OpenValue(tag, indent);
    buffer_ += kLineEnd;
    FlushIfFull();
}

void txmlStream::WriteEnd(std::string_view tag, int indent)
{
    Indent(indent);
    CloseValue(tag);
}

void txmlStream::WriteInt(std::string_view tag, int32_t value, int indent)
{
    OpenValue(tag, indent);
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    buffer_.append(digits, result.ptr);
    CloseValue(tag);
}

void txmlStream::WriteFloat(std::string_view tag, double value, int indent)
{
    OpenValue(tag, indent);
    char text[kMaxRealText];
    buffer_.append(text, FormatReal(value, text));
    CloseValue(tag);
}

void txmlStream::WriteText(std::string_view tag, std::string_view text, int indent)
{
    OpenValue(tag, indent);
    buffer_ += text;
    CloseValue(tag);
}

void txmlStream::WriteBool(std::string_view tag, bool value, int indent)
{
    OpenValue(tag, indent);
    buffer_ += value ? 't' : 'f';
    CloseValue(tag);
}

void txmlStream::FlushIfFull()
{
    if (buffer_.size() >= kFlushSize)
        Flush();
}

void txmlStream::Flush()
{
    if (buffer_.empty())
        return;
    // After a failure nothing more goes to the sink: the save is lost anyway.
    if (ok_ && sink_ != nullptr)
        ok_ = sink_->Write(buffer_);
    else if (sink_ == nullptr)
        ok_ = false;
    buffer_.clear();
}

bool txmlStream::Finish()
{
    Flush();
    if (ok_ && sink_ != nullptr)
        ok_ = sink_->Finish();
    return ok_;
}

bool txmlStream::FindElement(std::string_view text, std::string_view tag, size_t start, std::string_view& content,
                             size_t& next)
{
    content = {};
    next = start;
    std::string opening;
    opening.reserve(tag.size() + 2);
    opening += '<';
    opening += tag;
    opening += '>';
    std::string closing;
    closing.reserve(tag.size() + 3);
    closing += "</";
    closing += tag;
    closing += '>';
    if (start > text.size())
        return false;
    const size_t openAt = text.find(opening, start);
    if (openAt == std::string_view::npos)
        return false;
    const size_t contentStart = openAt + opening.size();
    const size_t closeAt = text.find(closing, contentStart);
    if (closeAt == std::string_view::npos)
        return false;
    content = Trim(text.substr(contentStart, closeAt - contentStart));
    next = closeAt + closing.size();
    return true;
}

bool txmlStream::FindElement(std::string_view text, std::string_view tag, size_t start, std::string& content,
                             size_t& next)
{
    std::string_view view;
    const bool found = FindElement(text, tag, start, view, next);
    content.assign(view);
    return found;
}

bool txmlStream::ReadInt(std::string_view text, std::string_view tag, size_t start, int32_t& value, size_t& next)
{
    std::string_view content;
    if (!FindElement(text, tag, start, content, next))
        return false;
    return ParseInteger(content, value);
}

bool txmlStream::ReadFloat(std::string_view text, std::string_view tag, size_t start, double& value, size_t& next)
{
    std::string_view content;
    if (!FindElement(text, tag, start, content, next))
        return false;
    return ParseReal(content, value);
}

bool txmlStream::ReadBool(std::string_view text, std::string_view tag, size_t start, bool& value, size_t& next)
{
    std::string_view content;
    if (!FindElement(text, tag, start, content, next))
        return false;
    return ParseBoolean(content, value);
}

} // namespace kontaro::model
