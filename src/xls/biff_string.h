#pragma once
// The BIFF8 forms of a string: a character count of 1 or 2 bytes, an option byte (bit 0 for
// 16-bit characters) and the characters. Texts whose code units all fit in 8 bits are stored
// with 8-bit characters.

#include "xls/byte_io.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace kontaro::xls {

// Appends the string with a count of countBytes (1 or 2). With forceWide the characters are
// 16-bit even when they would fit in 8 bits (the font name). Throws XlsError(kInvalidString)
// when the text is too long for the count.
void PutBiffString(Bytes& out, std::u16string_view text, int countBytes, bool forceWide = false);

// Reads a string with a count of countBytes at data[offset], advancing offset. Runs and
// far-east data, where flagged, are skipped. Throws XlsError(kRecordsInvalid) when the
// string runs past the data.
std::u16string ReadBiffString(std::span<const std::uint8_t> data, std::size_t& offset, int countBytes);

} // namespace kontaro::xls
