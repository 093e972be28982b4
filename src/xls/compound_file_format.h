#pragma once
// Constants and little-endian helpers of the compound file format shared by its reader and
// writer. Not part of the library's interface.

#include <cstddef>
#include <cstdint>
#include <span>

namespace kontaro::xls::cfb {

inline constexpr std::uint32_t kFreeSector = 0xFFFFFFFF;
inline constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
inline constexpr std::uint32_t kFatSector = 0xFFFFFFFD;
inline constexpr std::uint32_t kDifatSector = 0xFFFFFFFC;
inline constexpr std::uint32_t kMaxRegularSector = 0xFFFFFFFA;
inline constexpr std::uint32_t kNoStream = 0xFFFFFFFF;

inline constexpr std::uint8_t kSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
inline constexpr std::size_t kHeaderSize = 512;
inline constexpr std::size_t kHeaderDifatEntries = 109;
inline constexpr std::size_t kDirectoryEntrySize = 128;
inline constexpr std::size_t kMaxNameUnits = 31;
inline constexpr std::uint32_t kMiniSectorSize = 64;
inline constexpr std::uint32_t kMiniStreamCutoff = 4096;

inline constexpr std::uint8_t kTypeUnused = 0;
inline constexpr std::uint8_t kTypeStorage = 1;
inline constexpr std::uint8_t kTypeStream = 2;
inline constexpr std::uint8_t kTypeRoot = 5;
inline constexpr std::uint8_t kRed = 0;
inline constexpr std::uint8_t kBlack = 1;

// Header field offsets.
inline constexpr std::size_t kOffClassId = 8;
inline constexpr std::size_t kOffMinorVersion = 24;
inline constexpr std::size_t kOffMajorVersion = 26;
inline constexpr std::size_t kOffByteOrder = 28;
inline constexpr std::size_t kOffSectorShift = 30;
inline constexpr std::size_t kOffMiniSectorShift = 32;
inline constexpr std::size_t kOffDirectorySectors = 40;
inline constexpr std::size_t kOffFatSectors = 44;
inline constexpr std::size_t kOffFirstDirectorySector = 48;
inline constexpr std::size_t kOffMiniStreamCutoff = 56;
inline constexpr std::size_t kOffFirstMiniFatSector = 60;
inline constexpr std::size_t kOffMiniFatSectors = 64;
inline constexpr std::size_t kOffFirstDifatSector = 68;
inline constexpr std::size_t kOffDifatSectors = 72;
inline constexpr std::size_t kOffDifat = 76;

// Directory entry field offsets.
inline constexpr std::size_t kOffNameLength = 64;
inline constexpr std::size_t kOffType = 66;
inline constexpr std::size_t kOffColour = 67;
inline constexpr std::size_t kOffLeft = 68;
inline constexpr std::size_t kOffRight = 72;
inline constexpr std::size_t kOffChild = 76;
inline constexpr std::size_t kOffEntryClassId = 80;
inline constexpr std::size_t kOffStart = 116;
inline constexpr std::size_t kOffSize = 120;

// The caller guarantees that the bytes exist.
inline std::uint16_t Get16(std::span<const std::uint8_t> b, std::size_t at)
{
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}
inline std::uint32_t Get32(std::span<const std::uint8_t> b, std::size_t at)
{
    return static_cast<std::uint32_t>(b[at]) | (static_cast<std::uint32_t>(b[at + 1]) << 8) |
           (static_cast<std::uint32_t>(b[at + 2]) << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
inline std::uint64_t Get64(std::span<const std::uint8_t> b, std::size_t at)
{
    return static_cast<std::uint64_t>(Get32(b, at)) | (static_cast<std::uint64_t>(Get32(b, at + 4)) << 32);
}
inline void Put16(std::span<std::uint8_t> b, std::size_t at, std::uint16_t v)
{
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
inline void Put32(std::span<std::uint8_t> b, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) {
        b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}
inline void Put64(std::span<std::uint8_t> b, std::size_t at, std::uint64_t v)
{
    Put32(b, at, static_cast<std::uint32_t>(v));
    Put32(b, at + 4, static_cast<std::uint32_t>(v >> 32));
}

} // namespace kontaro::xls::cfb
