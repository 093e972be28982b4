#pragma once
// Writing a new compound file (version 3 with 512-byte sectors) that holds exactly the carried
// elements and the workbook stream.
//
// What callers may rely on:
//   - top-level elements are written in list order, then the workbook stream as "Workbook";
//     a carried top-level stream whose name is a workbook stream name ("Workbook", "BOOK",
//     ...) is left out, so the old workbook stream never stays beside the new one;
//   - zero-length streams and storages without written children are dropped;
//   - every stream holds exactly its bytes; streams under 4096 bytes live in the mini stream;
//   - the container itself is strict: no sector in two chains, balanced directory trees in the
//     format's name order, no class identifier, state bits or times.
// The carried elements are never changed.

#include "xls/storage_element.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kontaro::xls {

using ClassId = std::array<std::uint8_t, 16>;

// Saved workbooks use the defaults. The built-in empty workbook has a root class identifier;
// version 4 (4096-byte sectors) exists so that the reader can be tested on such files.
struct CompoundFileOptions {
    int majorVersion = 3;
    std::optional<ClassId> rootClassId;
};

// The whole file as bytes. Throws XlsError (texts::kCantWriteFile with "") when the elements
// cannot be stored: two names that the format treats as the same in one storage, an empty
// name or one longer than 31 code units, or a file beyond the format's size.
std::vector<std::uint8_t> WriteCompoundFile(const StorageElementList& carried, std::span<const std::uint8_t> workbook,
                                            const CompoundFileOptions& options = {});

// Writes the file to path, which must not exist: the file is created exclusively, so an
// existing file is never touched. Throws XlsError with texts::kCantWriteFile (the path) when
// the file exists or cannot be written completely; a file this call created but could not
// finish is removed again.
void WriteCompoundFileAt(const std::string& path, const StorageElementList& carried,
                         std::span<const std::uint8_t> workbook);

} // namespace kontaro::xls
