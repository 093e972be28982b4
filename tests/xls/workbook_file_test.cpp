#include "xls/workbook_file.h"
#include "xls/workbook_records.h"
#include "xls/xls_error.h"

#include <gtest/gtest.h>

namespace kontaro::xls {
namespace {

using test::IdsOf;
using test::OfKind;
using test::RecordsOf;
using test::Section;

std::vector<BiffRecord> Saved(WorkbookFile& book) { return RecordsOf(book.WriteWorkbookStream()); }

// Offset of the first record of kind id in the stream.
std::size_t OffsetOf(const Bytes& stream, std::uint16_t id)
{
    std::size_t at = 0;
    while (at + 4 <= stream.size() && GetU16(stream.data() + at) != id)
        at += 4 + GetU16(stream.data() + at + 2);
    return at;
}

// The records of the sheet's cell section: DIMENSIONS up to the record before WINDOW2.
std::vector<BiffRecord> CellSection(const std::vector<BiffRecord>& sheet)
{
    std::vector<BiffRecord> cells;
    bool in = false;
    for (const BiffRecord& record : sheet) {
        if (record.id == rec::DIMENSIONS)
            in = true;
        if (record.id == rec::WINDOW2)
            break;
        if (in)
            cells.push_back(record);
    }
    return cells;
}

std::string ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const XlsError& error) {
        return error.what();
    }
    return "no error";
}

class WorkbookFileTest : public ::testing::Test {
protected:
    void SetUp() override { book.CreateFromTemplate(); }
    WorkbookFile book;
};

TEST_F(WorkbookFileTest, SavedTemplateKeepsTheRecordOrder)
{
    const auto records = Saved(book);
    const std::vector<std::uint16_t> globals = {
        rec::BOF,    0x00E1,       0x00C1,      0x00E2,      0x005C,      0x0042,      0x0161,
        0x01C0,      0x013D,       0x009C,      0x0019,      0x0012,      0x0013,      0x01AF,
        0x01BC,      rec::WINDOW1, 0x0040,      0x008D,      0x0022,      0x000E,      0x01B7,
        0x00DA,      rec::FONT,    rec::FONT,   rec::FONT,   rec::FONT,   rec::FORMAT, rec::FORMAT,
        rec::FORMAT, rec::FORMAT,  rec::FORMAT, rec::FORMAT, rec::FORMAT, rec::FORMAT};
    auto ids = IdsOf(Section(records, 0));
    ASSERT_GE(ids.size(), globals.size() + 21);
    EXPECT_EQ(std::vector<std::uint16_t>(ids.begin(), ids.begin() + static_cast<std::ptrdiff_t>(globals.size())),
              globals);
    const std::vector<std::uint16_t> tail = {0x0293, 0x0293, 0x0293,          0x0293,   0x0293,      0x0293,   0x0160,
                                             0x008C, 0x0863, rec::BOUNDSHEET, rec::SST, rec::EXTSST, rec::EOF_};
    EXPECT_EQ(std::vector<std::uint16_t>(ids.end() - static_cast<std::ptrdiff_t>(tail.size()), ids.end()), tail);
    EXPECT_EQ(OfKind(Section(records, 0), rec::XF).size(), 21u);

    const std::vector<std::uint16_t> sheet = {rec::BOF, 0x000D,          0x000C,       0x000F, 0x0011, 0x0010,
                                              0x005F,   0x002A,          0x002B,       0x0082, 0x0080, 0x0225,
                                              0x0081,   0x0014,          0x0015,       0x0083, 0x0084, 0x00A1,
                                              0x0055,   rec::DIMENSIONS, rec::WINDOW2, 0x001D, 0x00EF, rec::EOF_};
    EXPECT_EQ(IdsOf(Section(records, 1)), sheet);
    // An empty sheet: rows 0 to 0 and columns 0 to 1.
    EXPECT_EQ(Section(records, 1)[19].data, (Bytes{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0}));
}

