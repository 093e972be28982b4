#pragma once
// WorkbookGlobals: the globals section of a workbook. Records the workbook does not need to
// understand stay in the main list in file order; the FONT, FORMAT and XF lists are written
// where their first record stood; sheets, strings, names and external references are held
// apart and written in the format's order.

#include "xls/biff_record.h"
#include "xls/cell_format.h"
#include "xls/shared_string_table.h"

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace kontaro::xls {

struct BoundSheet {
    std::uint32_t position = 0;
    std::uint16_t options = 0; // bits 0-1 visibility; high byte the sheet type
    std::u16string name;

    bool IsVisible() const { return (options & 3) == 0; }
};

// Sheet names compare by length first, then code unit by code unit, case-sensitively.
struct SheetNameLess {
    bool operator()(const std::u16string& a, const std::u16string& b) const
    {
        if (a.size() != b.size())
            return a.size() < b.size();
        return a < b;
    }
};

class WorkbookGlobals {
public:
    // Reads the section after its BOF up to and including EOF. Returns the SST strings in
    // record order for the sheets' LABELSST records.
    std::vector<SstEntry*> Read(const BiffRecord& bof, RecordReader& reader);

    // Appends the section; the BOUNDSHEET positions are those set in `sheets`. Returns the
    // offsets in `out` of each BOUNDSHEET position field so that the caller can patch them.
    std::vector<std::size_t> Write(Bytes& out);

    // WINDOW1 fields; a workbook without WINDOW1 reads as sheet 0 active.
    int ActiveSheet() const;
    void SetSelection(int activeSheet, int firstVisibleTab);

    // Shifts the sheet numbers of names and external references for k sheets inserted before
    // the 0-based sheet index `at`.
    void ShiftSheetNumbers(int at, int count);

    std::vector<BoundSheet> sheets;
    std::set<std::u16string, SheetNameLess> sheetNames;
    FormatTables formats;
    SharedStringTable strings;

private:
    enum class Slot { Record, Fonts, Formats, Xfs };
    struct Item {
        Slot slot = Slot::Record;
        BiffRecord record;
    };
    BiffRecord* Window1();

    BiffRecord bof_, eof_;
    std::vector<Item> main_;
    std::vector<BiffRecord> externals_, names_, drawingGroup_;
};

} // namespace kontaro::xls
