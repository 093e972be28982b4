#include "xls/workbook_records.h"

#include <algorithm>

namespace kontaro::xls::test {

std::vector<BiffRecord> RecordsOf(const std::vector<std::uint8_t>& stream)
{
    std::vector<BiffRecord> records;
    std::size_t at = 0;
    int depth = 0;
    while (at + 4 <= stream.size()) {
        BiffRecord record;
        record.id = GetU16(stream.data() + at);
        const std::size_t length = GetU16(stream.data() + at + 2);
        if (at + 4 + length > stream.size())
            break;
        record.data.assign(stream.begin() + static_cast<std::ptrdiff_t>(at + 4),
                           stream.begin() + static_cast<std::ptrdiff_t>(at + 4 + length));
        at += 4 + length;
        // Identifier 0 between the sections is zero fill; inside one it is a record like any.
        if (record.id == 0 && depth == 0)
            continue;
        if (record.id == rec::BOF)
            ++depth;
        if (record.id == rec::EOF_ && depth > 0)
            --depth;
        records.push_back(std::move(record));
    }
    return records;
}

std::vector<BiffRecord> Section(const std::vector<BiffRecord>& records, int n)
{
    std::vector<BiffRecord> section;
    int index = -1;
    int depth = 0;
    for (const BiffRecord& record : records) {
        if (record.id == rec::BOF && depth++ == 0)
            ++index;
        if (index == n)
            section.push_back(record);
        if (record.id == rec::EOF_ && --depth == 0 && index == n)
            break;
    }
    return section;
}

void InsertRecords(std::vector<std::uint8_t>& stream, std::size_t at, const std::vector<std::uint8_t>& records)
{
    for (std::size_t offset = 0; offset + 4 <= stream.size();) {
        const std::uint16_t id = GetU16(stream.data() + offset);
        if (id == rec::BOUNDSHEET && GetU32(stream.data() + offset + 4) >= at) {
            SetU32(stream.data() + offset + 4,
                   static_cast<std::uint32_t>(GetU32(stream.data() + offset + 4) + records.size()));
        }
        if (id == rec::EOF_)
            break;
        offset += 4 + GetU16(stream.data() + offset + 2);
    }
    stream.insert(stream.begin() + static_cast<std::ptrdiff_t>(at), records.begin(), records.end());
}

std::vector<std::uint16_t> IdsOf(const std::vector<BiffRecord>& records)
{
    std::vector<std::uint16_t> ids;
    for (const BiffRecord& record : records)
        ids.push_back(record.id);
    return ids;
}

std::vector<BiffRecord> OfKind(const std::vector<BiffRecord>& records, std::uint16_t id)
{
    std::vector<BiffRecord> found;
    std::copy_if(records.begin(), records.end(), std::back_inserter(found),
                 [id](const BiffRecord& r) { return r.id == id; });
    return found;
}

bool TableGrid::IsColumnHidden(int column) const
{
    return std::find(hidden.begin(), hidden.end(), column) != hidden.end();
}

int TableGrid::ColumnWidthPixels(int column) const
{
    return column < static_cast<int>(widths.size()) ? widths[static_cast<std::size_t>(column)] : 64;
}

Colour TableGrid::CellBackground(int column, int row) const
{
    return column == shadedColumn && row == shadedRow ? shade : background;
}

GridCellSpan TableGrid::CellSpan(int column, int row) const
{
    if (column == spanColumn && row == spanRow)
        return {spanColumns, spanRows, true};
    const bool inside = spanColumn >= 0 && column >= spanColumn && column <= spanColumn + spanColumns &&
                        row >= spanRow && row <= spanRow + spanRows;
    return {0, 0, !inside};
}

} // namespace kontaro::xls::test
