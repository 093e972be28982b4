// The pieces that read an export: numbers by the declared dialect, timestamps,
// index.xml, the CSV tables, folders and ZIPs.
#include "support/bytes.h"
#include "support/temp_dir.h"
#include "support/till_project.h"
#include "till/csv_table.h"
#include "till/decimal.h"
#include "till/export_files.h"
#include "till/import_error.h"
#include "till/index_xml.h"
#include "till/timestamps.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <zip.h>

namespace kontaro::till {
namespace {

using test::ReadFileBytes;
using test::TempDir;
using test::TillExport;
using test::WriteFileBytes;

std::optional<std::string> Text(const ExportFiles& files, std::string_view name)
{
    const std::string* bytes = files.Read(name);
    return bytes ? std::optional<std::string>(*bytes) : std::nullopt;
}

std::string ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const ImportError& error) {
        return error.what();
    }
    return "";
}

TEST(TillDecimal, ReadsOnlyWhatTheDeclaredDialectAllows)
{
    const NumberFormat comma{',', '.', 3};
    const NumberFormat dot{'.', ',', 2};
    const struct {
        std::string_view text;
        NumberFormat format;
        std::optional<int64_t> units;
    } cases[] = {
        {"2,000", comma, 200000},
        {"2,5", comma, 250000},
        {"-1,000", comma, -100000},
        {"0", comma, 0},
        {"1.234,5", comma, 123450000},
        {"12.345.678", comma, 1234567800000},
        {"6,40", {',', '.', 5}, 640000},
        {"+3", comma, 300000},
        {"1.50", comma, std::nullopt},
        {"6.40000", {',', '.', 5}, std::nullopt},
        {"1,5000", comma, std::nullopt},
        {"1234.5", comma, std::nullopt},
        {"1,", comma, std::nullopt},
        {",5", comma, std::nullopt},
        {"1.2.3", comma, std::nullopt},
        {"-", comma, std::nullopt},
        {"1,5", {',', '.', 0}, std::nullopt},
        {"1 000", comma, std::nullopt},
        {"3.20", dot, 320000},
        {"1,234.50", dot, 123450000},
        {"3,20", dot, std::nullopt},
        {"12345678901234", comma, std::nullopt},
    };
    for (const auto& c : cases) {
        Decimal value;
        const bool ok = ParseDecimal(c.text, c.format, value);
        EXPECT_EQ(ok, c.units.has_value()) << c.text;
        if (ok && c.units) {
            EXPECT_EQ(value.units, *c.units) << c.text;
        }
    }
}

TEST(TillDecimal, TextsRoundHalfAwayFromZero)
{
    EXPECT_EQ(DecimalText(Decimal{640000}, 2, ','), "6,40");
    EXPECT_EQ(DecimalText(Decimal{-250000}, 2, '.'), "-2.50");
    EXPECT_EQ(DecimalText(Decimal{1500}, 2, ','), "0,02");
    EXPECT_EQ(DecimalText(Decimal{-1500}, 2, ','), "-0,02");
    EXPECT_EQ(DecimalText(Decimal{-400}, 2, ','), "0,00");
    EXPECT_EQ(QuantityText(Decimal{300000}, ','), "3");
    EXPECT_EQ(QuantityText(Decimal{-150000}, ','), "-1,5");
    EXPECT_EQ(Divide(Multiply(Decimal{200000}, Decimal{500000}), Decimal{150000}).units, 666667);
}

