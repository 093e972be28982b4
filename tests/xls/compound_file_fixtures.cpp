#include "xls/compound_file_fixtures.h"

#include <stdexcept>

namespace kontaro::xls::test {

Bytes Pattern(std::size_t size, std::uint8_t seed)
{
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>(seed + i * 7 + i / 512);
    }
    return bytes;
}

StorageElement Stream(std::u16string name, Bytes content)
{
    StorageElement e;
    e.name = std::move(name);
    e.content = std::move(content);
    return e;
}

StorageElement Storage(std::u16string name, StorageElementList children)
{
    StorageElement e;
    e.kind = StorageElement::Kind::Storage;
    e.name = std::move(name);
    e.children = std::move(children);
    return e;
}

std::uint16_t Read16(const Bytes& file, std::size_t at)
{
    return static_cast<std::uint16_t>(file.at(at) | (file.at(at + 1) << 8));
}

std::uint32_t Read32(const Bytes& file, std::size_t at)
{
    return Read16(file, at) | (static_cast<std::uint32_t>(Read16(file, at + 2)) << 16);
}

void Write32(Bytes& file, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i) {
        file.at(at + i) = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

std::size_t SectorOffset(std::uint32_t s) { return (static_cast<std::size_t>(s) + 1) * 512; }

std::size_t FatEntryOffset(const Bytes& file, std::uint32_t s)
{
    const std::uint32_t fatSector = Read32(file, 76 + 4 * (s / 128));
    return SectorOffset(fatSector) + 4 * (s % 128);
}

std::size_t DirectoryEntryOffset(const Bytes& file, std::u16string_view name)
{
    std::uint32_t s = Read32(file, 48);
    for (int guard = 0; s < 0xFFFFFFFA && guard < 1000; ++guard) {
        for (std::size_t e = 0; e < 4; ++e) {
            const std::size_t at = SectorOffset(s) + 128 * e;
            const std::size_t units = Read16(file, at + 64) / 2;
            std::u16string entry;
            for (std::size_t k = 0; k + 1 < units; ++k) {
                entry.push_back(static_cast<char16_t>(Read16(file, at + 2 * k)));
            }
            if (units > 0 && entry == name) {
                return at;
            }
        }
        s = Read32(file, FatEntryOffset(file, s));
    }
    throw std::runtime_error("no such directory entry");
}

} // namespace kontaro::xls::test
