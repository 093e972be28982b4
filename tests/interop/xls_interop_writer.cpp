// Writes the workbooks that the external readers check: exports of small grids into new and
// existing files, and exports into copies of the third-party workbooks of the corpus. What each
// file must hold is stated in check_workbooks.py; the outcome for each corpus file is listed
// in corpus.txt (carried: the replaced sheet; refused: the message). Copies of the readable
// corpus workbooks with empty records of identifier 0 inside every sheet, as some writers
// leave them, get a sheet added; they are listed in empty_records.txt.
//
// usage: xls_interop_writer OUTPUT_FOLDER CORPUS_FOLDER

#include "xls/biff_record.h"
#include "xls/compound_file_reader.h"
#include "xls/compound_file_writer.h"
#include "xls/exportable_grid.h"
#include "xls/grid_xls_export.h"
#include "xls/workbook_file.h"
#include "xls/xls_error.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace kontaro::xls;

class TextGrid : public ExportableGrid {
public:
    explicit TextGrid(std::vector<std::vector<std::string>> rows) : rows_(std::move(rows)) {}
    int RowCount() const override { return static_cast<int>(rows_.size()); }
    int ColumnCount() const override { return static_cast<int>(rows_.at(0).size()); }
    int ColumnWidthPixels(int column) const override { return column == 0 ? 150 : 64; }
    int RowHeightPixels(int) const override { return 22; }
    std::string CellText(int column, int row) const override { return rows_.at(row).at(column); }
    GridFont CellFont(int, int row) const override
    {
        GridFont font;
        font.name = "Tahoma";
        font.heightPixels = 11;
        font.bold = row == 0;
        return font;
    }
    Colour CellBackground(int column, int row) const override
    {
        return row > 0 && column == 1 ? MakeColour(255, 255, 204) : MakeColour(255, 255, 255);
    }
    GridHorizontalAlignment CellHorizontalAlignment(int column, int) const override
    {
        return column == 0 ? GridHorizontalAlignment::Left : GridHorizontalAlignment::Right;
    }
    GridVerticalAlignment CellVerticalAlignment(int, int) const override { return GridVerticalAlignment::Centre; }
    GridCellSpan CellSpan(int column, int row) const override
    {
        if (spanRow < 0 || row != spanRow)
            return {};
        return column == 0 ? GridCellSpan{1, 0, true} : column == 1 ? GridCellSpan{0, 0, false} : GridCellSpan{};
    }
    int spanRow = -1;

private:
    std::vector<std::vector<std::string>> rows_;
};

void Export(const ExportableGrid& grid, const fs::path& file, const std::string& sheet,
            OverwriteMode mode = OverwriteMode::Never)
{
    GridXlsExport exporter;
    exporter.Grid = &grid;
    exporter.SetGridStartRow(0);
    exporter.SetGridStartCol(0);
    exporter.Locale = {',', '.'};
    exporter.Options.ExportOverwrite = mode;
    exporter.ExportGrid(file.string(), sheet, -1, 1);
}

TextGrid Day(const std::string& date, const std::string& amount)
{
    return TextGrid{{{"Datum", date, ""}, {"Apfel", amount, "3"}, {"Summe", amount, "3"}}};
}

void WriteOwnWorkbooks(const fs::path& out)
{
    Export(TextGrid{{{"Name", "Menge"}, {"Apfel", "12,00"}, {"", "12,00"}}}, out / "example.xls", "Summe");

    const fs::path series = out / "series.xls";
    Export(Day("05-03-29", "1,50"), series, "05-03-29");
    Export(Day("05-03-30", "2,50"), series, "05-03-30");
    Export(Day("05-03-31", "3,50"), series, "05-03-31");
    Export(Day("05-03-30", "1.234,75"), series, "05-03-30");

    const fs::path kinds = out / "kinds.xls";
    Export(
        TextGrid{{{"Text", "12,50", "1.234,50", "TRUE", "05-03-31", "12:30", "", "\u20ACuro \u03A9", "-0,1", "1e300"}}},
        kinds, "Werte");
    std::vector<std::vector<std::string>> rows;
    rows.push_back({std::string(9000, 'x'), "1"});
    for (int row = 1; row < 40; ++row)
        rows.push_back({"Zeile " + std::to_string(row), std::to_string(row) + ",25"});
    TextGrid longGrid(rows);
    longGrid.spanRow = 5;
    Export(longGrid, kinds, "Lang");
    rows.clear();
    for (int row = 0; row < 1500; ++row) {
        rows.push_back(
            {"Produkt Nummer " + std::to_string(row) + (row % 3 ? "" : " \u00E4\u0416"), std::to_string(row)});
    }
    Export(TextGrid(rows), kinds, "Viele");
    Export(TextGrid{{{"neu"}}}, out / "replaced.xls", "Alt");
    Export(TextGrid{{{"neu"}}}, out / "replaced.xls", "Neu", OverwriteMode::Always);
}

