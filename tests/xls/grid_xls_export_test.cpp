#include "support/temp_dir.h"
#include "xls/compound_file_reader.h"
#include "xls/compound_file_writer.h"
#include "xls/grid_xls_export.h"
#include "xls/shared_string_table.h"
#include "xls/workbook_file.h"
#include "xls/workbook_records.h"
#include "xls/xls_error.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace kontaro::xls {
namespace {

using test::IdsOf;
using test::OfKind;
using test::RecordsOf;
using test::Section;
using test::TableGrid;

std::vector<BiffRecord> RecordsIn(const std::string& path) { return RecordsOf(ReadCompoundFileAt(path).workbook); }

std::vector<std::string> SheetNames(const std::string& path)
{
    WorkbookFile book;
    book.ReadWorkbookFile(path);
    std::vector<std::string> names;
    for (int sheet = 1; sheet <= book.SheetTotal(); ++sheet) {
        book.SetCurrentSheet(sheet);
        names.push_back(book.CurrentSheetTitle());
    }
    return names;
}

std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The records of a sheet from DIMENSIONS on.
std::vector<BiffRecord> FromDimensions(const std::vector<BiffRecord>& sheet)
{
    auto at = std::find_if(sheet.begin(), sheet.end(), [](const BiffRecord& r) { return r.id == rec::DIMENSIONS; });
    return {at, sheet.end()};
}

class GridXlsExportTest : public ::testing::Test {
protected:
    GridXlsExportTest()
    {
        exporter.SetGridStartRow(0);
        exporter.SetGridStartCol(0);
        exporter.Locale = {',', '.'};
    }

    void Export(const TableGrid& grid, const std::string& sheet, OverwriteMode mode = OverwriteMode::Never)
    {
        exporter.Grid = &grid;
        exporter.Options.ExportOverwrite = mode;
        exporter.ExportGrid(target, sheet, -1, 1);
    }

    std::string Error(const TableGrid& grid, const std::string& sheet)
    {
        try {
            Export(grid, sheet);
        } catch (const XlsError& error) {
            return error.what();
        }
        return "no error";
    }

    kontaro::test::TempDir folder;
    std::string target = folder.File("export.xls");
    GridXlsExport exporter;
    TableGrid example{{{"Name", "Menge"}, {"Apfel", "12,00"}, {"", "12,00"}}};
};

TEST_F(GridXlsExportTest, ExampleSheet)
{
    example.widths = {150, 64};
    Export(example, "Summe");
    const auto records = RecordsIn(target);
    const auto sheet = Section(records, 1);
    const auto colinfo = OfKind(sheet, rec::COLINFO);
    ASSERT_EQ(colinfo.size(), 2u);
    EXPECT_EQ(colinfo[0].data, (Bytes{0, 0, 0, 0, 0x6E, 0x15, 15, 0, 0, 0, 0, 0})); // 5486
    EXPECT_EQ(colinfo[1].data, (Bytes{1, 0, 1, 0, 0x25, 0x09, 15, 0, 0, 0, 0, 0})); // 2341
    const auto tail = FromDimensions(sheet);
    EXPECT_EQ(IdsOf(tail), (std::vector<std::uint16_t>{rec::DIMENSIONS, rec::ROW, rec::ROW, rec::ROW, rec::LABELSST,
                                                       rec::LABELSST, rec::LABELSST, rec::RK, rec::BLANK, rec::RK,
                                                       rec::WINDOW2, 0x001D, 0x00EF, rec::EOF_}));
    EXPECT_EQ(tail[0].data, (Bytes{0, 0, 0, 0, 3, 0, 0, 0, 0, 0, 2, 0, 0, 0}));
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(tail[1 + row].data,
                  (Bytes{static_cast<std::uint8_t>(row), 0, 0, 0, 2, 0, 0x4A, 0x01, 0, 0, 0, 0, 0x40, 0x01, 15, 0}));
    }
    EXPECT_EQ(GetU32(tail[7].data.data() + 6), 0x40280000u); // 12 as an RK value
    const std::uint16_t look = GetU16(tail[4].data.data() + 4);
    EXPECT_EQ(look, 21); // every cell has the same look: the first registered XF
    EXPECT_EQ(GetU16(tail[8].data.data() + 4), look);

