#pragma once
// Reading a compound file (version 3 with 512-byte sectors or version 4 with 4096-byte
// sectors) into the carried elements and the bytes of its workbook stream.
//
// The reader trusts nothing in the input: every sector number, chain and size is checked
// against the input, and no sector may serve two chains (which also ends every cycle and keeps
// the memory used within a small multiple of the input's size). It is lenient where real
// files differ from the format (free sectors beyond the FAT, FREESECT entries in the DIFAT,
// red-red directory trees) and throws XlsError where a file cannot be read:
//   - texts::kFileInvalid      the input is not a compound file (signature or header);
//   - texts::kCantReadFile     the container is broken (sector tables, directory, chains);
//   - texts::kNoWorkbookStream the file has no workbook stream at its top level;
//   - texts::kCantFindFile     (ReadCompoundFileAt) no file at the path, nor with ".xls".
// The name in the message is the display name or the path passed in.

#include "xls/storage_element.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kontaro::xls {

struct CompoundFileContents {
    // Every element except the top-level workbook stream, in file order (the root's children,
    // depth first). Zero-length streams and empty storages are kept here; the writer drops them.
    StorageElementList carried;
    // The name under which the file held the workbook stream ("Workbook", "BOOK", ...).
    std::u16string workbookName;
    // The workbook stream's bytes, exactly its stored size.
    std::vector<std::uint8_t> workbook;
};

// Reads a compound file held in memory; displayName is used in error messages.
CompoundFileContents ReadCompoundFile(std::span<const std::uint8_t> bytes, std::string_view displayName);

// Reads the compound file at path. When no file exists there and path has no extension,
// path + ".xls" is tried.
CompoundFileContents ReadCompoundFileAt(const std::string& path);

} // namespace kontaro::xls
