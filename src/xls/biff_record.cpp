#include "xls/biff_record.h"

#include "xls/xls_error.h"
#include "xls/xls_texts.h"

namespace kontaro::xls {

std::size_t BiffRecord::Size() const
{
    std::size_t size = 4 + data.size();
    for (const Bytes& piece : continues)
        size += 4 + piece.size();
    return size;
}

void PutRecord(Bytes& out, std::uint16_t id, std::span<const std::uint8_t> data)
{
    PutU16(out, id);
    PutU16(out, static_cast<std::uint16_t>(data.size()));
    out.insert(out.end(), data.begin(), data.end());
}

void BiffRecord::WriteTo(Bytes& out) const
{
    PutRecord(out, id, data);
    for (const Bytes& piece : continues)
        PutRecord(out, rec::CONTINUE, piece);
}

bool RecordReader::PeekId(std::uint16_t& id) const
{
    if (stream_.size() - position_ < 4)
        return false;
    id = GetU16(stream_.data() + position_);
    return true;
}

Bytes RecordReader::ReadData()
{
    const std::size_t length = GetU16(stream_.data() + position_ + 2);
    position_ += 4;
    if (stream_.size() - position_ < length) {
        throw XlsError(std::string(texts::kRecordsInvalid), "record data runs past the stream");
    }
    Bytes data(stream_.begin() + static_cast<std::ptrdiff_t>(position_),
               stream_.begin() + static_cast<std::ptrdiff_t>(position_ + length));
    position_ += length;
    return data;
}

bool RecordReader::Next(BiffRecord& record)
{
    std::uint16_t id = 0;
    if (!PeekId(id))
        return false;
    record.id = id;
    record.data = ReadData();
    record.continues.clear();
    while (PeekId(id) && id == rec::CONTINUE)
        record.continues.push_back(ReadData());
    return true;
}

} // namespace kontaro::xls
