#pragma once
// Building element lists and inspecting or damaging the bytes of written compound files, for
// the tests of the compound file layer.

#include "xls/storage_element.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kontaro::xls::test {

using Bytes = std::vector<std::uint8_t>;

// size bytes of a pattern that differs from sector to sector, so that a misplaced sector shows.
Bytes Pattern(std::size_t size, std::uint8_t seed = 1);

StorageElement Stream(std::u16string name, Bytes content);
StorageElement Storage(std::u16string name, StorageElementList children);

std::uint16_t Read16(const Bytes& file, std::size_t at);
std::uint32_t Read32(const Bytes& file, std::size_t at);
void Write32(Bytes& file, std::size_t at, std::uint32_t value);

// The byte offset of sector s in a version 3 file.
std::size_t SectorOffset(std::uint32_t s);
// The byte offset of FAT entry s, found through the header's first DIFAT entries.
std::size_t FatEntryOffset(const Bytes& file, std::uint32_t s);
// The byte offset of the directory entry named name (searched in the first directory sector
// chain of a version 3 file); throws when there is none.
std::size_t DirectoryEntryOffset(const Bytes& file, std::u16string_view name);

} // namespace kontaro::xls::test