TEST_F(WorkbookFileTest, BoundsheetPointsAtItsSheet)
{
    book.InsertBlankSheets(2, 1);
    const Bytes stream = book.WriteWorkbookStream();
    const auto bound = OfKind(Section(RecordsOf(stream), 0), rec::BOUNDSHEET);
    ASSERT_EQ(bound.size(), 2u);
    for (const BiffRecord& record : bound) {
        const std::uint32_t at = GetU32(record.data.data());
        EXPECT_EQ(GetU16(stream.data() + at), rec::BOF);
        EXPECT_EQ(GetU16(stream.data() + at + 6), 0x0010); // a worksheet
    }
}

TEST_F(WorkbookFileTest, NumbersBecomeRkOrNumberRecords)
{
    const double values[] = {12.5, 0.1, 1234567.89, 1e300, 1.0 / 3.0};
    for (int i = 0; i < 5; ++i)
        book.StoreCell(1, 1 + 2 * i, values[i]); // apart, so none are joined
    const auto cells = CellSection(Section(Saved(book), 1));
    EXPECT_EQ(IdsOf(cells), (std::vector<std::uint16_t>{rec::DIMENSIONS, rec::ROW, rec::RK, rec::RK, rec::NUMBER,
                                                        rec::NUMBER, rec::NUMBER}));
    EXPECT_EQ(GetU32(cells[3].data.data() + 6), 0x40240001u);
    EXPECT_EQ(GetDouble(cells[6].data.data() + 6), 1.0 / 3.0);
}

TEST_F(WorkbookFileTest, AdjacentRkAndBlankCellsAreJoined)
{
    book.StoreCell(1, 1, 1.0);
    book.StoreCell(1, 2, 2.0);
    book.StoreCell(1, 3, 3.0);
    book.StoreCell(1, 4, std::u16string(u"x"));
    book.StoreCell(1, 5, 4.0);
    book.StoreCell(1, 6, std::u16string(u"y"));
    book.StoreCellWithXf(2, 1, std::monostate{}, 16);
    book.StoreCellWithXf(2, 2, std::monostate{}, 17);
    book.StoreCell(2, 3, 5.0);
    const auto cells = CellSection(Section(Saved(book), 1));
    EXPECT_EQ(IdsOf(cells), (std::vector<std::uint16_t>{rec::DIMENSIONS, rec::ROW, rec::ROW, rec::MULRK, rec::LABELSST,
                                                        rec::RK, rec::LABELSST, rec::MULBLANK, rec::RK}));
    const Bytes& mulrk = cells[3].data;
    ASSERT_EQ(mulrk.size(), 6 + 6 * 3u);
    EXPECT_EQ(GetU16(mulrk.data() + 2), 0u);                // first column
    EXPECT_EQ(GetU32(mulrk.data() + 6 + 6), 0x40000000u);   // 2.0
    EXPECT_EQ(GetU16(mulrk.data() + mulrk.size() - 2), 2u); // last column
    EXPECT_EQ(cells[7].data, (Bytes{1, 0, 0, 0, 16, 0, 17, 0, 1, 0}));
}

TEST_F(WorkbookFileTest, FortyRowsAreWrittenInTwoBlocks)
{
    for (int row = 1; row <= 40; ++row)
        book.StoreCell(row, 1, static_cast<double>(row));
    const auto cells = CellSection(Section(Saved(book), 1));
    std::vector<std::uint16_t> expected = {rec::DIMENSIONS};
    expected.insert(expected.end(), 32, rec::ROW);
    expected.insert(expected.end(), 32, rec::RK);
    expected.insert(expected.end(), 8, rec::ROW);
    expected.insert(expected.end(), 8, rec::RK);
    EXPECT_EQ(IdsOf(cells), expected);
    EXPECT_EQ(cells[0].data, (Bytes{0, 0, 0, 0, 40, 0, 0, 0, 0, 0, 1, 0, 0, 0}));
    EXPECT_EQ(GetU16(cells[65].data.data()), 32u); // the second block starts with row 32
}

