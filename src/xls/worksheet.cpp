#include "xls/worksheet.h"

#include "numbers/format_text.h"
#include "xls/empty_workbook.h"
#include "xls/rk_number.h"
#include "xls/xls_error.h"
#include "xls/xls_texts.h"

#include <algorithm>
#include <string>
#include <utility>

namespace kontaro::xls {
namespace {

constexpr std::uint16_t kWorksheetType = 0x0010;
constexpr std::size_t kRowsPerBlock = 32;
constexpr std::uint16_t kLastColumn = 255;
constexpr std::size_t kRangesPerMergeRecord = 1026;
// Keeps a MULRK within one record's data; a sheet has only 256 columns anyway.
constexpr std::size_t kMaxJoinedCells = 256;

[[noreturn]] void Invalid(const char* why) { throw XlsError(std::string(texts::kRecordsInvalid), why); }

void Need(const BiffRecord& record, std::size_t length)
{
    if (record.data.size() < length)
        Invalid("record shorter than its kind needs");
}

// The data a cell record of one value needs: row, column, XF and the value.
std::size_t ValueCellLength(std::uint16_t id)
{
    switch (id) {
    case rec::NUMBER:
        return 14;
    case rec::RK:
    case rec::LABELSST:
        return 10;
    case rec::BOOLERR:
        return 8;
    default:
        return 6; // BLANK, which has no value
    }
}

bool IsFormulaCompanion(std::uint16_t id)
{
    return id == rec::STRING || id == rec::ARRAY || id == rec::TABLE || id == rec::SHRFMLA;
}

void PutCellHeader(Bytes& data, int row, const Cell& cell)
{
    PutU16(data, static_cast<std::uint16_t>(row));
    PutU16(data, cell.column);
    PutU16(data, cell.xf);
}

} // namespace

Sheet Sheet::Empty(SharedStringTable& strings)
{
    RecordReader reader(EmptyWorksheet());
    BiffRecord bof;
    if (!reader.Next(bof) || bof.id != rec::BOF)
        Invalid("built-in worksheet lacks its BOF");
    return Read(bof, reader, strings, {});
}

// Sorts the records of one sheet section into the sheet: a worksheet's rows, cells and
// column entries, which are rebuilt on save, and the lists of records carried as they are.
class SheetReader {
public:
    SheetReader(Sheet& sheet, RecordReader& reader, const std::vector<SstEntry*>& stringList)
        : sheet_(sheet), reader_(reader), stringList_(stringList)
    {}

    // Both read up to and including the section's EOF.
    void ReadWorksheet();
    void ReadCarriedSheet();

private:
    void ReadNested(const BiffRecord& bof);
    void NoteCarriedString(const BiffRecord& record, std::vector<Sheet::CarriedString>& into, std::size_t index);
    bool AttachToFormula(const BiffRecord& record);
    void ReadRecord(const BiffRecord& record);
    void ReadRow(const BiffRecord& record);
    void ReadValueCell(const BiffRecord& record);
    void ReadCarriedCell(const BiffRecord& record);
    void ReadCellRun(const BiffRecord& record);
    void ReadColumnInfo(const BiffRecord& record);
    void KeepSheetRecord(const BiffRecord& record);
    void AddCell(int row, Cell cell);

