#pragma once
// One CSV table of an export, read record by record in the dialect index.xml
// declares for it: its column and record delimiters (CR LF, LF or CR all end a
// record), its text qualifier with doubled qualifiers inside, a byte-order mark
// skipped, the column names taken from the line before the first data line and
// columns looked up by those names. Fields are views into the bytes (which must
// outlive the table) or into the table's own buffer, valid until the next record. Every error throws ImportError naming
// the file, the line and, for a field, the column.
#include "till/decimal.h"
#include "till/index_xml.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kontaro::till {

class CsvTable {
public:
    CsvTable(std::string fileName, std::string_view bytes, const TableDialect& dialect);

    // The number of data records at most (line ends counted), for reserving.
    size_t RecordsAtMost() const;
    size_t Bytes() const { return bytes_.size(); }

    // The column's index by its name (without regard to case), or -1.
    int Find(std::string_view column) const;
    // The same; throws when the table lacks the column.
    int Require(std::string_view column) const;

    // Moves to the next data record (empty lines are skipped); false at the end.
    bool Next();
    int Line() const { return line_; }
    const std::string& FileName() const { return fileName_; }

    std::string_view Field(int column) const { return fields_[static_cast<size_t>(column)]; }
    // A numeric field by the column's declared format; an empty field is nothing.
    std::optional<Decimal> OptionalNumber(int column) const
    {
        const std::string_view text = Field(column);
        if (text.empty())
            return std::nullopt;
        return NumberOf(column, text);
    }
    // The same with an empty field read as 0.
    Decimal Number(int column) const
    {
        const std::string_view text = Field(column);
        return text.empty() ? Decimal{} : NumberOf(column, text);
    }
    // A text field as UTF-8 (an ANSI table is read as Windows-1252).
    std::string Utf8(int column) const;

    // Throws ImportError with `pattern` filled with the file, the line, the column's
    // number and name and the field's text.
    [[noreturn]] void Fail(int column, std::string_view pattern) const;

private:
    // The column's field `text`, not empty, read by the column's format.
    Decimal NumberOf(int column, std::string_view text) const;
    [[noreturn]] void FailNumber(int column) const;
    bool ReadRecord();
    // The first byte from `p` on that ends an unquoted field, or `size`.
    size_t FieldEnd(const char* data, size_t p, size_t size);
    // The stop bytes among the kBlock bytes from `block` on, as bits from the lowest.
    uint64_t StopsIn(const char* block) const;
    void ReadHeader(const TableDialect& dialect);

    std::string fileName_;
    std::string_view bytes_;
    bool utf8_;
    char delimiter_;
    char quote_;
    size_t pos_ = 0;
    int nextLine_ = 1;
    int line_ = 0;
    std::vector<std::string_view> fields_;
    bool stops_[256] = {}; // the bytes that end an unquoted field
    static constexpr size_t kBlock = 64;
    size_t blockStart_ = SIZE_MAX; // the stop bytes of the kBlock bytes from here on
    uint64_t blockStops_ = 0;
    std::string unescaped_;                              // quoted fields with doubled qualifiers
    std::vector<std::pair<size_t, size_t>> unescapedAt_; // field index, offset into unescaped_
    std::vector<std::string> names_;
    std::vector<NumberFormat> formats_;
};

} // namespace kontaro::till
