#pragma once
// One sheet of a workbook. A worksheet is modelled: its rows, cells and column entries are
// rebuilt on save, everything else is carried as raw records in its place. Any other kind of
// sheet (a chart, a macro sheet) is carried whole as raw records.

#include "xls/biff_record.h"
#include "xls/shared_string_table.h"

#include <array>
#include <cstdint>
#include <map>
#include <span>
#include <variant>
#include <vector>

namespace kontaro::xls {

enum class CellKind { Blank, Number, Rk, LabelSst, BoolErr, Other };

struct Cell {
    std::uint16_t column = 0;
    std::uint16_t xf = 15;
    CellKind kind = CellKind::Blank;
    double number = 0;
    std::uint32_t rk = 0;
    SstEntry* sst = nullptr;
    std::uint8_t boolValue = 0;
    std::uint8_t errorFlag = 0;
    // Other: the record (LABEL, FORMULA, ...) followed by its companions (SHRFMLA, ARRAY,
    // TABLE, STRING), written back as they were read.
    std::vector<BiffRecord> raw;
};

struct RowEntry {
    bool hasRecord = false;
    std::array<std::uint8_t, 16> record{}; // ROW data
    std::vector<Cell> cells;               // sorted by column, at most one per column

    std::uint16_t FirstColumn() const { return GetU16(record.data() + 2); }
    std::uint16_t LastColumnPlusOne() const { return GetU16(record.data() + 4); }
    bool IsPlain() const { return record[12] == 0x00 && record[13] == 0x01; }
    bool HasRowFormat() const { return (record[12] & 0x80) != 0; }
    int RowXf() const { return GetU16(record.data() + 14) & 0x0FFF; }
};

struct ColumnEntry {
    std::uint16_t width = 0;
    std::uint16_t xf = 15;
    std::uint16_t options = 0;
    bool operator==(const ColumnEntry&) const = default;
};

// A cell value: empty, a number, a text or a boolean.
using CellValue = std::variant<std::monostate, double, std::u16string, bool>;

class SheetReader;

class Sheet {
public:
    // Reads a section that starts with `bof` from `reader` up to and including its EOF.
    // Throws XlsError for a malformed section.
    static Sheet Read(const BiffRecord& bof, RecordReader& reader, SharedStringTable& strings,
                      const std::vector<SstEntry*>& stringList);
    // A new empty worksheet from the built-in records.
    static Sheet Empty(SharedStringTable& strings);

    bool IsWorksheet() const { return worksheet_; }
    // WINDOW2 of the sheet, if it has one.
    BiffRecord* Window2();

    std::size_t Write(Bytes& out) const;

    // Worksheet operations, 0-based. Cell operations on any other sheet do nothing.
    void StoreCell(int row, int column, const CellValue& value, int xf, SharedStringTable& strings);
    int CellXf(int row, int column) const;
    int RowXf(int row) const;
    int ColumnXf(int column) const;
    void SetColumnWidthUnits(int column, int width);
    void SetRowHeightTwips(int row, int height);
    void MergeCellRange(int firstRow, int firstColumn, int lastRow, int lastColumn);
    // Drops every reference the sheet holds on the string table.
    void ReleaseStrings(SharedStringTable& strings);

    // By row; a row without an entry holds nothing.
    const std::map<int, RowEntry>& Rows() const { return rows_; }
    const std::map<std::uint16_t, ColumnEntry>& Columns() const { return columns_; }
    int DefaultRowHeight() const { return defaultRowHeight_; }
    int DefaultColumnWidth() const { return defaultColumnWidth_; }

private:
    // Read() hands the records of a section to a SheetReader, which fills the members below.
    friend class SheetReader;

    void WriteCells(Bytes& out) const;
    RowEntry& EnsureRow(int row);
    // The length of the row list: the last row with an entry plus one.
    std::size_t RowCount() const { return rows_.empty() ? 0 : static_cast<std::size_t>(rows_.rbegin()->first) + 1; }
    Cell* FindCell(int row, int column);
    const Cell* FindCell(int row, int column) const;

    // A LABELSST record among the carried records (of a sheet that is not a worksheet, or of a
    // chart embedded in a worksheet), by its place in its list: it is written with the index
    // its string has in the rebuilt string table.
    struct CarriedString {
        std::size_t record = 0;
        SstEntry* sst = nullptr;
    };
    static void WriteCarried(Bytes& out, const std::vector<BiffRecord>& list,
                             const std::vector<CarriedString>& strings);

    bool worksheet_ = false;
    BiffRecord bof_;
    BiffRecord eof_;
    std::vector<BiffRecord> raw_; // every record of a sheet that is not a worksheet
    std::vector<BiffRecord> listA_, listB_;
    std::vector<BiffRecord> pageBreaks_, drawings_, notes_, ranges_, hyperlinks_, codeName_;
    std::vector<CarriedString> rawStrings_, drawingStrings_;
    std::vector<BiffRecord> merged_;
    std::vector<std::array<std::uint16_t, 4>> newMerges_;
    std::map<std::uint16_t, ColumnEntry> columns_;
    // Only the rows the sheet holds, so that its memory follows its records, not its last row.
    std::map<int, RowEntry> rows_;
    int defaultRowHeight_ = 255;
    int defaultColumnWidth_ = 8;
};

} // namespace kontaro::xls
