#pragma once
// Conversions between the UTF-8 texts of the callers and the UTF-16 texts of the records.

#include <string>
#include <string_view>

namespace kontaro::xls {

// Malformed UTF-8 bytes become U+FFFD; nothing is dropped silently.
std::u16string Utf8ToUtf16(std::string_view text);
// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

// True when every code unit is 255 or less, so that the text is stored with 8-bit characters.
bool FitsEightBit(std::u16string_view text);

} // namespace kontaro::xls
