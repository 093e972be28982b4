#pragma once
// GridXlsExport writes one grid into one sheet of an Excel 97 workbook file.
//
// ExportGrid opens the target (or starts from the built-in empty workbook), finds the sheet
// by name or adds it, writes every cell with its look, and saves. The new file is written
// next to the target under a temporary name and moved over the target only once it is
// complete: when any step fails, the target stays exactly as it was and the XlsError
// carries the message. Nothing is kept between calls.

#include "numbers/number_locale.h"
#include "xls/date_conventions.h"
#include "xls/exportable_grid.h"
#include "xls/workbook_file.h"

#include <functional>
#include <optional>
#include <string>

namespace kontaro::xls {

enum class OverwriteMode { Never, Always, Warn };

struct ExportOptions {
    OverwriteMode ExportOverwrite = OverwriteMode::Never;
    std::string ExportOverwriteMessage = "File %s already exists\rOk to overwrite ?";
    bool ExportHTMLTags = true;
    bool ExportFormulas = true;
    bool ExportCellFormats = true;
    bool ExportCellProperties = true;
    bool ExportCellSizes = true;
    bool ExportHiddenColumns = false;
    bool ExportWordWrapped = false;
    bool ExportHardBorders = false;
};

// A workbook that one or more exports write into, held in memory until SaveWorkbook writes
// it: so that a series of sheets costs one read and one write of the file.
struct ExportWorkbook {
    WorkbookFile book;
    // True while the book is the built-in empty workbook whose one sheet no export has
    // written yet: the next sheet written goes into it.
    bool blankTemplate = false;
};

// Selects the 1-based sheet activeSheet and writes the workbook to fileName as ExportGrid
// does: beside the target under a temporary name, moved over the target once complete.
// Throws XlsError; the target then stays exactly as it was.
void SaveWorkbook(ExportWorkbook& workbook, const std::string& fileName, int activeSheet = 1);

class GridXlsExport {
public:
    // Asked with OverwriteMode::Warn when the target exists; true means overwrite. Without it the
    // answer is no.
    using ConfirmOverwrite = std::function<bool(const std::string& question)>;

    const ExportableGrid* Grid = nullptr;
    ExportOptions Options;
    // The separators with which the grid's texts are read back as numbers.
    numbers::NumberLocale Locale;
    DateConventions Dates;
    // UTF-8 number formats for date and time cells; empty takes those of Dates.
    std::string DateFormat;
    std::string TimeFormat;
    ConfirmOverwrite OnConfirmOverwrite;

    int GridStartRow() const { return gridStartRow_; }
    int GridStartCol() const { return gridStartCol_; }
    int XlsStartRow() const { return xlsStartRow_; }
    int XlsStartCol() const { return xlsStartCol_; }
    void SetGridStartRow(int row) { gridStartRow_ = row < 0 ? 1 : row; }
    void SetGridStartCol(int column) { gridStartCol_ = column < 0 ? 1 : column; }
    void SetXlsStartRow(int row) { xlsStartRow_ = row <= 0 ? 1 : row; }
    void SetXlsStartCol(int column) { xlsStartCol_ = column <= 0 ? 1 : column; }

    // Writes the grid as the sheet `sheetName` (UTF-8; empty keeps the sheet's own name)
    // of `fileName`. sheetPosition -1 puts a new sheet behind the last one; activeSheet is
    // the 1-based sheet selected in the saved file. Throws XlsError; returns normally also
    // when the user declined to overwrite.
    void ExportGrid(const std::string& fileName, const std::string& sheetName, int sheetPosition = -1,
                    int activeSheet = 1);

    // ExportGrid's steps, for a series of sheets written in memory and saved once.
    //
    // The workbook ExportGrid(fileName, ...) starts from: the existing file read when the
    // overwrite mode keeps it, otherwise the built-in empty workbook. nullopt when the user
    // declined to overwrite. Throws XlsError when the file cannot be read.
    std::optional<ExportWorkbook> OpenWorkbook(const std::string& fileName) const;
    // Writes the grid into `workbook` as ExportGrid writes it into the file: into the blank
    // template's sheet, or into the sheet named sheetName (compared exactly), which is
    // cleared and written in its place, or else into a new sheet at sheetPosition (-1:
    // behind the last). Throws XlsError (no grid, a sheet of that name that is no worksheet).
    void WriteSheet(ExportWorkbook& workbook, const std::string& sheetName, int sheetPosition = -1) const;

private:
    int gridStartRow_ = 1;
    int gridStartCol_ = 1;
    int xlsStartRow_ = 1;
    int xlsStartCol_ = 1;
};

} // namespace kontaro::xls
