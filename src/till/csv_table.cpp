#include "till/csv_table.h"

#include "model/win1252.h"
#include "numbers/format_text.h"
#include "till/import_error.h"
#include "till/till_texts.h"

#include <algorithm>
#include <bit>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace kontaro::till {

using numbers::FormatText;

namespace {

// A column index.xml does not describe is read with the most decimals any column has.
constexpr int kUndeclaredAccuracy = 5;

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

bool ValidUtf8(std::string_view text)
{
    size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        size_t length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + length > text.size() || (length == 2 && c < 0xC2))
            return false;
        for (size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

} // namespace

CsvTable::CsvTable(std::string fileName, std::string_view bytes, const TableDialect& dialect)
    : fileName_(std::move(fileName)),
      bytes_(bytes),
      utf8_(dialect.utf8),
      delimiter_(dialect.columnDelimiter),
      quote_(dialect.textEncapsulator)
{
    for (const char stop : {delimiter_, '\n', '\r'})
        stops_[static_cast<unsigned char>(stop)] = true;
    if (bytes_.substr(0, 3) == "\xEF\xBB\xBF")
        pos_ = 3;
    ReadHeader(dialect);
}

void CsvTable::ReadHeader(const TableDialect& dialect)
{
    if (dialect.from <= 1) {
        for (const ColumnDecl& column : dialect.columns)
            names_.push_back(column.name);
    } else {
        for (int skipped = 1; skipped < dialect.from - 1; ++skipped)
            if (!ReadRecord())
                break;
        if (!ReadRecord())
            throw ImportError(FormatText(texts::kNoHeader, {fileName_}));
        for (std::string_view name : fields_)
            names_.emplace_back(Trimmed(name));
    }
    for (const std::string& name : names_) {
        NumberFormat format{dialect.decimalSymbol, dialect.groupingSymbol, kUndeclaredAccuracy};
        for (const ColumnDecl& column : dialect.columns) {
            if (SameName(column.name, name)) {
                format.accuracy = column.accuracy;
                break;
            }
        }
        formats_.push_back(format);
    }
}

int CsvTable::Find(std::string_view column) const
{
    for (size_t i = 0; i < names_.size(); ++i)
        if (SameName(names_[i], column))
            return static_cast<int>(i);
    return -1;
}

int CsvTable::Require(std::string_view column) const
{
    const int index = Find(column);
    if (index < 0)
        throw ImportError(FormatText(texts::kColumnMissing, {fileName_, std::to_string(std::max(line_, 1)), column}));
    return index;
}

size_t CsvTable::FieldEnd(const char* data, size_t p, size_t size)
{
    for (;;) {
        if (p >= blockStart_ && p < blockStart_ + kBlock) {
            const uint64_t ahead = blockStops_ >> (p - blockStart_);
            if (ahead != 0)
                return p + static_cast<size_t>(std::countr_zero(ahead));
            p = blockStart_ + kBlock;
            continue;
        }
        if (p + kBlock > size)
            break;
        blockStart_ = p;
        blockStops_ = StopsIn(data + p);
    }
    while (p < size && !stops_[static_cast<unsigned char>(data[p])])
        ++p;
    return p;
}

uint64_t CsvTable::StopsIn(const char* block) const
{
    // One bit per byte that ends an unquoted field. Fields are short, so finding the
    // stops of 64 bytes at once costs less than looking for each field's end.
#ifdef __SSE2__
    const __m128i delimiter = _mm_set1_epi8(delimiter_);
    const __m128i newline = _mm_set1_epi8('\n');
    const __m128i carriageReturn = _mm_set1_epi8('\r');
    uint64_t stops = 0;
    for (size_t part = 0; part < kBlock / 16; ++part) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + part * 16));
        const __m128i found =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, delimiter), _mm_cmpeq_epi8(bytes, newline)),
                         _mm_cmpeq_epi8(bytes, carriageReturn));
        stops |= static_cast<uint64_t>(static_cast<uint16_t>(_mm_movemask_epi8(found))) << (part * 16);
    }
    return stops;
#else
    uint64_t stops = 0;
    for (size_t i = 0; i < kBlock; ++i)
        stops |= static_cast<uint64_t>(stops_[static_cast<unsigned char>(block[i])]) << i;
    return stops;
#endif
}

size_t CsvTable::RecordsAtMost() const
{
    size_t count = 1;
    for (const char* at = bytes_.data() + pos_;
         (at = static_cast<const char*>(std::memchr(at, '\n', bytes_.data() + bytes_.size() - at))); ++at)
        ++count;
    return count;
}

