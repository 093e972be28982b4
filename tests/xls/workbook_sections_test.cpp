// Reading the sections of workbooks that other programs wrote: records of identifier 0, sheets
// found at their BOUNDSHEET positions, and the strings of sheets that are carried unread.

#include "xls/shared_string_table.h"
#include "xls/workbook_file.h"
#include "xls/workbook_records.h"
#include "xls/xls_error.h"

#include <functional>
#include <gtest/gtest.h>

namespace kontaro::xls {
namespace {

using test::InsertRecords;
using test::OfKind;
using test::RecordsOf;
using test::Section;

constexpr const char* kInvalid = "Error reading Excel records. File invalid";
constexpr std::uint16_t kMacroSheetType = 0x0040;
constexpr std::uint16_t kChartType = 0x0020;

// Sheet "Sheet1" with "Alpha" and 2.5 in column A, sheet "Sheet2" with "Beta" in A1.
Bytes TwoSheets()
{
    WorkbookFile book;
    book.CreateFromTemplate(2);
    book.SetCurrentSheet(1);
    book.StoreCell(1, 1, std::u16string(u"Alpha"));
    book.StoreCell(2, 1, 2.5);
    book.SetCurrentSheet(2);
    book.StoreCell(1, 1, std::u16string(u"Beta"));
    return book.WriteWorkbookStream();
}

// The offset of the first record of kind id at or after from.
std::size_t OffsetFrom(const Bytes& stream, std::size_t from, std::uint16_t id)
{
    std::size_t at = from;
    while (at + 4 <= stream.size() && GetU16(stream.data() + at) != id)
        at += 4 + GetU16(stream.data() + at + 2);
    return at;
}

// The offset of the BOF of top-level section n (0 the globals), or of the stream's end.
std::size_t SectionStart(const Bytes& stream, int n)
{
    int depth = 0;
    int index = -1;
    for (std::size_t at = 0; at + 4 <= stream.size(); at += 4 + GetU16(stream.data() + at + 2)) {
        const std::uint16_t id = GetU16(stream.data() + at);
        if (id == rec::BOF && depth++ == 0 && ++index == n)
            return at;
        if (id == rec::EOF_)
            --depth;
    }
    return stream.size();
}

// The offset of the stream position field of BOUNDSHEET n (0-based).
std::size_t BoundSheetPosition(const Bytes& stream, int n)
{
    std::size_t at = OffsetFrom(stream, 0, rec::BOUNDSHEET);
    for (int i = 0; i < n; ++i)
        at = OffsetFrom(stream, at + 4 + GetU16(stream.data() + at + 2), rec::BOUNDSHEET);
    return at + 4;
}

Bytes Record(std::uint16_t id, Bytes data)
{
    Bytes out;
    PutRecord(out, id, data);
    return out;
}

std::u16string FirstText(const WorkbookFile& book, int sheet)
{
    const Cell& cell = book.SheetAt(sheet).Rows().at(0).cells.at(0);
    return cell.kind == CellKind::LabelSst ? SharedStringTable::TextOf(cell.sst->first) : u"(no text)";
}

// The text each LABELSST record of written section n names in the written string table.
std::vector<std::u16string> LabelTexts(const Bytes& stream, int n)
{
    const auto records = RecordsOf(stream);
    SharedStringTable table;
    const std::vector<SstEntry*> strings = table.ReadRecord(OfKind(Section(records, 0), rec::SST).at(0));
    std::vector<std::u16string> texts;
    for (const BiffRecord& label : OfKind(Section(records, n), rec::LABELSST)) {
        const std::uint32_t index = GetU32(label.data.data() + 6);
        texts.push_back(index < strings.size() ? SharedStringTable::TextOf(strings[index]->first) : u"(beyond)");
    }
    return texts;
}

TEST(WorkbookSections, RecordsOfIdentifierZeroInsideASectionAreKeptInTheirPlace)
{
    Bytes stream = TwoSheets();
    // Another writer's records of identifier 0: an empty one among the sheet settings before
    // the cells, one with data after WINDOW2, and one in the globals.
    const std::size_t window2 = OffsetFrom(stream, SectionStart(stream, 1), rec::WINDOW2);
    InsertRecords(stream, window2 + 4 + GetU16(stream.data() + window2 + 2), Record(0, {7, 8}));
    InsertRecords(stream, OffsetFrom(stream, SectionStart(stream, 1), rec::DEFCOLWIDTH), Record(0, {}));
    InsertRecords(stream, OffsetFrom(stream, 0, rec::BOUNDSHEET), Record(0, {}));

    WorkbookFile book;
    book.ReadWorkbookStream(stream);
    book.InsertBlankSheets(3, 1);
    book.SetCurrentSheet(3);
    book.StoreCell(1, 1, std::u16string(u"Neu"));
    const Bytes written = book.WriteWorkbookStream();

    const auto records = RecordsOf(written);
    const auto ids = [](const std::vector<BiffRecord>& section) { return test::IdsOf(section); };
    const auto around = [](const std::vector<std::uint16_t>& list, std::uint16_t id) {
        std::vector<std::uint16_t> neighbours;
        for (std::size_t i = 1; i + 1 < list.size(); ++i) {
            if (list[i] == id)
                neighbours.insert(neighbours.end(), {list[i - 1], list[i + 1]});
        }
        return neighbours;
    };
    EXPECT_EQ(around(ids(Section(records, 1)), 0), around(ids(Section(RecordsOf(stream), 1)), 0));
    EXPECT_EQ(OfKind(Section(records, 1), 0).at(1).data, (Bytes{7, 8}));
    EXPECT_EQ(OfKind(Section(records, 0), 0).size(), 1u);

    WorkbookFile again;
    again.ReadWorkbookStream(written);
    ASSERT_EQ(again.SheetTotal(), 3);
    EXPECT_EQ(FirstText(again, 1), u"Alpha");
    EXPECT_EQ(again.SheetAt(1).Rows().at(1).cells.at(0).number, 2.5);
    EXPECT_EQ(FirstText(again, 2), u"Beta");
    EXPECT_EQ(FirstText(again, 3), u"Neu");
}

TEST(WorkbookSections, ZeroFillBetweenTheSectionsIsSkipped)
{
    Bytes stream = TwoSheets();
    InsertRecords(stream, SectionStart(stream, 1), Bytes(16, 0));
    InsertRecords(stream, SectionStart(stream, 2), Bytes(8, 0));
    WorkbookFile book;
    book.ReadWorkbookStream(stream);
    EXPECT_EQ(FirstText(book, 1), u"Alpha");
    EXPECT_EQ(FirstText(book, 2), u"Beta");
}

TEST(WorkbookSections, SheetsAreReadWhereTheirBoundsheetsPoint)
{
    Bytes stream = TwoSheets();
    const std::size_t first = BoundSheetPosition(stream, 0);
    const std::size_t second = BoundSheetPosition(stream, 1);
    const std::uint32_t position = GetU32(stream.data() + first);
    SetU32(stream.data() + first, GetU32(stream.data() + second));
    SetU32(stream.data() + second, position);
    WorkbookFile book;
    book.ReadWorkbookStream(stream);
    EXPECT_EQ(FirstText(book, 1), u"Beta");
    EXPECT_EQ(FirstText(book, 2), u"Alpha");
}

TEST(WorkbookSections, SheetsThatCannotAllBeFoundAreRefused)
{
    struct Case {
        const char* what;
        std::function<void(Bytes&)> damage;
    };
    const Case cases[] = {
        {"second sheet missing", [](Bytes& s) { s.resize(SectionStart(s, 2)); }},
        {"position beyond the stream", [](Bytes& s) { SetU32(s.data() + BoundSheetPosition(s, 1), 0xFFFFFFF0u); }},
        {"position not at a BOF",
         [](Bytes& s) {
             SetU32(s.data() + BoundSheetPosition(s, 1), GetU32(s.data() + BoundSheetPosition(s, 1)) + 4);
         }},
        {"position at the globals", [](Bytes& s) { SetU32(s.data() + BoundSheetPosition(s, 1), 0); }},
        {"two sheets at one place",
         [](Bytes& s) { SetU32(s.data() + BoundSheetPosition(s, 1), GetU32(s.data() + BoundSheetPosition(s, 0))); }},
        {"identifier 0 record behind the globals, sheets not moved",
         [](Bytes& s) {
             const Bytes zero = Record(0, {});
             s.insert(s.begin() + static_cast<std::ptrdiff_t>(SectionStart(s, 1)), zero.begin(), zero.end());
         }},
    };
    for (const Case& c : cases) {
        Bytes stream = TwoSheets();
        c.damage(stream);
        WorkbookFile book;
        try {
            book.ReadWorkbookStream(stream);
            ADD_FAILURE() << c.what << ": read without error";
        } catch (const XlsError& error) {
            EXPECT_STREQ(error.what(), kInvalid) << c.what;
        }
    }
}

TEST(WorkbookSections, SheetsOutsideTheWorkbookAreAWorkbookError)
{
    WorkbookFile book;
    book.ReadWorkbookStream(TwoSheets());
    for (const int sheet : {0, 3}) {
        try {
            (void)book.SheetAt(sheet);
            ADD_FAILURE() << "sheet " << sheet << " found";
        } catch (const XlsError& error) {
            EXPECT_EQ(error.what(), "Sheet number \"" + std::to_string(sheet) + "\" invalid. Must be between 1 and 2");
        }
    }
}

// Sheet 2 becomes a sheet of the given kind, carried unread, whose only string no worksheet
// uses; the first sheet's new text sorts before it, so its index in the table changes.
TEST(WorkbookSections, CarriedSheetsKeepTheirStrings)
{
    for (const std::uint16_t type : {kMacroSheetType, kChartType}) {
        Bytes stream = TwoSheets();
        SetU16(stream.data() + SectionStart(stream, 2) + 6, type);
        WorkbookFile book;
        book.ReadWorkbookStream(stream);
        ASSERT_FALSE(book.SheetAt(2).IsWorksheet());
        book.SetCurrentSheet(1);
        book.StoreCell(1, 1, std::u16string(u"Zed"));
        const Bytes written = book.WriteWorkbookStream();
        EXPECT_EQ(LabelTexts(written, 2), std::vector<std::u16string>{u"Beta"}) << type;
        WorkbookFile again;
        again.ReadWorkbookStream(written);
        EXPECT_EQ(again.WriteWorkbookStream(), written) << type;
    }
}

TEST(WorkbookSections, ChartsInsideAWorksheetKeepTheirStrings)
{
    Bytes stream = TwoSheets();
    // A chart nested in the second sheet names "Alpha" (index 1: "Beta" sorts first).
    Bytes chart = Record(rec::BOF, {0x00, 0x06, 0x20, 0x00, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    const Bytes label = Record(rec::LABELSST, {0, 0, 0, 0, 15, 0, 1, 0, 0, 0});
    const Bytes eof = Record(rec::EOF_, {});
    chart.insert(chart.end(), label.begin(), label.end());
    chart.insert(chart.end(), eof.begin(), eof.end());
    InsertRecords(stream, OffsetFrom(stream, SectionStart(stream, 2), rec::WINDOW2), chart);
    WorkbookFile book;
    book.ReadWorkbookStream(stream);
    book.SetCurrentSheet(1);
    book.StoreCell(1, 1, std::u16string(u"Zed")); // "Alpha" is left to the chart alone
    EXPECT_EQ(LabelTexts(book.WriteWorkbookStream(), 2), (std::vector<std::u16string>{u"Beta", u"Alpha"}));
}

// Many sheets of a few bytes each that name the last row must not each cost memory for every
// row up to it: a sheet holds only the rows its records name, and writes them as before.
TEST(WorkbookSections, ASheetHoldsOnlyTheRowsItsRecordsName)
{
    WorkbookFile book;
    book.CreateFromTemplate();
    book.StoreCell(1, 1, 1.0);
    book.StoreCell(65536, 2, 2.0);
    const Bytes stream = book.WriteWorkbookStream();
    WorkbookFile again;
    again.ReadWorkbookStream(stream);
    ASSERT_EQ(again.SheetAt(1).Rows().size(), 2u);
    EXPECT_EQ(again.SheetAt(1).Rows().at(65535).cells.at(0).number, 2.0);
    EXPECT_EQ(again.WriteWorkbookStream(), stream);
    const auto sheet = Section(RecordsOf(stream), 1);
    EXPECT_EQ(GetU32(OfKind(sheet, rec::DIMENSIONS).at(0).data.data() + 4), 65536u);
    std::vector<std::uint16_t> rows;
    for (const BiffRecord& row : OfKind(sheet, rec::ROW))
        rows.push_back(GetU16(row.data.data()));
    EXPECT_EQ(rows, (std::vector<std::uint16_t>{0, 65535}));
}

} // namespace
} // namespace kontaro::xls
