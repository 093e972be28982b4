#pragma once
// The elements of a compound file that the workbook carries from the file it read to the file it
// writes: streams with their bytes and storages with their children, at any depth, in the order
// the file listed them.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kontaro::xls {

struct StorageElement;

// Owning and ordered: the order elements were read in is the order they are written back in.
using StorageElementList = std::vector<StorageElement>;

struct StorageElement {
    enum class Kind { Stream, Storage };

    Kind kind = Kind::Stream;
    // The element's name as the file stores it (UTF-16, at most 31 code units), kept exactly so
    // that no name is changed by a round trip.
    std::u16string name;
    // The whole data of a stream; empty for a storage.
    std::vector<std::uint8_t> content;
    // The elements of a storage; empty for a stream.
    StorageElementList children;
};

// The format's order of names within one storage: shorter names first, names of equal length
// by their upper-cased UTF-16 code units. Returns <0, 0 or >0. Names that compare 0 are the
// same name to every reader, so one storage never holds two of them.
int CompareElementNames(std::u16string_view a, std::u16string_view b);

// True for the top-level names under which a workbook keeps its records: "Workbook" in any
// case, and the older "Book" in any case (whose content the record reader then refuses by its
// version).
bool IsWorkbookStreamName(std::u16string_view name);

// The name the writer gives the workbook stream.
inline constexpr std::u16string_view kWorkbookStreamName = u"Workbook";

} // namespace kontaro::xls