    const auto sst = OfKind(Section(records, 0), rec::SST);
    ASSERT_EQ(sst.size(), 1u);
    EXPECT_EQ(GetU32(sst[0].data.data()), 3u);
    EXPECT_EQ(GetU32(sst[0].data.data() + 4), 3u);
    // Shorter strings first: "Name", then "Apfel" and "Menge" by their bytes.
    SharedStringTable strings;
    const auto list = strings.ReadRecord(sst[0]);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(SharedStringTable::TextOf(list[0]->first), u"Name");
    EXPECT_EQ(SharedStringTable::TextOf(list[1]->first), u"Apfel");
    EXPECT_EQ(SharedStringTable::TextOf(list[2]->first), u"Menge");
    EXPECT_EQ(OfKind(Section(records, 0), rec::FONT).size(), 5u);
}

TEST_F(GridXlsExportTest, NewFileHasOneSheetWithTheName)
{
    Export(example, "");
    EXPECT_EQ(SheetNames(target), std::vector<std::string>{"Sheet1"});
    std::filesystem::remove(target);
    Export(example, "05-03-31");
    EXPECT_EQ(SheetNames(target), std::vector<std::string>{"05-03-31"});
}

TEST_F(GridXlsExportTest, ExistingWorkbookGainsOrRefillsASheet)
{
    Export(example, "Erste");
    Export(TableGrid{{{"zweite"}}}, "Zweite");
    Export(TableGrid{{{"dritte"}}}, "Dritte");
    EXPECT_EQ(SheetNames(target), (std::vector<std::string>{"Erste", "Zweite", "Dritte"}));
    Export(TableGrid{{{"neu", "1"}}}, "Erste");
    EXPECT_EQ(SheetNames(target), (std::vector<std::string>{"Erste", "Zweite", "Dritte"}));

    const auto records = RecordsIn(target);
    EXPECT_EQ(IdsOf(FromDimensions(Section(records, 1))),
              (std::vector<std::uint16_t>{rec::DIMENSIONS, rec::ROW, rec::LABELSST, rec::RK, rec::WINDOW2, 0x001D,
                                          0x00EF, rec::EOF_}));
    for (int sheet = 1; sheet <= 3; ++sheet) {
        const auto window2 = OfKind(Section(records, sheet), rec::WINDOW2);
        EXPECT_EQ(GetU16(window2.at(0).data.data()) & 0x0600, sheet == 1 ? 0x0600 : 0) << sheet;
    }
    // The strings of the replaced sheet are gone, those of the others stay.
    const auto sst = OfKind(Section(records, 0), rec::SST);
    EXPECT_EQ(GetU32(sst.at(0).data.data() + 4), 3u);
}

TEST_F(GridXlsExportTest, OverwriteModes)
{
    Export(example, "Erste");
    Export(example, "Zweite");
    Export(example, "Neu", OverwriteMode::Always);
    EXPECT_EQ(SheetNames(target), std::vector<std::string>{"Neu"});

    std::string asked;
    exporter.OnConfirmOverwrite = [&](const std::string& question) {
        asked = question;
        return false;
    };
    const std::string before = FileBytes(target);
    Export(example, "Anders", OverwriteMode::Warn);
    EXPECT_EQ(asked, "File " + target + " already exists\rOk to overwrite ?");
    EXPECT_EQ(FileBytes(target), before);
    exporter.OnConfirmOverwrite = [](const std::string&) { return true; };
    Export(example, "Anders", OverwriteMode::Warn);
    EXPECT_EQ(SheetNames(target), std::vector<std::string>{"Anders"});
}

