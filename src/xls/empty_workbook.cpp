#include "xls/empty_workbook.h"

#include "xls/compound_file_writer.h"
#include "xls/storage_element.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kontaro::xls {
namespace {

struct RecordText {
    std::uint16_t id;
    std::string_view hex; // the record's data, bytes in hexadecimal separated by blanks
};

constexpr std::uint16_t kWriteAccess = 0x005C;
constexpr std::uint16_t kIndex = 0x020B;
constexpr std::uint16_t kWindow2 = 0x023E;

// The workbook globals of the empty workbook. WRITEACCESS is composed from kUserName.
constexpr RecordText kGlobals[] = {
    {0x0809, "00 06 05 00 38 13 CD 07 C1 C0 00 00 06 03 00 00"},                               // 1 BOF
    {0x00E1, "B0 04"},                                                                         // 2 INTERFACEHDR
    {0x00C1, "00 00"},                                                                         // 3 MMS
    {0x00E2, ""},                                                                              // 4 INTERFACEEND
    {0x005C, ""},                                                                              // 5 WRITEACCESS
    {0x0042, "B0 04"},                                                                         // 6 CODEPAGE
    {0x0161, "00 00"},                                                                         // 7 DSF
    {0x01C0, ""},                                                                              // 8 EXCEL9FILE
    {0x013D, "01 00"},                                                                         // 9 TABID
    {0x009C, "0E 00"},                                                                         // 10 FNGROUPCOUNT
    {0x0019, "00 00"},                                                                         // 11 WINDOWPROTECT
    {0x0012, "00 00"},                                                                         // 12 PROTECT
    {0x0013, "00 00"},                                                                         // 13 PASSWORD
    {0x01AF, "00 00"},                                                                         // 14 PROT4REV
    {0x01BC, "00 00"},                                                                         // 15 PROT4REVPASS
    {0x003D, "68 01 F0 00 5C 3A BE 23 38 00 00 00 00 00 01 00 58 02"},                         // 16 WINDOW1
    {0x0040, "00 00"},                                                                         // 17 BACKUP
    {0x008D, "00 00"},                                                                         // 18 HIDEOBJ
    {0x0022, "00 00"},                                                                         // 19 DATEMODE
    {0x000E, "01 00"},                                                                         // 20 PRECISION
    {0x01B7, "00 00"},                                                                         // 21 REFRESHALL
    {0x00DA, "00 00"},                                                                         // 22 BOOKBOOL
    {0x0031, "C8 00 00 00 FF 7F 90 01 00 00 00 00 00 7F 05 01 41 00 72 00 69 00 61 00 6C 00"}, // 23 FONT
    {0x0031, "C8 00 00 00 FF 7F 90 01 00 00 00 00 00 7F 05 01 41 00 72 00 69 00 61 00 6C 00"}, // 24 FONT
    {0x0031, "C8 00 00 00 FF 7F 90 01 00 00 00 00 00 7F 05 01 41 00 72 00 69 00 61 00 6C 00"}, // 25 FONT
    {0x0031, "C8 00 00 00 FF 7F 90 01 00 00 00 00 00 7F 05 01 41 00 72 00 69 00 61 00 6C 00"}, // 26 FONT
    {0x041E, "05 00 19 00 00 22 24 55 22 5C 20 23 2C 23 23 30 3B 22 24 55 22 5C 20 5C 2D 23 2C 23 23 30"}, // 27 FORMAT
    {0x041E, "06 00 1E 00 00 22 24 55 22 5C 20 23 2C 23 23 30 3B 5B 52 65 64 5D 22 24 55 22 5C 20 5C 2D 23 2C 23 23 "
             "30"}, // 28 FORMAT
    {0x041E, "07 00 1F 00 00 22 24 55 22 5C 20 23 2C 23 23 30 2E 30 30 3B 22 24 55 22 5C 20 5C 2D 23 2C 23 23 30 2E 30 "
             "30"}, // 29 FORMAT
    {0x041E, "08 00 24 00 00 22 24 55 22 5C 20 23 2C 23 23 30 2E 30 30 3B 5B 52 65 64 5D 22 24 55 22 5C 20 5C 2D 23 2C "
             "23 23 30 2E 30 30"}, // 30 FORMAT
    {0x041E, "2A 00 3B 00 00 5F 20 22 24 55 22 5C 20 2A 20 23 2C 23 23 30 5F 20 3B 5F 20 22 24 55 22 5C 20 2A 20 5C 2D "
             "23 2C 23 23 30 5F 20 3B 5F 20 22 24 55 22 5C 20 2A 20 22 2D 22 5F 20 3B 5F 20 40 5F 20"}, // 31 FORMAT
    {0x041E, "29 00 29 00 00 5F 20 2A 20 23 2C 23 23 30 5F 20 3B 5F 20 2A 20 5C 2D 23 2C 23 23 30 5F 20 3B 5F 20 2A 20 "
             "22 2D 22 5F 20 3B 5F 20 40 5F 20"}, // 32 FORMAT
    {0x041E, "2C 00 43 00 00 5F 20 22 24 55 22 5C 20 2A 20 23 2C 23 23 30 2E 30 30 5F 20 3B 5F 20 22 24 55 22 5C 20 2A "
             "20 5C 2D 23 2C 23 23 30 2E 30 30 5F 20 3B 5F 20 22 24 55 22 5C 20 2A 20 22 2D 22 3F 3F 5F 20 3B 5F 20 40 "
             "5F 20"}, // 33 FORMAT
    {0x041E, "2B 00 31 00 00 5F 20 2A 20 23 2C 23 23 30 2E 30 30 5F 20 3B 5F 20 2A 20 5C 2D 23 2C 23 23 30 2E 30 30 5F "
             "20 3B 5F 20 2A 20 22 2D 22 3F 3F 5F 20 3B 5F 20 40 5F 20"},       // 34 FORMAT
    {0x00E0, "00 00 00 00 F5 FF 20 00 00 00 00 00 00 00 00 00 00 00 C0 20"},    // 35 XF
    {0x00E0, "01 00 00 00 F5 FF 20 00 00 F4 00 00 00 00 00 00 00 00 C0 20"},    // 36 XF
    {0x00E0, "01 00 00 00 F5 FF 20 00 00 F4 00 00 00 00 00 00 00 00 C0 20"},    // 37 XF
    {0x00E0, "02 00 00 00 F5 FF 20 00 00 F4 00 00 00 00 00 00 00 00 C0 20"},    // 38 XF
    {0x00E0, "02 00 00 00 F5 FF 20 00 00 F4 00 00 00 00 00 00 00 00 C0 20"},    // 39 XF
    {0x00E0, "00 00 00 00 F5 FF 20 00 00 F4 00 00 00 00 00 00 00 00 C0 20"},    // 40 XF
    {0x00E0, "00 00 00 00 F5 FF 20 00 00 F4 00 00 00 00 00 00 00 00 C0 20"},    // 41 XF
    {0x00E0, "00 00 00 00 F5 FF 20 00 00 F4 00 00 00 00 00 00 00 00 C0 20"},    // 42 XF
    {0x00E0, "00 00 00 00 F5 FF 20 00 00 F4 00 00 00 00 00 00 00 00 C0 20"},    // 43 XF
    {0x00E0, "00 00 00 00 F5 FF 20 00 00 F4 00 00 00 00 00 00 00 00 C0 20"},    // 44 XF
    {0x00E0, "00 00 00 00 F5 FF 20 00 00 F4 00 00 00 00 00 00 00 00 C0 20"},    // 45 XF
    {0x00E0, "00 00 00 00 F5 FF 20 00 00 F4 00 00 00 00 00 00 00 00 C0 20"},    // 46 XF
    {0x00E0, "00 00 00 00 F5 FF 20 00 00 F4 00 00 00 00 00 00 00 00 C0 20"},    // 47 XF
    {0x00E0, "00 00 00 00 F5 FF 20 00 00 F4 00 00 00 00 00 00 00 00 C0 20"},    // 48 XF
    {0x00E0, "00 00 00 00 F5 FF 20 00 00 F4 00 00 00 00 00 00 00 00 C0 20"},    // 49 XF
    {0x00E0, "00 00 00 00 01 00 20 00 00 00 00 00 00 00 00 00 00 00 C0 20"},    // 50 XF
    {0x00E0, "01 00 2B 00 F5 FF 20 00 00 F8 00 00 00 00 00 00 00 00 C0 20"},    // 51 XF
    {0x00E0, "01 00 29 00 F5 FF 20 00 00 F8 00 00 00 00 00 00 00 00 C0 20"},    // 52 XF
    {0x00E0, "01 00 2C 00 F5 FF 20 00 00 F8 00 00 00 00 00 00 00 00 C0 20"},    // 53 XF
    {0x00E0, "01 00 2A 00 F5 FF 20 00 00 F8 00 00 00 00 00 00 00 00 C0 20"},    // 54 XF
    {0x00E0, "01 00 09 00 F5 FF 20 00 00 F8 00 00 00 00 00 00 00 00 C0 20"},    // 55 XF
    {0x0293, "10 80 03 FF"},                                                    // 56 STYLE
    {0x0293, "11 80 06 FF"},                                                    // 57 STYLE
    {0x0293, "12 80 04 FF"},                                                    // 58 STYLE
    {0x0293, "13 80 07 FF"},                                                    // 59 STYLE
    {0x0293, "00 80 00 FF"},                                                    // 60 STYLE
    {0x0293, "14 80 05 FF"},                                                    // 61 STYLE
    {0x0160, "00 00"},                                                          // 62 USESELFS
    {0x0085, "A1 05 00 00 00 00 06 00 53 68 65 65 74 31"},                      // 63 BOUNDSHEET
    {0x008C, "01 00 56 02"},                                                    // 64 COUNTRY
    {0x01C1, "C1 01 00 00 22 BE 01 00"},                                        // 65 RECALCID
    {0x00FC, "00 00 00 00 00 00 00 00"},                                        // 66 SST
    {0x00FF, "08 00"},                                                          // 67 EXTSST
    {0x0863, "63 08 00 00 00 00 00 00 00 00 00 00 15 00 00 00 00 00 00 00 98"}, // 68 BOOKEXT
    {0x000A, ""},                                                               // 69 EOF
};

// The worksheet "Sheet1" of the empty workbook, as it stands behind the globals.
constexpr RecordText kSheet[] = {
    {0x0809, "00 06 10 00 38 13 CD 07 C1 C0 00 00 06 03 00 00"}, // 70 BOF
    {0x020B, "00 00 00 00 00 00 00 00 00 00 00 00 59 06 00 00"}, // 71 INDEX
    {0x000D, "01 00"},                                           // 72 CALCMODE
    {0x000C, "64 00"},                                           // 73 CALCCOUNT
    {0x000F, "01 00"},                                           // 74 REFMODE
    {0x0011, "00 00"},                                           // 75 ITERATION
    {0x0010, "FC A9 F1 D2 4D 62 50 3F"},                         // 76 DELTA
    {0x005F, "01 00"},                                           // 77 SAVERECALC
    {0x002A, "00 00"},                                           // 78 PRINTHEADERS
    {0x002B, "00 00"},                                           // 79 PRINTGRIDLINES
    {0x0082, "01 00"},                                           // 80 GRIDSET
    {0x0080, "00 00 00 00 00 00 00 00"},                         // 81 GUTS
    {0x0225, "00 00 FF 00"},                                     // 82 DEFAULTROWHEIGHT
    {0x0081, "C1 04"},                                           // 83 WSBOOL
    {0x0014, ""},                                                // 84 HEADER
    {0x0015, ""},                                                // 85 FOOTER
    {0x0083, "00 00"},                                           // 86 HCENTER
    {0x0084, "00 00"},                                           // 87 VCENTER
    {0x00A1,
     "00 00 FF 00 01 00 01 00 01 00 04 00 00 00 00 00 00 00 00 00 00 00 E0 3F 00 00 00 00 00 00 E0 3F 00 00"}, // 88
                                                                                                               // SETUP
    {0x0055, "08 00"},                                                 // 89 DEFCOLWIDTH
    {0x0200, "00 00 00 00 00 00 00 00 00 00 00 00 00 00"},             // 90 DIMENSIONS
    {0x023E, "B6 06 00 00 00 00 40 00 00 00 00 00 00 00 00 00 00 00"}, // 91 WINDOW2
    {0x001D, "03 00 00 00 00 00 00 01 00 00 00 00 00 00 00"},          // 92 SELECTION
    {0x00EF, "00 00 37 00 00 00"},                                     // 93 PHONETIC
    {0x000A, ""},                                                      // 94 EOF
};

// WINDOW2 of an inserted sheet: neither selected nor shown in the window.
constexpr std::string_view kWindow2Unselected = "B6 00 00 00 00 00 40 00 00 00 00 00 00 00 00 00 00 00";

constexpr std::string_view kUserName = "Nutzer";
constexpr std::string_view kAuthor = "K";
constexpr std::size_t kStreamSize = 4096;

// The root class identifier of an Excel 97 worksheet document,
// 00020820-0000-0000-C000-000000000046.
constexpr ClassId kWorksheetClass = {0x20, 0x08, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                     0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};

using Bytes = std::vector<std::uint8_t>;

int HexDigit(char c) { return c <= '9' ? c - '0' : c - 'A' + 10; }

void PutU16(Bytes& out, std::uint32_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void PutU32(Bytes& out, std::uint32_t v)
{
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

void PutRecord(Bytes& out, std::uint16_t id, const Bytes& data)
{
    PutU16(out, id);
    PutU16(out, static_cast<std::uint32_t>(data.size()));
    out.insert(out.end(), data.begin(), data.end());
}

Bytes FromHex(std::string_view hex)
{
    Bytes data;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 3) {
        data.push_back(static_cast<std::uint8_t>(HexDigit(hex[i]) * 16 + HexDigit(hex[i + 1])));
    }
    return data;
}

Bytes WriteAccessData()
{
    Bytes data;
    PutU16(data, static_cast<std::uint32_t>(kUserName.size()));
    data.push_back(0); // 8-bit characters
    data.insert(data.end(), kUserName.begin(), kUserName.end());
    data.resize(112, 0x20);
    return data;
}

Bytes WorkbookStream()
{
    Bytes out;
    for (const RecordText& r : kGlobals) {
        PutRecord(out, r.id, r.id == kWriteAccess ? WriteAccessData() : FromHex(r.hex));
    }
    for (const RecordText& r : kSheet) {
        PutRecord(out, r.id, FromHex(r.hex));
    }
    out.resize(kStreamSize, 0);
    return out;
}

// Property sets: a header with one section, the section's property index, then the values,
// each padded to four bytes.
struct Property {
    std::uint32_t id;
    Bytes value; // type and value as stored
};

constexpr std::uint16_t kVtI2 = 2, kVtI4 = 3, kVtBool = 11, kVtVariant = 12, kVtLpstr = 30, kVtFiletime = 64,
                        kVtVector = 0x1000;

void PadTo4(Bytes& b)
{
    while (b.size() % 4 != 0) {
        b.push_back(0);
    }
}

void PutLpstr(Bytes& out, std::string_view text)
{
    PutU32(out, static_cast<std::uint32_t>(text.size() + 1));
    out.insert(out.end(), text.begin(), text.end());
    out.push_back(0);
    PadTo4(out);
}

Bytes Typed(std::uint16_t type)
{
    Bytes b;
    PutU32(b, type);
    return b;
}

Bytes I2(std::uint16_t v)
{
    Bytes b = Typed(kVtI2);
    PutU16(b, v);
    PadTo4(b);
    return b;
}

Bytes I4(std::uint32_t v)
{
    Bytes b = Typed(kVtI4);
    PutU32(b, v);
    return b;
}

Bytes Bool(bool v)
{
    Bytes b = Typed(kVtBool);
    PutU16(b, v ? 0xFFFF : 0);
    PadTo4(b);
    return b;
}

Bytes Lpstr(std::string_view text)
{
    Bytes b = Typed(kVtLpstr);
    PutLpstr(b, text);
    return b;
}

// Days from 1601-01-01 to the given date of the proleptic Gregorian calendar.
constexpr std::int64_t DaysSince1601(int y, int m, int d)
{
    y -= m <= 2;
    const std::int64_t era = y / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const std::int64_t fromCivilEpoch = era * 146097 + doe; // days since 0000-03-01
    return fromCivilEpoch - 584694;                         // 1601-01-01 is day 584,694
}

Bytes FileTime(int y, int mo, int d, int h, int mi, int s)
{
    const std::uint64_t seconds = static_cast<std::uint64_t>(DaysSince1601(y, mo, d)) * 86400 + h * 3600 + mi * 60 + s;
    const std::uint64_t ticks = seconds * 10000000;
    Bytes b = Typed(kVtFiletime);
    PutU32(b, static_cast<std::uint32_t>(ticks));
    PutU32(b, static_cast<std::uint32_t>(ticks >> 32));
    return b;
}

Bytes PropertySet(const std::array<std::uint8_t, 16>& formatId, const std::vector<Property>& properties)
{
    Bytes values;
    std::vector<std::uint32_t> offsets;
    const std::uint32_t indexSize = 8 + 8 * static_cast<std::uint32_t>(properties.size());
    for (const Property& p : properties) {
        offsets.push_back(indexSize + static_cast<std::uint32_t>(values.size()));
        values.insert(values.end(), p.value.begin(), p.value.end());
    }
    Bytes out;
    PutU16(out, 0xFFFE);            // byte order
    PutU16(out, 0);                 // format version
    PutU16(out, 0x0205);            // system: version 5.2
    PutU16(out, 2);                 // system: platform 2
    out.resize(out.size() + 16, 0); // class identifier
    PutU32(out, 1);                 // one section
    out.insert(out.end(), formatId.begin(), formatId.end());
    PutU32(out, 48); // the section follows the header
    PutU32(out, indexSize + static_cast<std::uint32_t>(values.size()));
    PutU32(out, static_cast<std::uint32_t>(properties.size()));
    for (std::size_t i = 0; i < properties.size(); ++i) {
        PutU32(out, properties[i].id);
        PutU32(out, offsets[i]);
    }
    out.insert(out.end(), values.begin(), values.end());
    out.resize(kStreamSize, 0);
    return out;
}

// F29F85E0-4FF9-1068-AB91-08002B27B3D9
constexpr std::array<std::uint8_t, 16> kSummaryFormat = {0xE0, 0x85, 0x9F, 0xF2, 0xF9, 0x4F, 0x68, 0x10,
                                                         0xAB, 0x91, 0x08, 0x00, 0x2B, 0x27, 0xB3, 0xD9};
// D5CDD502-2E9C-101B-9397-08002B2CF9AE
constexpr std::array<std::uint8_t, 16> kDocumentSummaryFormat = {0x02, 0xD5, 0xCD, 0xD5, 0x9C, 0x2E, 0x1B, 0x10,
                                                                 0x93, 0x97, 0x08, 0x00, 0x2B, 0x2C, 0xF9, 0xAE};

Bytes SummaryInformation()
{
    return PropertySet(kSummaryFormat, {
                                           {1, I2(1252)},
                                           {4, Lpstr(kAuthor)},
                                           {8, Lpstr(kAuthor)},
                                           {18, Lpstr("Microsoft Excel")},
                                           {12, FileTime(2003, 8, 27, 16, 40, 13)},
                                           {13, FileTime(2003, 8, 27, 16, 41, 24)},
                                           {19, I4(0)},
                                       });
}

Bytes DocumentSummaryInformation()
{
    Bytes titles = Typed(kVtVector | kVtLpstr);
    PutU32(titles, 1);
    PutLpstr(titles, "Sheet1");
    Bytes headings = Typed(kVtVector | kVtVariant);
    PutU32(headings, 2);
    const Bytes name = Lpstr("Worksheets");
    const Bytes count = I4(1);
    headings.insert(headings.end(), name.begin(), name.end());
    headings.insert(headings.end(), count.begin(), count.end());
    return PropertySet(kDocumentSummaryFormat, {
                                                   {1, I2(1252)},
                                                   {15, Lpstr(kAuthor)},
                                                   {23, I4((11u << 16) | 4920u)},
                                                   {11, Bool(false)},
                                                   {16, Bool(false)},
                                                   {19, Bool(false)},
                                                   {22, Bool(false)},
                                                   {13, titles},
                                                   {12, headings},
                                               });
}

Bytes ComposeWorkbook()
{
    StorageElementList carried(2);
    carried[0].name = u"\u0005SummaryInformation";
    carried[0].content = SummaryInformation();
    carried[1].name = u"\u0005DocumentSummaryInformation";
    carried[1].content = DocumentSummaryInformation();
    CompoundFileOptions options;
    options.rootClassId = kWorksheetClass;
    return WriteCompoundFile(carried, WorkbookStream(), options);
}

Bytes ComposeWorksheet()
{
    Bytes out;
    for (const RecordText& r : kSheet) {
        if (r.id == kIndex) {
            continue;
        }
        PutRecord(out, r.id, FromHex(r.id == kWindow2 ? kWindow2Unselected : r.hex));
    }
    return out;
}

} // namespace

std::span<const std::uint8_t> EmptyWorkbook()
{
    static const Bytes bytes = ComposeWorkbook();
    return bytes;
}

std::span<const std::uint8_t> EmptyWorksheet()
{
    static const Bytes bytes = ComposeWorksheet();
    return bytes;
}

} // namespace kontaro::xls