    Sheet& sheet_;
    RecordReader& reader_;
    const std::vector<SstEntry*>& stringList_;
    bool afterWindow2_ = false;
    // The FORMULA cell that the companion records following it attach to; -1 when there is none.
    int formulaRow_ = -1;
    int formulaColumn_ = -1;
};

void SheetReader::ReadCarriedSheet()
{
    BiffRecord record;
    int depth = 1;
    while (true) {
        if (!reader_.Next(record))
            Invalid("sheet without EOF");
        if (record.id == rec::BOF)
            ++depth;
        if (record.id == rec::EOF_ && --depth == 0) {
            sheet_.eof_ = record;
            return;
        }
        // Stream offsets of the old file would be wrong in the new one.
        if (depth == 1 && (record.id == rec::INDEX || record.id == rec::DBCELL))
            continue;
        NoteCarriedString(record, sheet_.rawStrings_, sheet_.raw_.size());
        sheet_.raw_.push_back(record);
    }
}

// Reads a section nested in a worksheet (an embedded chart) up to and including its EOF.
void SheetReader::ReadNested(const BiffRecord& bof)
{
    sheet_.drawings_.push_back(bof);
    int depth = 1;
    BiffRecord record;
    while (depth > 0) {
        if (!reader_.Next(record))
            Invalid("section without EOF");
        if (record.id == rec::BOF)
            ++depth;
        if (record.id == rec::EOF_)
            --depth;
        NoteCarriedString(record, sheet_.drawingStrings_, sheet_.drawings_.size());
        sheet_.drawings_.push_back(record);
    }
}

// The string table is rebuilt and sorted on save, so a carried LABELSST keeps its string,
// not its old index.
void SheetReader::NoteCarriedString(const BiffRecord& record, std::vector<Sheet::CarriedString>& into,
                                    std::size_t index)
{
    if (record.id != rec::LABELSST)
        return;
    Need(record, ValueCellLength(rec::LABELSST));
    const std::uint32_t entry = GetU32(record.data.data() + 6);
    if (entry >= stringList_.size())
        Invalid("LABELSST beyond the string table");
    SstEntry* sst = stringList_[entry];
    ++sst->second.references;
    into.push_back({index, sst});
}

void SheetReader::ReadWorksheet()
{
    BiffRecord record;
    while (true) {
        if (!reader_.Next(record))
            Invalid("worksheet without EOF");
        if (record.id == rec::EOF_) {
            sheet_.eof_ = record;
            return;
        }
        if (AttachToFormula(record))
            continue;
        if (record.id != rec::STRING)
            formulaRow_ = -1;
        ReadRecord(record);
    }
}

bool SheetReader::AttachToFormula(const BiffRecord& record)
{
    if (!IsFormulaCompanion(record.id) || formulaRow_ < 0)
        return false;
    Cell* cell = sheet_.FindCell(formulaRow_, formulaColumn_);
    if (!cell)
        return false;
    cell->raw.push_back(record);
    return true;
}

void SheetReader::ReadRecord(const BiffRecord& record)
{
    switch (record.id) {
    case rec::BOF:
        ReadNested(record);
        break;
    case rec::DIMENSIONS:
    case rec::DBCELL:
    case rec::INDEX:
    case rec::MSODRAWINGSELECTION:
    case rec::XCT:
    case rec::CRN:
    case rec::RECALCID:
        break;
    case rec::ROW:
        ReadRow(record);
        break;
    case rec::BLANK:
    case rec::NUMBER:
    case rec::RK:
    case rec::LABELSST:
    case rec::BOOLERR:
        ReadValueCell(record);
        break;
    case rec::LABEL:
    case rec::FORMULA:
    case rec::RSTRING:
        ReadCarriedCell(record);
        break;
    case rec::MULRK:
    case rec::MULBLANK:
        ReadCellRun(record);
        break;
    case rec::COLINFO:
        ReadColumnInfo(record);
        break;
    case rec::HPAGEBREAKS:
    case rec::VPAGEBREAKS:
        sheet_.pageBreaks_.push_back(record);
        break;
    case rec::MSODRAWING:
    case rec::OBJ:
    case rec::TXO:
        sheet_.drawings_.push_back(record);
        break;
    case rec::NOTE:
        sheet_.notes_.push_back(record);
        break;
    case rec::MERGEDCELLS:
        sheet_.merged_.push_back(record);
        break;
    case rec::CONDFMT:
    case rec::CF:
    case rec::DVAL:
    case rec::DV:
        sheet_.ranges_.push_back(record);
        break;
    case rec::HLINK:
    case rec::HLINKTOOLTIP:
        sheet_.hyperlinks_.push_back(record);
        break;
    case rec::CODENAME:
        sheet_.codeName_.push_back(record);
        break;
    default:
        KeepSheetRecord(record);
        break;
    }
}

void SheetReader::ReadRow(const BiffRecord& record)
{
    Need(record, 16);
    RowEntry& entry = sheet_.EnsureRow(GetU16(record.data.data()));
    if (entry.hasRecord)
        throw XlsError(std::string(texts::kDuplicatedRow));
    entry.hasRecord = true;
    std::copy_n(record.data.begin(), 16, entry.record.begin());
}

void SheetReader::ReadValueCell(const BiffRecord& record)
{
    const std::uint16_t id = record.id;
    Need(record, ValueCellLength(id));
    const std::uint8_t* d = record.data.data();
    Cell cell;
    cell.column = GetU16(d + 2);
    cell.xf = GetU16(d + 4);
    if (id == rec::NUMBER) {
        cell.kind = CellKind::Number;
        cell.number = GetDouble(d + 6);
    } else if (id == rec::RK) {
        cell.kind = CellKind::Rk;
        cell.rk = GetU32(d + 6);
        cell.number = DecodeRk(cell.rk);
    } else if (id == rec::LABELSST) {
        const std::uint32_t index = GetU32(d + 6);
        if (index >= stringList_.size())
            Invalid("LABELSST beyond the string table");
        cell.kind = CellKind::LabelSst;
        cell.sst = stringList_[index];
        ++cell.sst->second.references;
    } else if (id == rec::BOOLERR) {
        cell.kind = CellKind::BoolErr;
        cell.boolValue = d[6];
        cell.errorFlag = d[7];
    }
    AddCell(GetU16(d), std::move(cell));
}

void SheetReader::ReadCarriedCell(const BiffRecord& record)
{
    Need(record, 6);
    Cell cell;
    cell.kind = CellKind::Other;
    cell.column = GetU16(record.data.data() + 2);
    cell.xf = GetU16(record.data.data() + 4);
    const int row = GetU16(record.data.data());
    cell.raw.push_back(record);
    AddCell(row, std::move(cell));
}

void SheetReader::ReadCellRun(const BiffRecord& record)
{
    const bool numbers = record.id == rec::MULRK;
    const std::size_t each = numbers ? 6 : 2;
    Need(record, 6);
    const std::uint8_t* d = record.data.data();
    const std::size_t count = (record.data.size() - 6) / each;
    const int row = GetU16(d);
    const std::uint16_t first = GetU16(d + 2);
    for (std::size_t i = 0; i < count; ++i) {
        if (first + i > kLastColumn)
            Invalid("cell beyond the last column");
        Cell cell;
        cell.column = static_cast<std::uint16_t>(first + i);
        cell.xf = GetU16(d + 4 + each * i);
        if (numbers) {
            cell.kind = CellKind::Rk;
            cell.rk = GetU32(d + 6 + each * i);
            cell.number = DecodeRk(cell.rk);
        }
        AddCell(row, std::move(cell));
    }
}

void SheetReader::ReadColumnInfo(const BiffRecord& record)
{
    Need(record, 10);
    const std::uint8_t* d = record.data.data();
    const int first = GetU16(d);
    const int last = std::min<int>(GetU16(d + 2), 255);
    const ColumnEntry entry{GetU16(d + 4), GetU16(d + 6), GetU16(d + 8)};
    for (int column = first; column <= last; ++column) {
        sheet_.columns_[static_cast<std::uint16_t>(column)] = entry;
    }
}

// Every other record is carried in its place: before WINDOW2 or from it on.
void SheetReader::KeepSheetRecord(const BiffRecord& record)
{
    const std::uint16_t id = record.id;
    if (id == rec::WINDOW2)
        afterWindow2_ = true;
    if (id == rec::DEFAULTROWHEIGHT && record.data.size() >= 4) {
        sheet_.defaultRowHeight_ = GetU16(record.data.data() + 2);
    }
    if (id == rec::DEFCOLWIDTH && record.data.size() >= 2) {
        sheet_.defaultColumnWidth_ = GetU16(record.data.data());
    }
    (afterWindow2_ ? sheet_.listB_ : sheet_.listA_).push_back(record);
}

// A later record for the same cell replaces the earlier one.
void SheetReader::AddCell(int row, Cell cell)
{
    if (cell.column > kLastColumn)
        Invalid("cell beyond the last column");
    formulaRow_ = -1;
    if (cell.kind == CellKind::Other && cell.raw.front().id == rec::FORMULA) {
        formulaRow_ = row;
        formulaColumn_ = cell.column;
    }
    RowEntry& entry = sheet_.EnsureRow(row);
    auto at = std::lower_bound(entry.cells.begin(), entry.cells.end(), cell.column,
                               [](const Cell& c, std::uint16_t column) { return c.column < column; });
    if (at != entry.cells.end() && at->column == cell.column) {
        *at = std::move(cell);
    } else {
        entry.cells.insert(at, std::move(cell));
    }
}

Sheet Sheet::Read(const BiffRecord& bof, RecordReader& reader, SharedStringTable& /*strings*/,
                  const std::vector<SstEntry*>& stringList)
{
    Sheet sheet;
    sheet.bof_ = bof;
    sheet.worksheet_ = bof.data.size() >= 4 && GetU16(bof.data.data() + 2) == kWorksheetType;
    SheetReader read(sheet, reader, stringList);
    if (sheet.worksheet_) {
        read.ReadWorksheet();
    } else {
        read.ReadCarriedSheet();
    }
    return sheet;
}

BiffRecord* Sheet::Window2()
{
    auto& list = worksheet_ ? listB_ : raw_;
    int depth = 0;
    for (BiffRecord& record : list) {
        if (record.id == rec::BOF)
            ++depth;
        if (record.id == rec::EOF_)
            --depth;
        if (depth == 0 && record.id == rec::WINDOW2 && record.data.size() >= 2)
            return &record;
    }
    return nullptr;
}

RowEntry& Sheet::EnsureRow(int row) { return rows_[row]; }

const Cell* Sheet::FindCell(int row, int column) const
{
    const auto found = rows_.find(row);
    if (found == rows_.end())
        return nullptr;
    const auto& cells = found->second.cells;
    auto at =
        std::lower_bound(cells.begin(), cells.end(), column, [](const Cell& c, int col) { return c.column < col; });
    return at != cells.end() && at->column == column ? &*at : nullptr;
}

Cell* Sheet::FindCell(int row, int column) { return const_cast<Cell*>(std::as_const(*this).FindCell(row, column)); }

int Sheet::CellXf(int row, int column) const
{
    const Cell* cell = FindCell(row, column);
    return cell ? cell->xf : -1;
}

int Sheet::RowXf(int row) const
{
    const auto found = rows_.find(row);
    if (found == rows_.end())
        return -1;
    const RowEntry& entry = found->second;
    return entry.hasRecord && entry.HasRowFormat() ? entry.RowXf() : -1;
}

int Sheet::ColumnXf(int column) const
{
    if (column < 0 || column > 0xFFFF)
        return -1;
    auto it = columns_.find(static_cast<std::uint16_t>(column));
    return it == columns_.end() ? -1 : it->second.xf;
}

namespace {
void CheckRowColumn(int row, int column)
{
    if (row < 0 || row > 65535)
        throw XlsError(numbers::FormatText(texts::kInvalidRow, {std::to_string(row)}));
    if (column < 0 || column > 255) {
        throw XlsError(numbers::FormatText(texts::kInvalidColumn, {std::to_string(column)}));
    }
}

void NewRowRecord(RowEntry& entry, int row)
{
    if (entry.hasRecord)
        return;
    entry.hasRecord = true;
    entry.record.fill(0);
    SetU16(entry.record.data(), static_cast<std::uint16_t>(row));
    SetU16(entry.record.data() + 6, 255);
    entry.record[12] = 0x00;
    entry.record[13] = 0x01;
    SetU16(entry.record.data() + 14, 15);
}
} // namespace

void Sheet::StoreCell(int row, int column, const CellValue& value, int xf, SharedStringTable& strings)
{
    if (!worksheet_)
        return;
    CheckRowColumn(row, column);
    RowEntry& entry = EnsureRow(row);
    NewRowRecord(entry, row);
    const int columnXf = ColumnXf(column);
    const int defaultXf = entry.HasRowFormat() ? entry.RowXf() : columnXf >= 0 ? columnXf : 15;
    auto at = std::lower_bound(entry.cells.begin(), entry.cells.end(), column,
                               [](const Cell& c, int col) { return c.column < col; });
    const bool exists = at != entry.cells.end() && at->column == column;
    int candidate = exists ? at->xf : defaultXf;
    if (xf >= 0)
        candidate = xf;

    Cell cell;
    cell.column = static_cast<std::uint16_t>(column);
    cell.xf = static_cast<std::uint16_t>(candidate);
    bool make = true;
    if (const auto* number = std::get_if<double>(&value)) {
        cell.number = *number;
        if (auto rk = EncodeRk(*number)) {
            cell.kind = CellKind::Rk;
            cell.rk = *rk;
        } else {
            cell.kind = CellKind::Number;
        }
    } else if (const auto* text = std::get_if<std::u16string>(&value); text && !text->empty()) {
        cell.kind = CellKind::LabelSst;
        cell.sst = strings.Add(*text);
    } else if (const auto* flag = std::get_if<bool>(&value)) {
        cell.kind = CellKind::BoolErr;
        cell.boolValue = *flag ? 1 : 0;
    } else {
        cell.kind = CellKind::Blank;
        make = candidate != defaultXf;
    }

    if (exists) {
        if (at->kind == CellKind::LabelSst)
            strings.Release(at->sst);
        at = entry.cells.erase(at);
    }
    if (make) {
        entry.cells.insert(at, std::move(cell));
        SetU16(entry.record.data() + 4,
               std::max<std::uint16_t>(entry.LastColumnPlusOne(), static_cast<std::uint16_t>(column + 1)));
        SetU16(entry.record.data() + 2, entry.cells.front().column);
    } else {
        SetU16(entry.record.data() + 2, entry.cells.empty() ? 0 : entry.cells.front().column);
        SetU16(entry.record.data() + 4,
               entry.cells.empty() ? 0 : static_cast<std::uint16_t>(entry.cells.back().column + 1));
        if (entry.cells.empty() && entry.IsPlain())
            entry.hasRecord = false;
    }
    while (!rows_.empty()) {
        const RowEntry& last = rows_.rbegin()->second;
        if (!last.cells.empty() || (last.hasRecord && !last.IsPlain()))
            break;
        rows_.erase(std::prev(rows_.end()));
    }
}

void Sheet::SetColumnWidthUnits(int column, int width)
{
    if (!worksheet_)
        return;
    CheckRowColumn(0, column);
    auto [it, inserted] = columns_.try_emplace(static_cast<std::uint16_t>(column), ColumnEntry{});
    it->second.width = static_cast<std::uint16_t>(std::clamp(width, 0, 65535));
    (void)inserted;
}

void Sheet::SetRowHeightTwips(int row, int height)
{
    if (!worksheet_)
        return;
    CheckRowColumn(row, 0);
    RowEntry& entry = EnsureRow(row);
    NewRowRecord(entry, row);
    SetU16(entry.record.data() + 6, static_cast<std::uint16_t>(std::clamp(height, 0, 8191)));
    entry.record[12] |= 0x40;
}

void Sheet::MergeCellRange(int firstRow, int firstColumn, int lastRow, int lastColumn)
{
    if (!worksheet_)
        return;
    CheckRowColumn(firstRow, firstColumn);
    CheckRowColumn(lastRow, lastColumn);
    newMerges_.push_back({static_cast<std::uint16_t>(firstRow), static_cast<std::uint16_t>(lastRow),
                          static_cast<std::uint16_t>(firstColumn), static_cast<std::uint16_t>(lastColumn)});
}

void Sheet::ReleaseStrings(SharedStringTable& strings)
{
    for (const auto* carried : {&rawStrings_, &drawingStrings_}) {
        for (const CarriedString& each : *carried)
            strings.Release(each.sst);
    }
    for (auto& [row, entry] : rows_) {
        for (Cell& cell : entry.cells) {
            if (cell.kind == CellKind::LabelSst)
                strings.Release(cell.sst);
        }
    }
}

std::size_t Sheet::Write(Bytes& out) const
{
    const std::size_t start = out.size();
    bof_.WriteTo(out);
    const auto all = [&out](const std::vector<BiffRecord>& list) {
        for (const BiffRecord& record : list)
            record.WriteTo(out);
    };
    if (!worksheet_) {
        WriteCarried(out, raw_, rawStrings_);
        eof_.WriteTo(out);
        return out.size() - start;
    }
    all(listA_);
    all(pageBreaks_);
    for (auto it = columns_.begin(); it != columns_.end();) {
        auto end = std::next(it);
        std::uint16_t lastColumn = it->first;
        while (end != columns_.end() && end->first == lastColumn + 1 && end->second == it->second) {
            lastColumn = end->first;
            ++end;
        }
        Bytes data;
        PutU16(data, it->first);
        PutU16(data, lastColumn);
        PutU16(data, it->second.width);
        PutU16(data, it->second.xf);
        PutU16(data, it->second.options);
        PutU16(data, 0);
        PutRecord(out, rec::COLINFO, data);
        it = end;
    }
    WriteCells(out);
    WriteCarried(out, drawings_, drawingStrings_);
    all(notes_);
    all(listB_);
    all(merged_);
    for (std::size_t from = 0; from < newMerges_.size(); from += kRangesPerMergeRecord) {
        const std::size_t count = std::min(kRangesPerMergeRecord, newMerges_.size() - from);
        Bytes data;
        PutU16(data, static_cast<std::uint16_t>(count));
        for (std::size_t i = from; i < from + count; ++i) {
            for (const std::uint16_t v : newMerges_[i])
                PutU16(data, v);
        }
        PutRecord(out, rec::MERGEDCELLS, data);
    }
    all(ranges_);
    all(hyperlinks_);
    all(codeName_);
    eof_.WriteTo(out);
    return out.size() - start;
}

void Sheet::WriteCarried(Bytes& out, const std::vector<BiffRecord>& list, const std::vector<CarriedString>& strings)
{
    auto next = strings.begin();
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (next == strings.end() || next->record != i) {
            list[i].WriteTo(out);
            continue;
        }
        BiffRecord label = list[i];
        SetU32(label.data.data() + 6, next->sst->second.index);
        label.WriteTo(out);
        ++next;
    }
}

