#include "xls/workbook_globals.h"

#include "numbers/format_text.h"
#include "xls/biff_string.h"
#include "xls/text_utf16.h"
#include "xls/xls_error.h"
#include "xls/xls_texts.h"

#include <algorithm>

namespace kontaro::xls {
namespace {

[[noreturn]] void Invalid(const char* why) { throw XlsError(std::string(texts::kRecordsInvalid), why); }

constexpr std::uint16_t kSelfReference = 0x0401;

bool IsSelfSupbook(const BiffRecord& record)
{
    return record.id == rec::SUPBOOK && record.data.size() == 4 && GetU16(record.data.data() + 2) == kSelfReference;
}

} // namespace

std::vector<SstEntry*> WorkbookGlobals::Read(const BiffRecord& bof, RecordReader& reader)
{
    bof_ = bof;
    std::vector<SstEntry*> stringList;
    BiffRecord record;
    bool seen[3] = {false, false, false};
    const auto listSlot = [&](Slot slot, int which) {
        if (!seen[which])
            main_.push_back(Item{slot, {}});
        seen[which] = true;
    };
    while (true) {
        if (!reader.Next(record))
            Invalid("globals without EOF");
        switch (record.id) {
        case rec::EOF_:
            eof_ = record;
            break;
        case rec::BOF:
            Invalid("BOF inside the globals");
        case rec::FILEPASS:
            throw XlsError(std::string(texts::kPasswordProtected));
        case rec::FONT:
            listSlot(Slot::Fonts, 0);
            formats.fonts.push_back(record);
            break;
        case rec::FORMAT:
            listSlot(Slot::Formats, 1);
            formats.formats.push_back(record);
            break;
        case rec::XF:
            listSlot(Slot::Xfs, 2);
            formats.xfs.push_back(record);
            break;
        case rec::BOUNDSHEET: {
            if (record.data.size() < 8)
                Invalid("BOUNDSHEET too short");
            BoundSheet sheet;
            sheet.position = GetU32(record.data.data());
            sheet.options = GetU16(record.data.data() + 4);
            std::size_t offset = 6;
            sheet.name = ReadBiffString(record.data, offset, 1);
            if (!sheetNames.insert(sheet.name).second) {
                throw XlsError(numbers::FormatText(texts::kSheetNameExists, {Utf16ToUtf8(sheet.name)}));
            }
            sheets.push_back(std::move(sheet));
            break;
        }
        case rec::SST:
            stringList = strings.ReadRecord(record);
            break;
        case rec::EXTSST:
        case rec::XCT:
        case rec::CRN:
        case rec::DBCELL:
        case rec::MSODRAWINGSELECTION:
        case rec::RECALCID:
        case rec::INDEX:
            break;
        case rec::SUPBOOK:
        case rec::EXTERNSHEET:
        case rec::EXTERNNAME:
            externals_.push_back(record);
            break;
        case rec::NAME:
            names_.push_back(record);
            break;
        case rec::MSODRAWINGGROUP:
            drawingGroup_.push_back(record);
            break;
        default:
            main_.push_back(Item{Slot::Record, record});
            break;
        }
        if (record.id == rec::EOF_)
            break;
    }
    // A workbook without FONT, FORMAT or XF records still gets a place for those it gains:
    // fonts before formats before XFs, as the format orders them.
    const auto slotAt = [&](Slot slot) {
        return std::find_if(main_.begin(), main_.end(), [slot](const Item& i) { return i.slot == slot; });
    };
    if (!seen[0])
        main_.insert(seen[1]   ? slotAt(Slot::Formats)
                     : seen[2] ? slotAt(Slot::Xfs)
                               : main_.end(),
                     Item{Slot::Fonts, {}});
    if (!seen[1])
        main_.insert(std::next(slotAt(Slot::Fonts)), Item{Slot::Formats, {}});
    if (!seen[2])
        main_.insert(std::next(slotAt(Slot::Formats)), Item{Slot::Xfs, {}});
    for (const Item& item : main_) {
        if (item.slot == Slot::Record && item.record.id == rec::PALETTE)
            formats.palette.SetRecord(&item.record);
    }
    return stringList;
}

BiffRecord* WorkbookGlobals::Window1()
{
    for (Item& item : main_) {
        if (item.slot == Slot::Record && item.record.id == rec::WINDOW1 && item.record.data.size() >= 16) {
            return &item.record;
        }
    }
    return nullptr;
}

int WorkbookGlobals::ActiveSheet() const
{
    for (const Item& item : main_) {
        if (item.slot == Slot::Record && item.record.id == rec::WINDOW1 && item.record.data.size() >= 16) {
            return GetU16(item.record.data.data() + 10);
        }
    }
    return 0;
}

void WorkbookGlobals::SetSelection(int activeSheet, int firstVisibleTab)
{
    if (BiffRecord* window = Window1()) {
        if (activeSheet >= 0) {
            SetU16(window->data.data() + 10, static_cast<std::uint16_t>(activeSheet));
            SetU16(window->data.data() + 14, 1);
        }
        SetU16(window->data.data() + 12, static_cast<std::uint16_t>(firstVisibleTab));
    }
}

void WorkbookGlobals::ShiftSheetNumbers(int at, int count)
{
    int self = -1;
    int index = 0;
    for (BiffRecord& record : externals_) {
        if (record.id != rec::SUPBOOK)
            continue;
        if (IsSelfSupbook(record)) {
            self = index;
            SetU16(record.data.data(), static_cast<std::uint16_t>(GetU16(record.data.data()) + count));
        }
        ++index;
    }
    for (BiffRecord& record : externals_) {
        if (record.id != rec::EXTERNSHEET || record.data.size() < 2 || self < 0)
            continue;
        const std::size_t refs = std::min<std::size_t>(GetU16(record.data.data()), (record.data.size() - 2) / 6);
        for (std::size_t i = 0; i < refs; ++i) {
            std::uint8_t* ref = record.data.data() + 2 + 6 * i;
            if (GetU16(ref) != self)
                continue;
            for (std::uint8_t* tab : {ref + 2, ref + 4}) {
                const int value = GetU16(tab);
                if (value < 0xFFFE && value >= at)
                    SetU16(tab, static_cast<std::uint16_t>(value + count));
            }
        }
    }
    for (BiffRecord& record : names_) {
        if (record.data.size() < 10)
            continue;
        const int sheet = GetU16(record.data.data() + 8); // 1-based, 0 for a global name
        if (sheet > at)
            SetU16(record.data.data() + 8, static_cast<std::uint16_t>(sheet + count));
    }
}

std::vector<std::size_t> WorkbookGlobals::Write(Bytes& out)
{
    bof_.WriteTo(out);
    const auto all = [&out](const std::vector<BiffRecord>& list) {
        for (const BiffRecord& record : list)
            record.WriteTo(out);
    };
    for (const Item& item : main_) {
        switch (item.slot) {
        case Slot::Record:
            item.record.WriteTo(out);
            break;
        case Slot::Fonts:
            all(formats.fonts);
            break;
        case Slot::Formats:
            all(formats.formats);
            break;
        case Slot::Xfs:
            all(formats.xfs);
            break;
        }
    }
    std::vector<std::size_t> positions;
    for (const BoundSheet& sheet : sheets) {
        Bytes data;
        PutU32(data, sheet.position);
        PutU16(data, sheet.options);
        PutBiffString(data, sheet.name, 1);
        positions.push_back(out.size() + 4);
        PutRecord(out, rec::BOUNDSHEET, data);
    }
    all(externals_);
    all(names_);
    all(drawingGroup_);
    strings.Write(out);
    eof_.WriteTo(out);
    return positions;
}

} // namespace kontaro::xls
