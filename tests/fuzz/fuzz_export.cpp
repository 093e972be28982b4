// Exporting into an existing workbook read from untrusted bytes (a compound file or, without
// the container's signature, a bare workbook stream): one sheet is replaced and one added, as
// the grid export does, the workbook is written and the result read back. Any input must give
// a written workbook or an XlsError; a written workbook that does not read back is a fault.

#include "xls/workbook_file.h"
#include "xls/xls_error.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

namespace {

using kontaro::xls::WorkbookFile;

constexpr std::uint8_t kSignature[] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

void FillSheet(WorkbookFile& book)
{
    book.StoreCell(1, 1, std::u16string(u"Umsatz"));
    book.StoreCell(1, 2, std::u16string(u"Menge"));
    book.StoreCell(2, 1, 12.5);
    book.StoreCell(2, 2, 1.0 / 3.0);
    book.StoreCell(3, 1, true);
    book.SetColumnWidthUnits(1, 4000);
    book.SetRowHeightTwips(1, 330);
    book.MergeCellRange(4, 1, 4, 2);
}

void Export(WorkbookFile& book)
{
    // The first worksheet is replaced, as an export under an existing sheet's name does.
    for (int sheet = 1; sheet <= book.SheetTotal(); ++sheet) {
        if (book.SheetAt(sheet).IsWorksheet()) {
            book.SetCurrentSheet(sheet);
            book.ResetCurrentSheet();
            FillSheet(book);
            break;
        }
    }
    const int added = book.SheetTotal() + 1;
    book.InsertBlankSheets(added, 1);
    book.SetCurrentSheet(added);
    FillSheet(book);
    book.SetCurrentSheetTitle("Kontaro Export");
    book.MakeSheetSelected(added);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> input(data, size);
    kontaro::xls::Bytes written;
    int sheets = 0;
    try {
        WorkbookFile book;
        if (size >= sizeof kSignature && std::memcmp(data, kSignature, sizeof kSignature) == 0) {
            book.ReadWorkbookBytes(input, "fuzz.xls");
        } else {
            book.ReadWorkbookStream(input);
        }
        Export(book);
        written = book.WriteWorkbookBytes();
        sheets = book.SheetTotal();
    } catch (const kontaro::xls::XlsError&) {
        return 0; // refused with a message: the expected outcome for most inputs
    }
    try {
        WorkbookFile again;
        again.ReadWorkbookBytes(written, "written.xls");
        if (again.SheetTotal() != sheets)
            std::abort();
        (void)again.WriteWorkbookBytes();
    } catch (const kontaro::xls::XlsError&) {
        std::abort();
    }
    return 0;
}