void Sheet::WriteCells(Bytes& out) const
{
    // The used range. Cells of rows without a ROW record (other writers omit them) count too,
    // so that no reader drops them for lying outside the dimensions.
    const std::size_t rowCount = RowCount();
    std::size_t firstRow = rowCount;
    int firstColumn = -1;
    int lastPlusOne = 0;
    for (const auto& [r, entry] : rows_) {
        if (!entry.hasRecord && entry.cells.empty())
            continue;
        firstRow = std::min(firstRow, static_cast<std::size_t>(r));
        if (entry.hasRecord) {
            firstColumn = firstColumn < 0 ? entry.FirstColumn() : std::min<int>(firstColumn, entry.FirstColumn());
            lastPlusOne = std::max<int>(lastPlusOne, entry.LastColumnPlusOne());
        }
        if (!entry.cells.empty()) {
            const int front = entry.cells.front().column;
            firstColumn = firstColumn < 0 ? front : std::min(firstColumn, front);
            lastPlusOne = std::max<int>(lastPlusOne, entry.cells.back().column + 1);
        }
    }
    if (firstRow == rowCount)
        firstRow = 0;
    if (firstColumn < 0)
        firstColumn = 0;
    const int lastColumn = lastPlusOne > 0 ? lastPlusOne - 1 : 0;

    Bytes data;
    PutU32(data, static_cast<std::uint32_t>(firstRow));
    PutU32(data, static_cast<std::uint32_t>(rowCount));
    PutU16(data, static_cast<std::uint16_t>(firstColumn));
    PutU16(data, static_cast<std::uint16_t>(lastColumn + 1));
    PutU16(data, 0);
    PutRecord(out, rec::DIMENSIONS, data);

    // Blocks of 32 row indexes from the first row on; rows without an entry write nothing.
    for (auto from = rows_.lower_bound(static_cast<int>(firstRow)); from != rows_.end();) {
        const std::size_t block =
            firstRow + (static_cast<std::size_t>(from->first) - firstRow) / kRowsPerBlock * kRowsPerBlock;
        const auto to = rows_.lower_bound(static_cast<int>(block + kRowsPerBlock));
        for (auto at = from; at != to; ++at) {
            const RowEntry& entry = at->second;
            if (!entry.hasRecord)
                continue;
            auto record = entry.record;
            if (entry.FirstColumn() < firstColumn)
                SetU16(record.data() + 2, static_cast<std::uint16_t>(firstColumn));
            if (entry.LastColumnPlusOne() > lastColumn + 1)
                SetU16(record.data() + 4, static_cast<std::uint16_t>(lastColumn + 1));
            PutRecord(out, rec::ROW, record);
        }
        for (auto at = from; at != to; ++at) {
            const auto& cells = at->second.cells;
            const int row = at->first;
            for (std::size_t i = 0; i < cells.size();) {
                const Cell& cell = cells[i];
                std::size_t run = 1;
                if (cell.kind == CellKind::Rk || cell.kind == CellKind::Blank) {
                    while (i + run < cells.size() && run < kMaxJoinedCells && cells[i + run].kind == cell.kind &&
                           cells[i + run].column == cell.column + run) {
                        ++run;
                    }
                }
                data.clear();
                if (run > 1) {
                    PutU16(data, static_cast<std::uint16_t>(row));
                    PutU16(data, cell.column);
                    for (std::size_t k = i; k < i + run; ++k) {
                        PutU16(data, cells[k].xf);
                        if (cell.kind == CellKind::Rk)
                            PutU32(data, cells[k].rk);
                    }
                    PutU16(data, cells[i + run - 1].column);
                    PutRecord(out, cell.kind == CellKind::Rk ? rec::MULRK : rec::MULBLANK, data);
                    i += run;
                    continue;
                }
                switch (cell.kind) {
                case CellKind::Blank:
                    PutCellHeader(data, row, cell);
                    PutRecord(out, rec::BLANK, data);
                    break;
                case CellKind::Number:
                    PutCellHeader(data, row, cell);
                    PutDouble(data, cell.number);
                    PutRecord(out, rec::NUMBER, data);
                    break;
                case CellKind::Rk:
                    PutCellHeader(data, row, cell);
                    PutU32(data, cell.rk);
                    PutRecord(out, rec::RK, data);
                    break;
                case CellKind::LabelSst:
                    PutCellHeader(data, row, cell);
                    PutU32(data, cell.sst->second.index);
                    PutRecord(out, rec::LABELSST, data);
                    break;
                case CellKind::BoolErr:
                    PutCellHeader(data, row, cell);
                    PutU8(data, cell.boolValue);
                    PutU8(data, cell.errorFlag);
                    PutRecord(out, rec::BOOLERR, data);
                    break;
                case CellKind::Other:
                    for (const BiffRecord& record : cell.raw)
                        record.WriteTo(out);
                    break;
                }
                ++i;
            }
        }
        from = to;
    }
}

} // namespace kontaro::xls