TEST_F(GridXlsExportTest, FailedExportLeavesTheTargetAsItWas)
{
    Export(example, "Summe");
    Export(example, "Tag");
    const std::string before = FileBytes(target);
    // "summe" is no exact match, so a new sheet is added; naming it then clashes with "Summe".
    EXPECT_EQ(Error(example, "summe"), "Sheet name already exists: summe");
    EXPECT_EQ(Error(example, "a/b"), "Invalid sheet name: a/b");
    EXPECT_EQ(FileBytes(target), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST_F(GridXlsExportTest, ReplacedFileKeepsPermissionsAndLinks)
{
    Export(example, "Erste");
    namespace fs = std::filesystem;
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    const std::string link = folder.File("link.xls");
    fs::create_symlink(target, link);
    exporter.Grid = &example;
    exporter.ExportGrid(link, "Zweite", -1, 1);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(SheetNames(target), (std::vector<std::string>{"Erste", "Zweite"}));
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(GridXlsExportTest, SheetThatTakesNoCellsIsRefused)
{
    WorkbookFile book;
    book.CreateFromTemplate();
    Bytes stream = book.WriteWorkbookStream();
    const auto records = RecordsOf(stream);
    const std::size_t sheetBof = GetU32(OfKind(records, rec::BOUNDSHEET).at(0).data.data());
    SetU16(stream.data() + sheetBof + 6, 0x0020); // the sheet becomes a chart
    const Bytes file = WriteCompoundFile({}, stream);
    std::ofstream(target, std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    EXPECT_EQ(Error(example, "Sheet1"), "Sheet \"Sheet1\" is not a worksheet");
    EXPECT_EQ(FileBytes(target), std::string(file.begin(), file.end()));
    Export(example, "Daten");
    EXPECT_EQ(SheetNames(target), (std::vector<std::string>{"Sheet1", "Daten"}));
}

TEST_F(GridXlsExportTest, WorkbookWithASheetSectionMissingIsRefusedAndKept)
{
    WorkbookFile book;
    book.CreateFromTemplate(2);
    Bytes stream = book.WriteWorkbookStream();
    const auto bounds = OfKind(RecordsOf(stream), rec::BOUNDSHEET);
    stream.resize(GetU32(bounds.at(1).data.data())); // the second sheet's section is cut off
    const Bytes file = WriteCompoundFile({}, stream);
    std::ofstream(target, std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    EXPECT_EQ(Error(example, "Neu"), "Error reading Excel records. File invalid");
    EXPECT_EQ(FileBytes(target), std::string(file.begin(), file.end()));
}

TEST_F(GridXlsExportTest, TargetThatIsNoWorkbookIsRefusedAndKept)
{
    std::ofstream(target) << "Name;Menge\n";
    EXPECT_EQ(Error(example, "Summe"), "The file \"" + target + "\" is invalid");
    EXPECT_EQ(FileBytes(target), "Name;Menge\n");
}

TEST_F(GridXlsExportTest, UnwritableTargetIsReported)
{
    target = folder.File("missing/export.xls");
    EXPECT_EQ(Error(example, "Summe"),
              "Can't write to file \"" + target + "\". Check it is not in use by another user");
}

TEST_F(GridXlsExportTest, NoGrid)
{
    exporter.Grid = nullptr;
    try {
        exporter.ExportGrid(target, "x");
        FAIL();
    } catch (const XlsError& error) {
        EXPECT_STREQ(error.what(), "There is no grid assigned to this component");
    }
}

TEST_F(GridXlsExportTest, TextsBecomeNumbersBooleansDatesOrTexts)
{
    Export(TableGrid{{{"1.234,50", "12,50 %", "true", "05-03-31", "FALSE", "12:30"}}}, "Werte");
    WorkbookFile book;
    book.ReadWorkbookFile(target);
    const auto& cells = book.SheetAt(1).Rows().at(0).cells;
    ASSERT_EQ(cells.size(), 6u);
    EXPECT_EQ(cells[0].kind, CellKind::Rk);
    EXPECT_EQ(cells[0].number, 1234.5);
    EXPECT_EQ(cells[1].kind, CellKind::LabelSst);
    EXPECT_EQ(cells[2].kind, CellKind::BoolErr);
    EXPECT_EQ(cells[2].boolValue, 1);
    EXPECT_EQ(cells[3].kind, CellKind::Rk);
    EXPECT_EQ(cells[3].number, 38442.0);
    EXPECT_EQ(book.DescribeXf(cells[3].xf).numberFormat, u"yy-mm-dd");
    EXPECT_EQ(GetU16(book.Globals().formats.xfs.at(cells[3].xf).data.data() + 2), 164);
    EXPECT_EQ(cells[4].boolValue, 0);
    EXPECT_EQ(book.DescribeXf(cells[5].xf).numberFormat, u"hh:mm");
}

TEST_F(GridXlsExportTest, LineBreakTagsWithoutMarkup)
{
    exporter.Options.ExportHTMLTags = false;
    Export(TableGrid{{{"erste<br>zweite", "<b>fett</b>", "eins"}}}, "Text");
    WorkbookFile book;
    book.ReadWorkbookFile(target);
    const auto& cells = book.SheetAt(1).Rows().at(0).cells;
    EXPECT_EQ(SharedStringTable::TextOf(cells[0].sst->first), u"erste\r\nzweite");
    EXPECT_TRUE(book.DescribeXf(cells[0].xf).wrap);
    EXPECT_EQ(SharedStringTable::TextOf(cells[1].sst->first), u"fett");
    EXPECT_FALSE(book.DescribeXf(cells[2].xf).wrap);
}

TEST_F(GridXlsExportTest, LookOfTheCells)
{
    TableGrid grid{{{"a", "b"}, {"c", "d"}}};
    grid.shadedColumn = 1;
    grid.shadedRow = 0;
    grid.font.heightPixels = 11; // 8 points at 96 pixels per inch
    grid.font.bold = true;
    grid.font.colour = MakeColour(255, 0, 0);
    grid.horizontal = GridHorizontalAlignment::Right;
    grid.vertical = GridVerticalAlignment::Top;
    Export(grid, "Aussehen");
    WorkbookFile book;
    book.ReadWorkbookFile(target);
    const auto& row = book.SheetAt(1).Rows().at(0).cells;
    const CellFormat white = book.DescribeXf(row[0].xf);
    const CellFormat grey = book.DescribeXf(row[1].xf);
    EXPECT_EQ(white.fillPattern, 1);
    EXPECT_EQ(grey.fillPattern, 2);
    EXPECT_EQ(grey.fillForeground, 15);
    EXPECT_EQ(white.font.height, 165);
    EXPECT_EQ(white.font.style, kFontBold);
    EXPECT_EQ(white.font.colour, 3);
    EXPECT_EQ(white.horizontalAlignment, 3);
    EXPECT_EQ(white.verticalAlignment, 0);
    EXPECT_EQ(book.SheetAt(1).Rows().at(1).cells[0].xf, row[0].xf); // an equal look shares its XF
}

TEST_F(GridXlsExportTest, HiddenColumnsAreLeftOut)
{
    TableGrid grid{{{"a", "versteckt", "c"}}};
    grid.hidden = {1};
    grid.widths = {10, 20, 30};
    Export(grid, "Sichtbar");
    WorkbookFile book;
    book.ReadWorkbookFile(target);
    const auto& cells = book.SheetAt(1).Rows().at(0).cells;
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_EQ(cells[1].column, 1);
    EXPECT_EQ(SharedStringTable::TextOf(cells[1].sst->first), u"c");
    EXPECT_EQ(book.SheetAt(1).Columns().at(1).width, 1097); // 30 pixels
}

TEST_F(GridXlsExportTest, SpanIsMergedAndShareTheLook)
{
    TableGrid grid{{{"Titel", "", ""}, {"x", "y", "z"}}};
    grid.spanColumn = 0;
    grid.spanRow = 0;
    grid.spanColumns = 2;
    Export(grid, "Block");
    const auto sheet = Section(RecordsIn(target), 1);
    const auto merged = OfKind(sheet, rec::MERGEDCELLS);
    ASSERT_EQ(merged.size(), 1u);
    EXPECT_EQ(merged[0].data, (Bytes{1, 0, 0, 0, 0, 0, 0, 0, 2, 0}));
    const auto blanks = OfKind(sheet, rec::MULBLANK);
    ASSERT_EQ(blanks.size(), 1u);
    const std::uint16_t look = GetU16(OfKind(sheet, rec::LABELSST).at(0).data.data() + 4);
    EXPECT_EQ(blanks[0].data,
              (Bytes{0, 0, 1, 0, static_cast<std::uint8_t>(look), 0, static_cast<std::uint8_t>(look), 0, 2, 0}));
}

} // namespace
} // namespace kontaro::xls
