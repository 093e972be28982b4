#include "model/win1252.h"

#include <array>

namespace kontaro::model {

namespace {

// Code points of the bytes 0x80..0x9F; the five unassigned bytes keep their C1
// control so that every byte converts and comes back unchanged.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::optional<unsigned char> ByteOf(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<unsigned char>(codePoint);
    for (size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == codePoint)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c >= 0x10000) {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one code point at `pos`, refusing overlong forms, surrogates and
// values above U+10FFFF.
std::optional<char32_t> DecodeUtf8(std::string_view text, size_t& pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    size_t length = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, c = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, c = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, c = lead & 0x07, minimum = 0x10000;
    } else {
        return std::nullopt;
    }
    if (pos + length > text.size())
        return std::nullopt;
    for (size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        c = (c << 6) | (next & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return std::nullopt;
    pos += length;
    return c;
}

} // namespace

std::string Win1252ToUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte < 0x80)
            out += ch;
        else if (byte < 0xA0)
            AppendUtf8(out, kHighControls[byte - 0x80]);
        else
            AppendUtf8(out, byte);
    }
    return out;
}

std::optional<std::string> Utf8ToWin1252(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size()) {
        const auto codePoint = DecodeUtf8(text, pos);
        if (!codePoint)
            return std::nullopt;
        const auto byte = ByteOf(*codePoint);
        if (!byte)
            return std::nullopt;
        out += static_cast<char>(*byte);
    }
    return out;
}

bool HasWin1252Byte(char32_t codePoint) { return ByteOf(codePoint).has_value(); }

std::string CharactersWithoutWin1252Byte(std::string_view utf8)
{
    std::u32string seen;
    std::string out;
    size_t pos = 0;
    while (pos < utf8.size()) {
        auto codePoint = DecodeUtf8(utf8, pos);
        if (!codePoint) {
            codePoint = 0xFFFD;
            ++pos;
        }
        if (HasWin1252Byte(*codePoint) || seen.find(*codePoint) != std::u32string::npos)
            continue;
        seen += *codePoint;
        AppendUtf8(out, *codePoint);
    }
    return out;
}

} // namespace kontaro::model