// The corpus's workbooks in name order, so that every run lists them alike.
std::vector<fs::path> CorpusWorkbooks(const fs::path& corpus)
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(corpus)) {
        if (entry.path().extension() == ".xls")
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

void WriteCorpusWorkbooks(const fs::path& out, const fs::path& corpus)
{
    fs::create_directories(out / "corpus");
    std::ofstream list(out / "corpus.txt");
    const std::vector<fs::path> files = CorpusWorkbooks(corpus);
    const TextGrid grid{{{"Kontaro", "Wert"}, {"Apfel", "12,50"}}};
    for (const fs::path& source : files) {
        const fs::path copy = out / "corpus" / source.filename();
        fs::copy_file(source, copy, fs::copy_options::overwrite_existing);
        std::string replaced;
        try {
            WorkbookFile book;
            book.ReadWorkbookFile(copy.string());
            for (int sheet = book.SheetTotal(); sheet >= 1 && replaced.empty(); --sheet) {
                book.SetCurrentSheet(sheet);
                if (book.SheetAt(sheet).IsWorksheet())
                    replaced = book.CurrentSheetTitle();
            }
        } catch (const XlsError&) {
            // The export below reports why the file cannot be read.
        }
        try {
            Export(grid, copy, "Kontaro");
            if (!replaced.empty())
                Export(grid, copy, replaced);
            list << source.filename().string() << "\tcarried\t" << replaced << "\n";
        } catch (const XlsError& error) {
            list << source.filename().string() << "\trefused\t" << error.what() << "\n";
        }
    }
}

// The stream with an empty record of identifier 0 in every sheet: after the sheet's first
// record and before its EOF. The BOUNDSHEET positions move along.
Bytes WithEmptyRecordsInSheets(const Bytes& stream)
{
    std::vector<std::size_t> inserts;
    std::vector<std::size_t> positions; // of the BOUNDSHEET position fields
    int depth = 0;
    int section = -1;
    std::size_t inSection = 0;
    for (std::size_t at = 0; at + 4 <= stream.size();) {
        const std::uint16_t id = GetU16(stream.data() + at);
        const std::size_t next = at + 4 + GetU16(stream.data() + at + 2);
        if (id == rec::BOF && depth++ == 0) {
            ++section;
            inSection = 0;
        } else if (depth == 1) {
            ++inSection;
        }
        if (section == 0 && id == rec::BOUNDSHEET)
            positions.push_back(at + 4);
        if (section > 0 && depth == 1 && inSection == 1 && id != rec::EOF_)
            inserts.push_back(next);
        if (id == rec::EOF_ && depth > 0 && --depth == 0 && section > 0)
            inserts.push_back(at);
        at = next;
    }
    const Bytes empty = {0, 0, 0, 0};
    Bytes out;
    std::size_t copied = 0;
    for (const std::size_t at : inserts) {
        out.insert(out.end(), stream.begin() + static_cast<std::ptrdiff_t>(copied),
                   stream.begin() + static_cast<std::ptrdiff_t>(at));
        out.insert(out.end(), empty.begin(), empty.end());
        copied = at;
    }
    out.insert(out.end(), stream.begin() + static_cast<std::ptrdiff_t>(copied), stream.end());
    for (const std::size_t field : positions) {
        const std::uint32_t old = GetU32(stream.data() + field);
        const auto before = std::count_if(inserts.begin(), inserts.end(), [old](std::size_t at) { return at <= old; });
        SetU32(out.data() + field, static_cast<std::uint32_t>(old + empty.size() * static_cast<std::size_t>(before)));
    }
    return out;
}

void WriteEmptyRecordWorkbooks(const fs::path& out, const fs::path& corpus)
{
    const fs::path folder = out / "empty_records";
    fs::create_directories(folder / "source");
    std::ofstream list(out / "empty_records.txt");
    const std::vector<fs::path> files = CorpusWorkbooks(corpus);
    const TextGrid grid{{{"Kontaro", "Wert"}, {"Apfel", "12,50"}}};
    for (const fs::path& file : files) {
        CompoundFileContents contents;
        try {
            contents = ReadCompoundFileAt(file.string());
            WorkbookFile probe;
            probe.ReadWorkbookStream(contents.workbook);
        } catch (const XlsError&) {
            continue; // the refused files are checked as they are
        }
        const fs::path source = folder / "source" / file.filename();
        WriteCompoundFileAt(source.string(), contents.carried, WithEmptyRecordsInSheets(contents.workbook));
        const fs::path copy = folder / file.filename();
        fs::copy_file(source, copy, fs::copy_options::overwrite_existing);
        try {
            Export(grid, copy, "Kontaro");
            list << file.filename().string() << "\tcarried\t\n";
        } catch (const XlsError& error) {
            list << file.filename().string() << "\trefused\t" << error.what() << "\n";
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: xls_interop_writer OUTPUT_FOLDER CORPUS_FOLDER\n";
        return 2;
    }
    const fs::path out = fs::absolute(argv[1]);
    fs::remove_all(out);
    fs::create_directories(out);
    try {
        WriteOwnWorkbooks(out);
        WriteCorpusWorkbooks(out, argv[2]);
        WriteEmptyRecordWorkbooks(out, argv[2]);
    } catch (const std::exception& error) {
        std::cerr << "xls_interop_writer: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