TEST_F(WorkbookFileTest, EqualColumnsShareOneColinfo)
{
    for (int column = 2; column <= 9; ++column)
        book.SetColumnWidthUnits(column, 2341);
    book.SetColumnWidthUnits(10, 5486);
    const auto colinfo = OfKind(Section(Saved(book), 1), rec::COLINFO);
    ASSERT_EQ(colinfo.size(), 2u);
    EXPECT_EQ(colinfo[0].data, (Bytes{1, 0, 8, 0, 0x25, 0x09, 15, 0, 0, 0, 0, 0}));
    EXPECT_EQ(colinfo[1].data, (Bytes{9, 0, 9, 0, 0x6E, 0x15, 15, 0, 0, 0, 0, 0}));
}

TEST_F(WorkbookFileTest, UsedRangeAndRowRecords)
{
    book.StoreCell(3, 2, std::u16string(u"a"));
    book.StoreCell(5, 4, 1.0);
    book.SetRowHeightTwips(5, 330);
    const auto cells = CellSection(Section(Saved(book), 1));
    ASSERT_EQ(IdsOf(cells), (std::vector<std::uint16_t>{rec::DIMENSIONS, rec::ROW, rec::ROW, rec::LABELSST, rec::RK}));
    EXPECT_EQ(cells[0].data, (Bytes{2, 0, 0, 0, 5, 0, 0, 0, 1, 0, 4, 0, 0, 0}));
    EXPECT_EQ(cells[1].data, (Bytes{2, 0, 1, 0, 2, 0, 255, 0, 0, 0, 0, 0, 0x00, 0x01, 15, 0}));
    EXPECT_EQ(cells[2].data, (Bytes{4, 0, 3, 0, 4, 0, 0x4A, 0x01, 0, 0, 0, 0, 0x40, 0x01, 15, 0}));
}

TEST_F(WorkbookFileTest, EmptyValueNeedsAnOwnLookToBeWritten)
{
    book.StoreCell(1, 1, std::monostate{});
    book.StoreCell(1, 2, std::u16string());
    EXPECT_EQ(IdsOf(CellSection(Section(Saved(book), 1))), std::vector<std::uint16_t>{rec::DIMENSIONS});
    book.StoreCellWithXf(1, 1, std::u16string(), 21);
    EXPECT_EQ(book.CellXf(1, 1), 21);
    // Clearing a cell again takes its record away, and the row with it.
    book.StoreCell(1, 1, 2.0);
    book.StoreCellWithXf(1, 1, std::monostate{}, 15);
    EXPECT_EQ(book.CellXf(1, 1), -1);
    EXPECT_EQ(IdsOf(CellSection(Section(Saved(book), 1))), std::vector<std::uint16_t>{rec::DIMENSIONS});
}

TEST_F(WorkbookFileTest, CellKeepsItsXfWhenGivenANewValue)
{
    book.StoreCellWithXf(1, 1, 1.0, 20);
    book.StoreCell(1, 1, true);
    EXPECT_EQ(book.CellXf(1, 1), 20);
    const auto boolerr = OfKind(Section(Saved(book), 1), rec::BOOLERR);
    ASSERT_EQ(boolerr.size(), 1u);
    EXPECT_EQ(boolerr[0].data, (Bytes{0, 0, 0, 0, 20, 0, 1, 0}));
}

TEST_F(WorkbookFileTest, ReplacedTextsLoseTheirReference)
{
    for (int row = 1; row <= 20; ++row)
        book.StoreCell(row, 1, std::u16string(u"gleich"));
    book.StoreCell(1, 2, std::u16string(u"alt"));
    book.StoreCell(1, 2, std::u16string(u"neu"));
    const auto sst = OfKind(Section(Saved(book), 0), rec::SST);
    ASSERT_EQ(sst.size(), 1u);
    EXPECT_EQ(GetU32(sst[0].data.data()), 21u);
    EXPECT_EQ(GetU32(sst[0].data.data() + 4), 2u);
}