TEST(TillTimestamps, TheLocalDateCounts)
{
    const auto day = [](int y, int m, int d) { return model::DayFromCivil({y, m, d}); };
    const struct {
        std::string_view text;
        std::optional<model::DayNumber> expected;
    } cases[] = {
        {"2024-03-14T23:59:59", day(2024, 3, 14)},
        {"2024-03-14 08:00:00", day(2024, 3, 14)},
        {"2024-03-14T23:30:00Z", day(2024, 3, 15)}, // CET: 00:30
        {"2024-03-14T22:59:59Z", day(2024, 3, 14)},
        {"2024-07-01T22:30:00Z", day(2024, 7, 2)}, // CEST: 00:30
        {"2024-07-01T21:59:59.125Z", day(2024, 7, 1)},
        {"2024-03-31T00:59:59Z", day(2024, 3, 31)},  // the last hour of winter time
        {"2024-10-26T22:30:00Z", day(2024, 10, 27)}, // still summer time
        {"2024-10-27T22:30:00Z", day(2024, 10, 27)}, // winter time again: 23:30
        {"2024-03-14T23:30:00+01:00", day(2024, 3, 14)},
        {"2024-03-15T00:30:00+02:00", day(2024, 3, 14)}, // 22:30 UTC, 23:30 CET
        {"2024-03-14T20:00:00-05:00", day(2024, 3, 15)}, // 01:00 UTC, 02:00 CET
        {"2024-03-14T12:00:00+0100", day(2024, 3, 14)},
        {"2024-02-30T12:00:00", std::nullopt},
        {"2024-03-14T24:00:00", std::nullopt},
        {"2024-03-14", std::nullopt},
        {"14.03.2024 12:00", std::nullopt},
        {"2024-03-14T12:00:00+1", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LocalDayOfTimestamp(c.text), c.expected) << c.text;
    EXPECT_EQ(DayOfDate("2024-03-14"), day(2024, 3, 14));
    EXPECT_EQ(DayOfDate("2024-3-14"), std::nullopt);
}

TEST(TillIndexXml, TheSampleIsReadWithoutItsDtd)
{
    const std::string bytes = ReadFileBytes(TillExport("sample/index.xml"));
    ASSERT_EQ(bytes.rfind("\xEF\xBB\xBF", 0), 0u) << "the sample starts with a byte-order mark";
    const auto tables = ParseIndexXml(bytes);
    ASSERT_EQ(tables.size(), 3u);
    const TableDialect& lines = tables[1];
    EXPECT_EQ(lines.url, "lines.csv");
    EXPECT_EQ(lines.name, "Bonpos");
    EXPECT_TRUE(lines.utf8);
    EXPECT_EQ(lines.columnDelimiter, ';');
    EXPECT_EQ(lines.recordDelimiter, "\r\n");
    EXPECT_EQ(lines.textEncapsulator, '"');
    EXPECT_EQ(lines.decimalSymbol, ',');
    EXPECT_EQ(lines.groupingSymbol, '.');
    EXPECT_EQ(lines.from, 2);
    ASSERT_EQ(lines.columns.size(), 21u);
    ASSERT_NE(lines.Column("STK_BR"), nullptr);
    EXPECT_TRUE(lines.Column("STK_BR")->numeric);
    EXPECT_EQ(lines.Column("STK_BR")->accuracy, 5);
    EXPECT_FALSE(lines.Column("ART_NR")->numeric);
}

TEST(TillIndexXml, BrokenAndUnreadableDescriptionsAreRefused)
{
    EXPECT_EQ(ErrorOf([] { ParseIndexXml("<DataSet>\n<Media><Table></Media>"); }),
              "index.xml, Zeile 2, Spalte 17: kein gültiges XML.");
    EXPECT_EQ(ErrorOf([] {
                  ParseIndexXml("<DataSet><Media><Table><URL>a.csv</URL><UTF8/><VariableLength>"
                                "<ColumnDelimiter>;;</ColumnDelimiter></VariableLength></Table></Media></DataSet>");
              }),
              "index.xml, Tabelle \"a.csv\": das Spaltentrennzeichen \";;\" wird nicht unterstützt.");
    // An external entity is neither fetched nor expanded.
    const auto tables = ParseIndexXml("<?xml version=\"1.0\"?><!DOCTYPE DataSet [<!ENTITY x SYSTEM "
                                      "\"file:///etc/passwd\">]><DataSet><Media><Table><URL>&x;a.csv</URL>"
                                      "</Table></Media></DataSet>");
    ASSERT_EQ(tables.size(), 1u);
    EXPECT_EQ(tables[0].url, "a.csv");
}

TableDialect Dialect(std::vector<ColumnDecl> columns)
{
    TableDialect dialect;
    dialect.utf8 = true;
    dialect.from = 2;
    dialect.columns = std::move(columns);
    return dialect;
}

TEST(TillCsvTable, FieldsByHeaderNameWithQuotesAndLineEnds)
{
    const TableDialect dialect = Dialect({{"A", false, 0}, {"B", false, 0}, {"N", true, 2}});
    CsvTable table("t.csv",
                   "\xEF\xBB\xBF"
                   "B;a;N\r\n\"x;\"\"y\"\"\";1;2,50\n\r\n\"two\nlines\";2;\r1;3;-1",
                   dialect);
    const int a = table.Require("A");
    const int b = table.Require("b");
    const int n = table.Require("N");
    ASSERT_TRUE(table.Next());
    EXPECT_EQ(table.Line(), 2);
    EXPECT_EQ(table.Field(b), "x;\"y\"");
    EXPECT_EQ(table.Field(a), "1");
    EXPECT_EQ(table.Number(n).units, 250000);
    ASSERT_TRUE(table.Next());
    EXPECT_EQ(table.Line(), 4);
    EXPECT_EQ(table.Field(b), "two\nlines");
    EXPECT_FALSE(table.OptionalNumber(n));
    ASSERT_TRUE(table.Next());
    EXPECT_EQ(table.Line(), 6);
    EXPECT_EQ(table.Number(n).units, -100000);
    EXPECT_FALSE(table.Next());
}

TEST(TillCsvTable, ErrorsNameFileLineAndColumn)
{
    const TableDialect dialect = Dialect({{"A", false, 0}, {"N", true, 2}});
    EXPECT_EQ(ErrorOf([&] {
                  CsvTable table("t.csv", "A;N\r\nx;1\r\ny\r\n", dialect);
                  while (table.Next()) {
                  }
              }),
              "t.csv, Zeile 3: 1 Felder statt 2 wie in der Kopfzeile.");
    EXPECT_EQ(ErrorOf([&] {
                  CsvTable table("t.csv", "A;N\r\nx;1\r\n\"y;2\r\n", dialect);
                  while (table.Next()) {
                  }
              }),
              "t.csv, Zeile 3, Spalte 1: das Textfeld endet nicht (fehlendes \").");
    EXPECT_EQ(ErrorOf([&] {
                  CsvTable table("t.csv", "A;N\r\nx;1.5\r\n", dialect);
                  table.Next();
                  table.Number(table.Require("N"));
              }),
              "t.csv, Zeile 2, Spalte 2 (N): \"1.5\" ist keine Zahl im Format laut index.xml (Dezimalzeichen "
              "\",\", Tausendertrennzeichen \".\", höchstens 2 Nachkommastellen). Nichts wurde importiert.");
    EXPECT_EQ(ErrorOf([&] {
                  CsvTable table("t.csv", "A;N\r\n", dialect);
                  table.Require("MENGE");
              }),
              "t.csv, Zeile 1: die Spalte \"MENGE\" fehlt.");
    EXPECT_EQ(ErrorOf([&] { CsvTable table("t.csv", "", dialect); }),
              "t.csv: die Kopfzeile mit den Spaltennamen fehlt.");
}

// Field ends are found many bytes at a time: fields of every length up to beyond
// that stretch, quoted or not, with every line end, read back as written.
TEST(TillCsvTable, FieldsOfEveryLengthAcrossLongRecords)
{
    const TableDialect dialect = Dialect({{"A", false, 0}, {"B", false, 0}, {"N", true, 0}});
    const char* const ends[] = {"\r\n", "\n", "\r"};
    std::string bytes = "A;B;N\r\n";
    for (size_t i = 0; i < 300; ++i) {
        const std::string plain(i, static_cast<char>('a' + i % 26));
        const std::string quoted = i % 3 == 0 ? "\"" + plain + ";\"" : plain;
        bytes += plain + ";" + quoted + ";" + std::to_string(i) + ends[i % 3];
    }
    CsvTable table("t.csv", bytes, dialect);
    for (size_t i = 0; i < 300; ++i) {
        ASSERT_TRUE(table.Next()) << i;
        const std::string plain(i, static_cast<char>('a' + i % 26));
        ASSERT_EQ(table.Field(0), plain) << i;
        ASSERT_EQ(table.Field(1), i % 3 == 0 ? plain + ";" : plain) << i;
        ASSERT_EQ(table.Number(2), Decimal::FromInteger(static_cast<int64_t>(i))) << i;
        ASSERT_EQ(table.Line(), static_cast<int>(i) + 2);
    }
    EXPECT_FALSE(table.Next());
}

TEST(TillCsvTable, AnAnsiTableIsReadAsWindows1252)
{
    TableDialect dialect = Dialect({{"T", false, 0}});
    dialect.utf8 = false;
    CsvTable table("t.csv",
                   "T\r\nHei\xdf"
                   "getr\xe4nke\r\n",
                   dialect);
    ASSERT_TRUE(table.Next());
    EXPECT_EQ(table.Utf8(0), "Heißgetränke");
    dialect.utf8 = true;
    CsvTable broken("t.csv", "T\r\nHei\xdf\r\n", dialect);
    ASSERT_TRUE(broken.Next());
    EXPECT_EQ(ErrorOf([&] { broken.Utf8(0); }), "t.csv, Zeile 2: kein gültiges UTF-8, obwohl index.xml UTF-8 angibt.");
}

// Packs the files of a fixture folder into a ZIP, under `prefix`.
void ZipFolder(const std::string& folder, const std::string& zipPath, const std::string& prefix)
{
    int error = 0;
    zip_t* archive = zip_open(zipPath.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(archive, nullptr);
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        zip_source_t* source = zip_source_file(archive, entry.path().c_str(), 0, -1);
        ASSERT_NE(source, nullptr);
        const zip_int64_t index =
            zip_file_add(archive, (prefix + entry.path().filename().string()).c_str(), source, ZIP_FL_OVERWRITE);
        ASSERT_GE(index, 0);
        zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
    }
    ASSERT_EQ(zip_close(archive), 0);
}

TEST(TillExportFiles, FolderZipAndIndexFileGiveTheSameTables)
{
    TempDir dir;
    const std::string zipPath = dir.File("export.zip");
    ZipFolder(TillExport("sample"), zipPath, "Export 2024/");
    const std::string lines = ReadFileBytes(TillExport("sample/lines.csv"));
    for (const std::string& path : {TillExport("sample"), TillExport("sample/index.xml"), zipPath}) {
        const ExportFiles files = ExportFiles::Open(path);
        EXPECT_EQ(Text(files, "lines.csv"), lines) << path;
        EXPECT_EQ(Text(files, "LINES.CSV"), lines) << path;
        EXPECT_EQ(Text(files, "./lines.csv"), lines) << path;
        EXPECT_EQ(Text(files, "cashpointclosing.csv"), std::nullopt) << path;
    }
    // A folder that holds the export in a folder of its own.
    std::filesystem::create_directory(dir.File("outer"));
    std::filesystem::copy(TillExport("sample"), dir.File("outer/export"));
    EXPECT_EQ(Text(ExportFiles::Open(dir.File("outer")), "lines.csv"), lines);
}

TEST(TillExportFiles, BrokenZipsAndMissingExportsAreRefused)
{
    TempDir dir;
    const std::string zipPath = dir.File("export.zip");
    ZipFolder(TillExport("sample"), zipPath, "");
    std::string bytes = ReadFileBytes(zipPath);

    WriteFileBytes(dir.File("cut.zip"), bytes.substr(0, bytes.size() / 2));
    EXPECT_EQ(ErrorOf([&] { ExportFiles::Open(dir.File("cut.zip")); }),
              "Die ZIP-Datei \"" + dir.File("cut.zip") + "\" ist beschädigt oder keine ZIP-Datei.");

    // A stored entry with a changed byte fails its checksum.
    const size_t at = bytes.find("Croissant Butter;T1");
    ASSERT_NE(at, std::string::npos);
    bytes[at] = 'l';
    WriteFileBytes(dir.File("crc.zip"), bytes);
    const ExportFiles files = ExportFiles::Open(dir.File("crc.zip"));
    EXPECT_EQ(ErrorOf([&] { files.Read("lines.csv"); }),
              "Die Datei \"lines.csv\" in der ZIP-Datei \"" + dir.File("crc.zip") + "\" ist beschädigt.");

    EXPECT_EQ(ErrorOf([&] { ExportFiles::Open(dir.File("fehlt.zip")); }),
              "Die Kassendaten \"" + dir.File("fehlt.zip") + "\" gibt es nicht oder sie sind nicht lesbar.");
    EXPECT_EQ(ErrorOf([&] { ExportFiles::Open(dir.Path().string()); }),
              "In \"" + dir.Path().string() + "\" gibt es keine index.xml: das ist kein DSFinV-K-Export.");
}

} // namespace
} // namespace kontaro::till
