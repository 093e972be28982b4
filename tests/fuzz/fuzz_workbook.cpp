// Reading a workbook from untrusted bytes: a compound file (container and records) or, for
// inputs without the container's signature, a bare workbook stream. Any input must give a
// workbook or an XlsError; a workbook that was read must also be written again.

#include "xls/workbook_file.h"
#include "xls/xls_error.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

namespace {
constexpr std::uint8_t kSignature[] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> input(data, size);
    try {
        kontaro::xls::WorkbookFile book;
        if (size >= sizeof kSignature && std::memcmp(data, kSignature, sizeof kSignature) == 0) {
            book.ReadWorkbookBytes(input, "fuzz.xls");
        } else {
            book.ReadWorkbookStream(input);
        }
        book.StoreCell(1, 1, std::u16string(u"Kontaro"));
        book.StoreCell(2, 2, 12.5);
        (void)book.WriteWorkbookBytes();
    } catch (const kontaro::xls::XlsError&) {
        // Refused with a message: the expected outcome for most inputs.
    }
    return 0;
}
