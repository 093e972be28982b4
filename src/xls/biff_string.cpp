#include "xls/biff_string.h"

#include "xls/text_utf16.h"
#include "xls/xls_error.h"
#include "xls/xls_texts.h"

namespace kontaro::xls {

void PutBiffString(Bytes& out, std::u16string_view text, int countBytes, bool forceWide)
{
    const std::size_t limit = countBytes == 1 ? 255 : 65535;
    if (text.size() > limit)
        throw XlsError(std::string(texts::kInvalidString));
    const bool wide = forceWide || !FitsEightBit(text);
    if (countBytes == 1) {
        PutU8(out, static_cast<std::uint8_t>(text.size()));
    } else {
        PutU16(out, static_cast<std::uint16_t>(text.size()));
    }
    PutU8(out, wide ? 1 : 0);
    for (const char16_t c : text) {
        if (wide) {
            PutU16(out, c);
        } else {
            PutU8(out, static_cast<std::uint8_t>(c));
        }
    }
}

std::u16string ReadBiffString(std::span<const std::uint8_t> data, std::size_t& offset, int countBytes)
{
    const auto fail = [] { throw XlsError(std::string(texts::kRecordsInvalid), "string runs past its record"); };
    if (data.size() < offset + countBytes + 1)
        fail();
    const std::size_t count = countBytes == 1 ? data[offset] : GetU16(data.data() + offset);
    offset += countBytes;
    const std::uint8_t options = data[offset++];
    std::size_t runs = 0, farEast = 0;
    if (options & 0x08) {
        if (data.size() < offset + 2)
            fail();
        runs = GetU16(data.data() + offset);
        offset += 2;
    }
    if (options & 0x04) {
        if (data.size() < offset + 4)
            fail();
        farEast = GetU32(data.data() + offset);
        offset += 4;
    }
    const std::size_t width = (options & 0x01) ? 2 : 1;
    if ((data.size() - offset) / width < count)
        fail();
    std::u16string text;
    text.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        text.push_back(width == 2 ? static_cast<char16_t>(GetU16(data.data() + offset)) : data[offset]);
        offset += width;
    }
    if (data.size() - offset < runs * 4 + farEast)
        fail();
    offset += runs * 4 + farEast;
    return text;
}

} // namespace kontaro::xls
