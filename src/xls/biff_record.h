#pragma once
// One BIFF8 record with the CONTINUE records that followed it, the identifiers the workbook
// treats specially, and the reader that cuts a workbook stream into records.

#include "xls/byte_io.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace kontaro::xls {

namespace rec {
inline constexpr std::uint16_t BOF = 0x0809, EOF_ = 0x000A, CONTINUE = 0x003C, FILEPASS = 0x002F;
inline constexpr std::uint16_t XCT = 0x0059, CRN = 0x005A, DBCELL = 0x00D7, MSODRAWINGSELECTION = 0x00ED,
                               RECALCID = 0x01C1, INDEX = 0x020B;
inline constexpr std::uint16_t SST = 0x00FC, EXTSST = 0x00FF, BOUNDSHEET = 0x0085;
inline constexpr std::uint16_t FONT = 0x0031, FORMAT = 0x041E, XF = 0x00E0, PALETTE = 0x0092;
inline constexpr std::uint16_t WINDOW1 = 0x003D, WINDOW2 = 0x023E, DIMENSIONS = 0x0200, ROW = 0x0208;
inline constexpr std::uint16_t BLANK = 0x0201, NUMBER = 0x0203, RK = 0x027E, LABELSST = 0x00FD, BOOLERR = 0x0205,
                               LABEL = 0x0204, FORMULA = 0x0006, RSTRING = 0x00D6;
inline constexpr std::uint16_t STRING = 0x0207, ARRAY = 0x0221, TABLE = 0x0236, SHRFMLA = 0x04BC;
inline constexpr std::uint16_t MULRK = 0x00BD, MULBLANK = 0x00BE, COLINFO = 0x007D;
inline constexpr std::uint16_t DEFAULTROWHEIGHT = 0x0225, DEFCOLWIDTH = 0x0055;
inline constexpr std::uint16_t NAME = 0x0018, SUPBOOK = 0x01AE, EXTERNSHEET = 0x0017, EXTERNNAME = 0x0023,
                               MSODRAWINGGROUP = 0x00EB;
inline constexpr std::uint16_t MSODRAWING = 0x00EC, OBJ = 0x005D, TXO = 0x01B6, NOTE = 0x001C;
inline constexpr std::uint16_t HPAGEBREAKS = 0x001B, VPAGEBREAKS = 0x001A, MERGEDCELLS = 0x00E5;
inline constexpr std::uint16_t CONDFMT = 0x01B0, CF = 0x01B1, DVAL = 0x01B2, DV = 0x01BE;
inline constexpr std::uint16_t HLINK = 0x01B8, HLINKTOOLTIP = 0x0800, CODENAME = 0x01BA;
} // namespace rec

inline constexpr std::size_t kMaxRecordData = 8224;

struct BiffRecord {
    std::uint16_t id = 0;
    Bytes data;
    std::vector<Bytes> continues; // data of each CONTINUE record that followed

    std::size_t Size() const;
    void WriteTo(Bytes& out) const;
};

// Writes one record header and data.
void PutRecord(Bytes& out, std::uint16_t id, std::span<const std::uint8_t> data);

// Cuts a workbook stream into records, from `start` on. Next() returns false when fewer than
// 4 bytes are left. A record with identifier 0 is returned like any other: inside a section
// it is an unknown record, and only the caller knows whether it stands between sections
// (the zero fill of a built-in stream). Throws XlsError(kRecordsInvalid) when a record's data
// runs past the end of the stream.
class RecordReader {
public:
    explicit RecordReader(std::span<const std::uint8_t> stream, std::size_t start = 0)
        : stream_(stream), position_(std::min(start, stream.size()))
    {}
    bool Next(BiffRecord& record);
    // The offset of the next record's header.
    std::size_t Position() const { return position_; }

private:
    bool PeekId(std::uint16_t& id) const;
    Bytes ReadData();

    std::span<const std::uint8_t> stream_;
    std::size_t position_ = 0;
};

} // namespace kontaro::xls