bool CsvTable::ReadRecord()
{
    const char* const data = bytes_.data();
    const size_t size = bytes_.size();
    for (;;) {
        if (pos_ >= size)
            return false;
        line_ = nextLine_;
        fields_.clear();
        unescaped_.clear();
        unescapedAt_.clear();
        size_t p = pos_;
        bool recordEnd = false;
        while (!recordEnd) {
            const size_t start = p;
            if (quote_ != '\0' && p < size && data[p] == quote_) {
                ++p;
                const size_t textStart = p;
                bool plain = true; // no doubled qualifier: the field is a view into the bytes
                for (;;) {
                    if (p >= size)
                        throw ImportError(FormatText(
                            texts::kQuoteOpen, {fileName_, std::to_string(line_), std::to_string(fields_.size() + 1)}));
                    const char c = data[p];
                    if (c == quote_) {
                        if (p + 1 < size && data[p + 1] == quote_) {
                            if (plain) {
                                unescapedAt_.emplace_back(fields_.size(), unescaped_.size());
                                unescaped_.append(data + textStart, p - textStart);
                                plain = false;
                            }
                            unescaped_ += quote_;
                            p += 2;
                            continue;
                        }
                        break;
                    }
                    if (c == '\n')
                        ++nextLine_;
                    if (!plain)
                        unescaped_ += c;
                    ++p;
                }
                const size_t textEnd = p++;
                // Text after the closing qualifier belongs to the field as it stands.
                const size_t after = p;
                while (p < size && data[p] != delimiter_ && data[p] != '\n' && data[p] != '\r')
                    ++p;
                if (p > after && plain) {
                    unescapedAt_.emplace_back(fields_.size(), unescaped_.size());
                    unescaped_.append(data + textStart, textEnd - textStart);
                    plain = false;
                }
                if (!plain) {
                    unescaped_.append(data + after, p - after);
                    fields_.emplace_back(); // set below, once the buffer no longer moves
                } else {
                    fields_.emplace_back(data + textStart, textEnd - textStart);
                }
            } else {
                // Most fields end within the stops already found.
                const uint64_t ahead =
                    p >= blockStart_ && p < blockStart_ + kBlock ? blockStops_ >> (p - blockStart_) : 0;
                p = ahead != 0 ? p + static_cast<size_t>(std::countr_zero(ahead)) : FieldEnd(data, p, size);
                fields_.emplace_back(data + start, p - start);
            }
            if (p >= size) {
                recordEnd = true;
            } else if (data[p] == delimiter_) {
                ++p;
            } else {
                recordEnd = true;
                if (data[p] == '\r' && p + 1 < size && data[p + 1] == '\n')
                    ++p;
                ++p;
                ++nextLine_;
            }
        }
        for (size_t i = 0; i < unescapedAt_.size(); ++i) {
            const size_t from = unescapedAt_[i].second;
            const size_t to = i + 1 < unescapedAt_.size() ? unescapedAt_[i + 1].second : unescaped_.size();
            fields_[unescapedAt_[i].first] = std::string_view(unescaped_).substr(from, to - from);
        }
        const bool emptyLine = fields_.size() == 1 && fields_[0].empty();
        pos_ = p;
        if (!emptyLine)
            return true;
    }
}

bool CsvTable::Next()
{
    if (!ReadRecord())
        return false;
    const size_t expected = names_.size();
    // Some writers end every line with the delimiter: an empty last field is dropped.
    if (fields_.size() == expected + 1 && fields_.back().empty())
        fields_.pop_back();
    if (fields_.size() != expected)
        throw ImportError(FormatText(texts::kFieldCount, {fileName_, std::to_string(line_),
                                                          std::to_string(fields_.size()), std::to_string(expected)}));
    return true;
}

Decimal CsvTable::NumberOf(int column, std::string_view text) const
{
    Decimal value;
    if (!ParseDecimal(text, formats_[static_cast<size_t>(column)], value))
        FailNumber(column);
    return value;
}

void CsvTable::FailNumber(int column) const
{
    const NumberFormat& format = formats_[static_cast<size_t>(column)];
    throw ImportError(FormatText(
        texts::kBadNumber, {fileName_, std::to_string(line_), std::to_string(column + 1),
                            names_[static_cast<size_t>(column)], Utf8(column), std::string(1, format.decimalSymbol),
                            std::string(1, format.groupingSymbol), std::to_string(format.accuracy)}));
}

std::string CsvTable::Utf8(int column) const
{
    const std::string_view text = Field(column);
    if (!utf8_)
        return model::Win1252ToUtf8(text);
    if (!ValidUtf8(text))
        throw ImportError(FormatText(texts::kNotUtf8, {fileName_, std::to_string(line_)}));
    return std::string(text);
}

void CsvTable::Fail(int column, std::string_view pattern) const
{
    const std::string_view text = Field(column);
    const std::string shown = utf8_ ? std::string(text) : model::Win1252ToUtf8(text);
    throw ImportError(FormatText(pattern, {fileName_, std::to_string(line_), std::to_string(column + 1),
                                           names_[static_cast<size_t>(column)], shown}));
}

} // namespace kontaro::till
