#include "xls/shared_string_table.h"

#include "xls/text_utf16.h"
#include "xls/xls_error.h"
#include "xls/xls_texts.h"

#include <algorithm>

namespace kontaro::xls {
namespace {

constexpr std::size_t kMinSpaceForHeader = 32;

[[noreturn]] void Invalid(const char* why) { throw XlsError(std::string(texts::kRecordsInvalid), why); }

Bytes Encode(std::u16string_view text, std::span<const std::uint8_t> runs, std::span<const std::uint8_t> farEast,
             bool rich, bool hasFarEast)
{
    Bytes out;
    const bool wide = !FitsEightBit(text);
    PutU16(out, static_cast<std::uint16_t>(text.size()));
    PutU8(out, static_cast<std::uint8_t>((wide ? 1 : 0) | (hasFarEast ? 4 : 0) | (rich ? 8 : 0)));
    if (rich)
        PutU16(out, static_cast<std::uint16_t>(runs.size() / 4));
    if (hasFarEast)
        PutU32(out, static_cast<std::uint32_t>(farEast.size()));
    for (const char16_t c : text) {
        if (wide) {
            PutU16(out, c);
        } else {
            PutU8(out, static_cast<std::uint8_t>(c));
        }
    }
    out.insert(out.end(), runs.begin(), runs.end());
    out.insert(out.end(), farEast.begin(), farEast.end());
    return out;
}

// Walks the data of a record and its CONTINUE chain as one sequence, knowing where each piece
// begins so that character data can pick up the option byte a new piece starts with.
class ChainReader {
public:
    explicit ChainReader(const BiffRecord& record)
    {
        pieces_.push_back(&record.data);
        for (const Bytes& piece : record.continues)
            pieces_.push_back(&piece);
    }
    bool AtEnd()
    {
        SkipEmpty();
        return piece_ >= pieces_.size();
    }
    std::uint8_t Byte()
    {
        SkipEmpty();
        if (piece_ >= pieces_.size())
            Invalid("shared string runs past its records");
        return (*pieces_[piece_])[offset_++];
    }
    std::uint16_t U16() { return static_cast<std::uint16_t>(Byte() | (Byte() << 8)); }
    std::uint32_t U32() { return U16() | (std::uint32_t{U16()} << 16); }
    void Raw(Bytes& out, std::size_t count)
    {
        for (std::size_t i = 0; i < count; ++i)
            out.push_back(Byte());
    }
    // Characters: a piece boundary inside them starts with a fresh option byte.
    void Characters(std::u16string& out, std::size_t count, bool wide)
    {
        while (out.size() < count) {
            if (piece_ < pieces_.size() && offset_ >= pieces_[piece_]->size()) {
                ++piece_;
                offset_ = 0;
                if (piece_ >= pieces_.size() || pieces_[piece_]->empty())
                    Invalid("shared string runs past its records");
                wide = ((*pieces_[piece_])[offset_++] & 1) != 0;
                continue;
            }
            if (piece_ >= pieces_.size())
                Invalid("shared string runs past its records");
            out.push_back(wide ? static_cast<char16_t>(Byte() | (Byte() << 8)) : Byte());
        }
    }

private:
    void SkipEmpty()
    {
        while (piece_ < pieces_.size() && offset_ >= pieces_[piece_]->size()) {
            ++piece_;
            offset_ = 0;
        }
    }
    std::vector<const Bytes*> pieces_;
    std::size_t piece_ = 0;
    std::size_t offset_ = 0;
};

} // namespace

SstEntry* SharedStringTable::Insert(Bytes encoded)
{
    auto [it, inserted] = entries_.try_emplace(std::move(encoded));
    (void)inserted;
    return &*it;
}

SstEntry* SharedStringTable::Add(std::u16string_view text)
{
    if (text.size() > 65535)
        throw XlsError(std::string(texts::kInvalidString));
    SstEntry* entry = Insert(Encode(text, {}, {}, false, false));
    ++entry->second.references;
    return entry;
}

std::vector<SstEntry*> SharedStringTable::ReadRecord(const BiffRecord& record)
{
    if (record.data.size() < 8)
        Invalid("SST record too short");
    const std::uint32_t unique = GetU32(record.data.data() + 4);
    ChainReader reader(record);
    for (int i = 0; i < 8; ++i)
        reader.Byte();
    std::vector<SstEntry*> list;
    // The count in the header is not trusted: the strings end where the records end.
    for (std::uint32_t i = 0; i < unique && !reader.AtEnd(); ++i) {
        const std::size_t count = reader.U16();
        const std::uint8_t options = reader.Byte();
        const bool rich = options & 0x08, farEast = options & 0x04;
        const std::size_t runCount = rich ? reader.U16() : 0;
        const std::size_t farEastSize = farEast ? reader.U32() : 0;
        std::u16string text;
        text.reserve(std::min<std::size_t>(count, 65535));
        reader.Characters(text, count, options & 0x01);
        Bytes runs, extra;
        reader.Raw(runs, runCount * 4);
        reader.Raw(extra, farEastSize);
        list.push_back(Insert(Encode(text, runs, extra, rich, farEast)));
    }
    return list;
}

void SharedStringTable::RemoveUnreferenced()
{
    std::erase_if(entries_, [](const auto& entry) { return entry.second.references == 0; });
}

std::uint32_t SharedStringTable::TotalReferences() const
{
    std::uint32_t total = 0;
    for (const auto& [encoded, counts] : entries_)
        total += counts.references;
    return total;
}

std::u16string SharedStringTable::TextOf(const Bytes& encoded)
{
    std::size_t offset = 0;
    const std::size_t count = GetU16(encoded.data());
    const std::uint8_t options = encoded[2];
    offset = 3 + ((options & 0x08) ? 2 : 0) + ((options & 0x04) ? 4 : 0);
    std::u16string text;
    for (std::size_t i = 0; i < count; ++i) {
        if (options & 1) {
            text.push_back(static_cast<char16_t>(GetU16(encoded.data() + offset)));
            offset += 2;
        } else {
            text.push_back(encoded[offset++]);
        }
    }
    return text;
}

void SharedStringTable::Write(Bytes& out)
{
    struct Bucket {
        std::uint32_t position;
        std::uint16_t offset;
    };
    const std::size_t total = entries_.size();
    const std::size_t perBucket = std::max<std::size_t>(8, total / 128 + 1);
    std::vector<Bucket> buckets;

    Bytes current;
    bool first = true;
    const auto flush = [&] {
        PutRecord(out, first ? rec::SST : rec::CONTINUE, current);
        first = false;
        current.clear();
    };
    const auto space = [&] { return kMaxRecordData - current.size(); };

    PutU32(current, TotalReferences());
    PutU32(current, static_cast<std::uint32_t>(total));
    std::uint32_t index = 0;
    for (auto& [encoded, counts] : entries_) {
        counts.index = index;
        if (space() < kMinSpaceForHeader)
            flush();
        if (index % perBucket == 0) {
            buckets.push_back({static_cast<std::uint32_t>(out.size() + 4 + current.size()),
                               static_cast<std::uint16_t>(4 + current.size())});
        }
        ++index;
        const std::uint8_t options = encoded[2];
        const bool wide = options & 1;
        const std::size_t headerSize = 3 + ((options & 0x08) ? 2 : 0) + ((options & 0x04) ? 4 : 0);
        const std::size_t count = GetU16(encoded.data());
        current.insert(current.end(), encoded.begin(), encoded.begin() + static_cast<std::ptrdiff_t>(headerSize));
        std::size_t optionAt = current.size() - headerSize + 2;
        const std::uint8_t* chars = encoded.data() + headerSize;
        const auto charAt = [&](std::size_t i) -> char16_t {
            return wide ? static_cast<char16_t>(GetU16(chars + 2 * i)) : chars[i];
        };
        std::size_t done = 0;
        while (true) {
            const std::size_t remaining = count - done;
            std::size_t narrow = std::min(remaining, space());
            const std::size_t wideCount = std::min(remaining, space() / 2);
            if (wide) {
                std::size_t leading = 0;
                while (leading < narrow && charAt(done + leading) <= 0xFF)
                    ++leading;
                narrow = leading;
            }
            if (narrow < wideCount) {
                current[optionAt] |= 1;
                for (std::size_t i = 0; i < wideCount; ++i)
                    PutU16(current, charAt(done + i));
                done += wideCount;
            } else {
                current[optionAt] &= static_cast<std::uint8_t>(~1);
                for (std::size_t i = 0; i < narrow; ++i)
                    PutU8(current, static_cast<std::uint8_t>(charAt(done + i)));
                done += narrow;
            }
            if (done >= count)
                break;
            flush();
            current.push_back(0);
            optionAt = 0;
        }
        const std::size_t charBytes = count * (wide ? 2 : 1);
        std::size_t tail = headerSize + charBytes;
        while (tail < encoded.size()) {
            if (space() == 0)
                flush();
            const std::size_t piece = std::min(space(), encoded.size() - tail);
            current.insert(current.end(), encoded.begin() + static_cast<std::ptrdiff_t>(tail),
                           encoded.begin() + static_cast<std::ptrdiff_t>(tail + piece));
            tail += piece;
        }
    }
    flush();

    Bytes extsst;
    PutU16(extsst, static_cast<std::uint16_t>(perBucket));
    for (const Bucket& bucket : buckets) {
        PutU32(extsst, bucket.position);
        PutU16(extsst, bucket.offset);
        PutU16(extsst, 0);
    }
    PutRecord(out, rec::EXTSST, extsst);
}

} // namespace kontaro::xls
