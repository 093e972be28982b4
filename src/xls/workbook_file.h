#pragma once
// WorkbookFile: one Excel 97 workbook in memory, read from a file or from the built-in empty
// workbook, changed cell by cell and written back. Rows, columns and sheets are 1-based at
// this interface. Every failure is an XlsError with the writer's English message; after a failed
// read the object is not used further.
//
// Everything the file holds that the workbook does not model (other streams of the
// container, records of other sheets, formulas, names, drawings) is carried and written back
// unchanged.

#include "xls/cell_format.h"
#include "xls/storage_element.h"
#include "xls/workbook_globals.h"
#include "xls/worksheet.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kontaro::xls {

class WorkbookFile {
public:
    // The built-in empty workbook with `sheets` sheets (extra ones inserted at position 2).
    void CreateFromTemplate(int sheets = 1);
    void ReadWorkbookFile(const std::string& path);
    // Reads a whole compound file held in memory; displayName appears in messages.
    void ReadWorkbookBytes(std::span<const std::uint8_t> file, const std::string& displayName);
    // Writes a new file at path, which must not exist (texts::kCantWriteFile otherwise).
    void WriteWorkbookFile(const std::string& path);
    // The compound file WriteWorkbookFile would write.
    Bytes WriteWorkbookBytes();

    // The records alone: reading a workbook stream and writing one.
    void ReadWorkbookStream(std::span<const std::uint8_t> stream);
    Bytes WriteWorkbookStream();

    int SheetTotal() const { return static_cast<int>(globals_.sheets.size()); }
    int CurrentSheet() const { return current_; }
    void SetCurrentSheet(int sheet) { current_ = sheet; }
    std::string CurrentSheetTitle() const; // UTF-8
    void SetCurrentSheetTitle(const std::string& title);
    // The 1-based sheet whose title is exactly `title` (UTF-8, case included), or 0.
    int FindSheet(const std::string& title) const;
    void InsertBlankSheets(int position, int count);
    void ResetCurrentSheet();
    void MakeSheetSelected(int sheet);

    void StoreCell(int row, int column, const CellValue& value);
    void StoreCellWithXf(int row, int column, const CellValue& value, int xf);
    int CellXf(int row, int column) const;
    int RowXf(int row) const;
    int ColumnXf(int column) const;
    void SetColumnWidthUnits(int column, int width);
    void SetRowHeightTwips(int row, int height);
    void MergeCellRange(int firstRow, int firstColumn, int lastRow, int lastColumn);

    // Cell formats (XF, FONT and FORMAT records) and the palette.
    int RegisterCellFormat(const CellFormat& format) { return globals_.formats.RegisterCellFormat(format); }
    CellFormat DescribeXf(int index) { return globals_.formats.DescribeXf(index); }
    int NearestPaletteEntry(Colour colour) const { return globals_.formats.palette.NearestPaletteEntry(colour); }
    Colour PaletteColor(int entry) const { return globals_.formats.palette.PaletteColor(entry); }

    // For inspection by tests and tools.
    const WorkbookGlobals& Globals() const { return globals_; }
    // Throws XlsError (texts::kSheetNumberInvalid) for a sheet that does not exist.
    const Sheet& SheetAt(int sheet) const;
    const StorageElementList& Carried() const { return carried_; }

private:
    Sheet* Current();
    const Sheet* Current() const;

    WorkbookGlobals globals_;
    std::vector<Sheet> sheets_;
    StorageElementList carried_;
    int current_ = 1;
};

} // namespace kontaro::xls
