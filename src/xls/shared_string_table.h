#pragma once
// SharedStringTable: the workbook's strings, each held once with the number of cells that
// use it, kept in table order (shorter encoded form first, then byte by byte). Entries keep
// their address for their whole life, so cells refer to them directly.

#include "xls/biff_record.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace kontaro::xls {

struct EncodedLess {
    bool operator()(const Bytes& a, const Bytes& b) const
    {
        if (a.size() != b.size())
            return a.size() < b.size();
        return a < b;
    }
};

struct SstCounts {
    std::uint32_t references = 0;
    std::uint32_t index = 0; // set while saving
};

using SstEntry = std::pair<const Bytes, SstCounts>;

class SharedStringTable {
public:
    // Adds a reference to the string, creating its entry.
    SstEntry* Add(std::u16string_view text);
    void Release(SstEntry* entry)
    {
        if (entry && entry->second.references > 0)
            --entry->second.references;
    }

    // The strings of an SST record (with its CONTINUE chain), in record order, each entered
    // with no reference. Throws XlsError(kRecordsInvalid) for a string that runs past the chain.
    std::vector<SstEntry*> ReadRecord(const BiffRecord& record);

    // Drops the entries no cell refers to.
    void RemoveUnreferenced();

    // Appends SST (with CONTINUE records) and EXTSST to the stream `out`; stream positions in
    // EXTSST are offsets in `out`.
    void Write(Bytes& out);

    std::size_t Size() const { return entries_.size(); }
    std::uint32_t TotalReferences() const;
    const std::map<Bytes, SstCounts, EncodedLess>& Entries() const { return entries_; }

    // The text of an entry's encoded form.
    static std::u16string TextOf(const Bytes& encoded);

private:
    SstEntry* Insert(Bytes encoded);
    std::map<Bytes, SstCounts, EncodedLess> entries_;
};

} // namespace kontaro::xls