TEST_F(WorkbookFileTest, PositionsOutsideTheSheetAreRefused)
{
    EXPECT_EQ(ErrorOf([&] { book.StoreCell(0, 1, 1.0); }), "Invalid Row (-1)");
    EXPECT_EQ(ErrorOf([&] { book.StoreCell(65537, 1, 1.0); }), "Invalid Row (65536)");
    EXPECT_EQ(ErrorOf([&] { book.StoreCell(1, 257, 1.0); }), "Invalid Column (256)");
    book.StoreCell(65536, 256, 1.0);
    EXPECT_EQ(book.CellXf(65536, 256), 15);
}

TEST_F(WorkbookFileTest, InsertedSheetsGetFreeNames)
{
    book.InsertBlankSheets(2, 3);
    std::vector<std::string> names;
    for (int sheet = 1; sheet <= book.SheetTotal(); ++sheet) {
        book.SetCurrentSheet(sheet);
        names.push_back(book.CurrentSheetTitle());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Sheet1", "Sheet", "Sheet2", "Sheet3"}));
    EXPECT_EQ(ErrorOf([&] { book.InsertBlankSheets(6, 1); }), "Sheet number \"6\" invalid. Must be between 1 and 5");
}

TEST_F(WorkbookFileTest, InsertedSheetsAvoidNamesThatDifferOnlyInCase)
{
    book.SetCurrentSheetTitle("sHEET");
    book.InsertBlankSheets(2, 2);
    book.SetCurrentSheet(2);
    book.SetCurrentSheetTitle("\u00fcbersicht"); // folds like "\u00dcBERSICHT", not like a blank sheet
    book.SetCurrentSheet(3);
    EXPECT_EQ(book.CurrentSheetTitle(), "Sheet2");
    book.SetCurrentSheetTitle("sheet1");
    book.InsertBlankSheets(4, 1);
    book.SetCurrentSheet(4);
    EXPECT_EQ(book.CurrentSheetTitle(), "Sheet2");
}

TEST_F(WorkbookFileTest, FindsASheetByItsExactName)
{
    book.InsertBlankSheets(2, 1);
    book.SetCurrentSheet(2);
    book.SetCurrentSheetTitle("Summe");
    EXPECT_EQ(book.FindSheet("Summe"), 2);
    EXPECT_EQ(book.FindSheet("Sheet1"), 1);
    EXPECT_EQ(book.FindSheet("summe"), 0); // case counts
    EXPECT_EQ(book.FindSheet("Sheet"), 0); // the inserted sheet's name before the renaming
    EXPECT_EQ(book.FindSheet(""), 0);
}

TEST_F(WorkbookFileTest, RenamingChecksTheOtherNames)
{
    book.InsertBlankSheets(2, 1);
    book.SetCurrentSheet(2);
    EXPECT_EQ(ErrorOf([&] { book.SetCurrentSheetTitle("Sheet1"); }), "Sheet name already exists: Sheet1");
    EXPECT_EQ(ErrorOf([&] { book.SetCurrentSheetTitle("SHEET1"); }), "Sheet name already exists: SHEET1");
    EXPECT_EQ(ErrorOf([&] { book.SetCurrentSheetTitle(std::string(256, 'a')); }), "Invalid String record");
    for (const char* bad : {"a/b", "[x]", "x:y", "0123456789012345678901234567890123"}) {
        EXPECT_EQ(ErrorOf([&] { book.SetCurrentSheetTitle(bad); }), std::string("Invalid sheet name: ") + bad);
    }
    book.SetCurrentSheetTitle("Produkt\u00fcbersicht");
    EXPECT_EQ(book.CurrentSheetTitle(), "Produkt\u00fcbersicht");
    book.SetCurrentSheet(1);
    book.SetCurrentSheetTitle("Sheet1"); // its own name: nothing happens
}

TEST_F(WorkbookFileTest, SelectingASheetMovesWindowFlags)
{
    book.InsertBlankSheets(2, 2);
    book.MakeSheetSelected(3);
    const auto records = Saved(book);
    const auto window1 = OfKind(Section(records, 0), rec::WINDOW1);
    ASSERT_EQ(window1.size(), 1u);
    EXPECT_EQ(GetU16(window1[0].data.data() + 10), 2u); // active sheet
    EXPECT_EQ(GetU16(window1[0].data.data() + 14), 1u); // selected sheets
    for (int sheet = 1; sheet <= 3; ++sheet) {
        const auto window2 = OfKind(Section(records, sheet), rec::WINDOW2);
        ASSERT_EQ(window2.size(), 1u);
        EXPECT_EQ(GetU16(window2[0].data.data()) & 0x0600, sheet == 3 ? 0x0600 : 0) << sheet;
    }
}

TEST_F(WorkbookFileTest, ClearedSheetKeepsNameAndPlace)
{
    book.InsertBlankSheets(2, 1);
    book.SetCurrentSheet(1);
    book.StoreCell(1, 1, std::u16string(u"alt"));
    book.SetColumnWidthUnits(1, 3000);
    book.SetCurrentSheetTitle("Erste");
    book.ResetCurrentSheet();
    EXPECT_EQ(book.CurrentSheetTitle(), "Erste");
    EXPECT_EQ(book.CellXf(1, 1), -1);
    const auto records = Saved(book);
    EXPECT_EQ(OfKind(Section(records, 1), rec::COLINFO).size(), 0u);
    EXPECT_EQ(GetU32(OfKind(Section(records, 0), rec::SST)[0].data.data() + 4), 0u);
    EXPECT_EQ(IdsOf(Section(records, 1)), IdsOf(Section(records, 2)));
}

TEST_F(WorkbookFileTest, ReadBackGivesTheSameStream)
{
    book.InsertBlankSheets(2, 1);
    book.SetCurrentSheet(2);
    book.StoreCell(1, 1, std::u16string(u"Text"));
    book.StoreCell(2, 2, 3.25);
    book.StoreCell(3, 3, false);
    book.StoreCellWithXf(4, 4, std::monostate{}, 16);
    book.SetColumnWidthUnits(2, 4000);
    book.MergeCellRange(5, 1, 6, 2);
    const Bytes first = book.WriteWorkbookStream();
    WorkbookFile again;
    again.ReadWorkbookStream(first);
    EXPECT_EQ(again.WriteWorkbookStream(), first);
}

TEST_F(WorkbookFileTest, SheetsInsertedInFrontShiftNamesAndReferences)
{
    Bytes stream = book.WriteWorkbookStream();
    // A self reference with one sheet, a reference to sheet 0 and a name local to sheet 1.
    Bytes extra;
    PutRecord(extra, rec::SUPBOOK, Bytes{1, 0, 0x01, 0x04});
    PutRecord(extra, rec::EXTERNSHEET, Bytes{1, 0, 0, 0, 0, 0, 0, 0});
    PutRecord(extra, rec::NAME, Bytes{0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 'N'});
    test::InsertRecords(stream, OffsetOf(stream, rec::SST), extra);
    WorkbookFile named;
    named.ReadWorkbookStream(stream);
    named.InsertBlankSheets(1, 2);
    const auto globals = Section(Saved(named), 0);
    EXPECT_EQ(OfKind(globals, rec::SUPBOOK).at(0).data, (Bytes{3, 0, 0x01, 0x04}));
    EXPECT_EQ(OfKind(globals, rec::EXTERNSHEET).at(0).data, (Bytes{1, 0, 0, 0, 2, 0, 2, 0}));
    EXPECT_EQ(GetU16(OfKind(globals, rec::NAME).at(0).data.data() + 8), 3u);
}

TEST_F(WorkbookFileTest, SavingNeedsAVisibleSelectedSheet)
{
    Bytes stream = book.WriteWorkbookStream();
    // Hide the one sheet: its BOUNDSHEET options follow the 4-byte position.
    auto records = RecordsOf(stream);
    std::size_t at = 0;
    for (const BiffRecord& record : records) {
        if (record.id == rec::BOUNDSHEET)
            break;
        at += 4 + record.data.size();
    }
    stream[at + 8] = 1;
    WorkbookFile hidden;
    hidden.ReadWorkbookStream(stream);
    EXPECT_EQ(ErrorOf([&] { hidden.WriteWorkbookStream(); }), "To save this file, you must select a visible sheet");
    hidden.InsertBlankSheets(2, 1);
    hidden.MakeSheetSelected(2);
    EXPECT_NO_THROW(hidden.WriteWorkbookStream());
}

struct BadStream {
    const char* name;
    std::function<void(Bytes&)> damage;
    const char* message;
};

class DamagedStreamTest : public ::testing::TestWithParam<BadStream> {};

TEST_P(DamagedStreamTest, IsRefusedWithItsMessage)
{
    WorkbookFile source;
    source.CreateFromTemplate();
    source.StoreCell(1, 1, std::u16string(u"Text"));
    source.StoreCell(2, 1, 1.0);
    Bytes stream = source.WriteWorkbookStream();
    GetParam().damage(stream);
    WorkbookFile book;
    EXPECT_EQ(ErrorOf([&] { book.ReadWorkbookStream(stream); }), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Streams, DamagedStreamTest,
    ::testing::Values(
        BadStream{"Truncated", [](Bytes& s) { s.resize(s.size() - 3); }, "Error reading Excel records. File invalid"},
        BadStream{"NoGlobalsEof", [](Bytes& s) { s.resize(OffsetOf(s, rec::SST)); },
                  "Error reading Excel records. File invalid"},
        BadStream{"Biff5", [](Bytes& s) { SetU16(s.data() + 4, 0x0500); },
                  "Template file is saved with an invalid Excel version"},
        BadStream{"Password", [](Bytes& s) { SetU16(s.data() + OffsetOf(s, 0x00E1), rec::FILEPASS); },
                  "File is password protected"},
        BadStream{"StringBeyondTable", [](Bytes& s) { SetU32(s.data() + OffsetOf(s, rec::LABELSST) + 10, 7); },
                  "Error reading Excel records. File invalid"},
        BadStream{"CellBeyondTheLastColumn", [](Bytes& s) { SetU16(s.data() + OffsetOf(s, rec::LABELSST) + 6, 256); },
                  "Error reading Excel records. File invalid"},
        BadStream{"SecondRowRecord",
                  [](Bytes& s) {
                      const std::size_t second = OffsetOf(s, rec::ROW) + 20;
                      SetU16(s.data() + second + 4, 0); // row 1 becomes row 0 a second time
                  },
                  "Duplicated ROW record"},
        BadStream{"DuplicateSheetName",
                  [](Bytes& s) {
                      // The globals get a second BOUNDSHEET "Sheet1" in place of the DSF record.
                      const std::size_t at = OffsetOf(s, 0x0161);
                      Bytes record = {0x85, 0x00, 14, 0, 0, 0, 0, 0, 0, 0, 6, 0, 'S', 'h', 'e', 'e', 't', '1'};
                      s.erase(s.begin() + static_cast<std::ptrdiff_t>(at),
                              s.begin() + static_cast<std::ptrdiff_t>(at + 6));
                      s.insert(s.begin() + static_cast<std::ptrdiff_t>(at), record.begin(), record.end());
                  },
                  "Sheet name already exists: Sheet1"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kontaro::xls
