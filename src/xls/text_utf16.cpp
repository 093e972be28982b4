#include "xls/text_utf16.h"

#include <algorithm>

namespace kontaro::xls {

std::u16string Utf8ToUtf16(std::string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        char32_t code = 0xFFFD;
        std::size_t length = 1;
        int follow = 0;
        if (lead < 0x80) {
            code = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            code = lead & 0x1F, follow = 1;
        } else if ((lead & 0xF0) == 0xE0) {
            code = lead & 0x0F, follow = 2;
        } else if ((lead & 0xF8) == 0xF0) {
            code = lead & 0x07, follow = 3;
        }
        if (lead >= 0x80) {
            bool valid = follow > 0;
            for (int k = 1; valid && k <= follow; ++k) {
                if (i + k >= text.size()) {
                    valid = false;
                    break;
                }
                const auto next = static_cast<unsigned char>(text[i + k]);
                if ((next & 0xC0) != 0x80) {
                    valid = false;
                    break;
                }
                code = (code << 6) | (next & 0x3F);
            }
            const char32_t minimum[] = {0, 0x80, 0x800, 0x10000};
            if (valid && code >= minimum[follow] && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF)) {
                length = static_cast<std::size_t>(follow) + 1;
            } else {
                code = 0xFFFD;
            }
        }
        if (code >= 0x10000) {
            code -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(code));
        }
        i += length;
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t code = text[i];
        if (code >= 0xD800 && code <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (code >= 0xD800 && code <= 0xDFFF) {
            code = 0xFFFD;
        }
        if (code < 0x80) {
            out.push_back(static_cast<char>(code));
        } else if (code < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (code >> 6)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else if (code < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (code >> 12)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (code >> 18)));
            out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }
    return out;
}

bool FitsEightBit(std::u16string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char16_t c) { return c <= 0xFF; });
}

} // namespace kontaro::xls
