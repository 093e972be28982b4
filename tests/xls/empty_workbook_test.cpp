// The built-in empty workbook and empty worksheet, record by record and property by property.

#include "xls/compound_file_fixtures.h"
#include "xls/compound_file_reader.h"
#include "xls/compound_file_writer.h"
#include "xls/empty_workbook.h"

#include <gtest/gtest.h>
#include <map>
#include <string_view>

namespace kontaro::xls {
namespace {

using test::Bytes;

struct ExpectedRecord {
    int number;
    std::size_t offset;
    std::uint16_t id;
    std::size_t length;
    std::string_view hex; // empty for WRITEACCESS, which is checked by its structure
};

// The records of the empty workbook's "Workbook" stream: globals 1 to 69, "Sheet1" 70 to 94.
constexpr ExpectedRecord kWorkbookRecords[] = {
    {1, 0, 0x0809, 16, "00 06 05 00 38 13 CD 07 C1 C0 00 00 06 03 00 00"},          // BOF
    {2, 20, 0x00E1, 2, "B0 04"},                                                    // INTERFACEHDR
    {3, 26, 0x00C1, 2, "00 00"},                                                    // MMS
    {4, 32, 0x00E2, 0, ""},                                                         // INTERFACEEND
    {5, 36, 0x005C, 112, ""},                                                       // WRITEACCESS
    {6, 152, 0x0042, 2, "B0 04"},                                                   // CODEPAGE
    {7, 158, 0x0161, 2, "00 00"},                                                   // DSF
    {8, 164, 0x01C0, 0, ""},                                                        // EXCEL9FILE
    {9, 168, 0x013D, 2, "01 00"},                                                   // TABID
    {10, 174, 0x009C, 2, "0E 00"},                                                  // FNGROUPCOUNT
    {11, 180, 0x0019, 2, "00 00"},                                                  // WINDOWPROTECT
    {12, 186, 0x0012, 2, "00 00"},                                                  // PROTECT
    {13, 192, 0x0013, 2, "00 00"},                                                  // PASSWORD
    {14, 198, 0x01AF, 2, "00 00"},                                                  // PROT4REV
    {15, 204, 0x01BC, 2, "00 00"},                                                  // PROT4REVPASS
    {16, 210, 0x003D, 18, "68 01 F0 00 5C 3A BE 23 38 00 00 00 00 00 01 00 58 02"}, // WINDOW1
    {17, 232, 0x0040, 2, "00 00"},                                                  // BACKUP
    {18, 238, 0x008D, 2, "00 00"},                                                  // HIDEOBJ
    {19, 244, 0x0022, 2, "00 00"},                                                  // DATEMODE
    {20, 250, 0x000E, 2, "01 00"},                                                  // PRECISION
    {21, 256, 0x01B7, 2, "00 00"},                                                  // REFRESHALL
    {22, 262, 0x00DA, 2, "00 00"},                                                  // BOOKBOOL
    {23, 268, 0x0031, 26, "C8 00 00 00 FF 7F 90 01 00 00 00 00 00 7F 05 01 41 00 72 00 69 00 61 00 6C 00"}, // FONT
    {24, 298, 0x0031, 26, "C8 00 00 00 FF 7F 90 01 00 00 00 00 00 7F 05 01 41 00 72 00 69 00 61 00 6C 00"}, // FONT
    {25, 328, 0x0031, 26, "C8 00 00 00 FF 7F 90 01 00 00 00 00 00 7F 05 01 41 00 72 00 69 00 61 00 6C 00"}, // FONT
    {26, 358, 0x0031, 26, "C8 00 00 00 FF 7F 90 01 00 00 00 00 00 7F 05 01 41 00 72 00 69 00 61 00 6C 00"}, // FONT
    {27, 388, 0x041E, 30,
     "05 00 19 00 00 22 24 55 22 5C 20 23 2C 23 23 30 3B 22 24 55 22 5C 20 5C 2D 23 2C 23 23 30"}, // FORMAT
    {28, 422, 0x041E, 35,
     "06 00 1E 00 00 22 24 55 22 5C 20 23 2C 23 23 30 3B 5B 52 65 64 5D 22 24 55 22 5C 20 5C 2D 23 2C 23 23 "
     "30"}, // FORMAT
    {29, 461, 0x041E, 36,
     "07 00 1F 00 00 22 24 55 22 5C 20 23 2C 23 23 30 2E 30 30 3B 22 24 55 22 5C 20 5C 2D 23 2C 23 23 30 2E 30 "
     "30"}, // FORMAT
    {30, 501, 0x041E, 41,
     "08 00 24 00 00 22 24 55 22 5C 20 23 2C 23 23 30 2E 30 30 3B 5B 52 65 64 5D 22 24 55 22 5C 20 5C 2D 23 2C "
     "23 23 30 2E 30 30"}, // FORMAT
    {31, 546, 0x041E, 64,
     "2A 00 3B 00 00 5F 20 22 24 55 22 5C 20 2A 20 23 2C 23 23 30 5F 20 3B 5F 20 22 24 55 22 5C 20 2A 20 5C 2D "
     "23 2C 23 23 30 5F 20 3B 5F 20 22 24 55 22 5C 20 2A 20 22 2D 22 5F 20 3B 5F 20 40 5F 20"}, // FORMAT
    {32, 614, 0x041E, 46,
     "29 00 29 00 00 5F 20 2A 20 23 2C 23 23 30 5F 20 3B 5F 20 2A 20 5C 2D 23 2C 23 23 30 5F 20 3B 5F 20 2A 20 "
     "22 2D 22 5F 20 3B 5F 20 40 5F 20"}, // FORMAT
    {33, 664, 0x041E, 72,
     "2C 00 43 00 00 5F 20 22 24 55 22 5C 20 2A 20 23 2C 23 23 30 2E 30 30 5F 20 3B 5F 20 22 24 55 22 5C 20 2A "
     "20 5C 2D 23 2C 23 23 30 2E 30 30 5F 20 3B 5F 20 22 24 55 22 5C 20 2A 20 22 2D 22 3F 3F 5F 20 3B 5F 20 40 "
     "5F 20"}, // FORMAT
    {34, 740, 0x041E, 54,
     "2B 00 31 00 00 5F 20 2A 20 23 2C 23 23 30 2E 30 30 5F 20 3B 5F 20 2A 20 5C 2D 23 2C 23 23 30 2E 30 30 5F "
     "20 3B 5F 20 2A 20 22 2D 22 3F 3F 5F 20 3B 5F 20 40 5F 20"},                             // FORMAT
    {35, 798, 0x00E0, 20, "00 00 00 00 F5 FF 20 00 00 00 00 00 00 00 00 00 00 00 C0 20"},     // XF
    {36, 822, 0x00E0, 20, "01 00 00 00 F5 FF 20 00 00 F4 00 00 00 00 00 00 00 00 C0 20"},     // XF
    {37, 846, 0x00E0, 20, "01 00 00 00 F5 FF 20 00 00 F4 00 00 00 00 00 00 00 00 C0 20"},     // XF
    {38, 870, 0x00E0, 20, "02 00 00 00 F5 FF 20 00 00 F4 00 00 00 00 00 00 00 00 C0 20"},     // XF
    {39, 894, 0x00E0, 20, "02 00 00 00 F5 FF 20 00 00 F4 00 00 00 00 00 00 00 00 C0 20"},     // XF
    {40, 918, 0x00E0, 20, "00 00 00 00 F5 FF 20 00 00 F4 00 00 00 00 00 00 00 00 C0 20"},     // XF
    {41, 942, 0x00E0, 20, "00 00 00 00 F5 FF 20 00 00 F4 00 00 00 00 00 00 00 00 C0 20"},     // XF
    {42, 966, 0x00E0, 20, "00 00 00 00 F5 FF 20 00 00 F4 00 00 00 00 00 00 00 00 C0 20"},     // XF
    {43, 990, 0x00E0, 20, "00 00 00 00 F5 FF 20 00 00 F4 00 00 00 00 00 00 00 00 C0 20"},     // XF
    {44, 1014, 0x00E0, 20, "00 00 00 00 F5 FF 20 00 00 F4 00 00 00 00 00 00 00 00 C0 20"},    // XF
    {45, 1038, 0x00E0, 20, "00 00 00 00 F5 FF 20 00 00 F4 00 00 00 00 00 00 00 00 C0 20"},    // XF
    {46, 1062, 0x00E0, 20, "00 00 00 00 F5 FF 20 00 00 F4 00 00 00 00 00 00 00 00 C0 20"},    // XF
    {47, 1086, 0x00E0, 20, "00 00 00 00 F5 FF 20 00 00 F4 00 00 00 00 00 00 00 00 C0 20"},    // XF
    {48, 1110, 0x00E0, 20, "00 00 00 00 F5 FF 20 00 00 F4 00 00 00 00 00 00 00 00 C0 20"},    // XF
    {49, 1134, 0x00E0, 20, "00 00 00 00 F5 FF 20 00 00 F4 00 00 00 00 00 00 00 00 C0 20"},    // XF
    {50, 1158, 0x00E0, 20, "00 00 00 00 01 00 20 00 00 00 00 00 00 00 00 00 00 00 C0 20"},    // XF
    {51, 1182, 0x00E0, 20, "01 00 2B 00 F5 FF 20 00 00 F8 00 00 00 00 00 00 00 00 C0 20"},    // XF
    {52, 1206, 0x00E0, 20, "01 00 29 00 F5 FF 20 00 00 F8 00 00 00 00 00 00 00 00 C0 20"},    // XF
    {53, 1230, 0x00E0, 20, "01 00 2C 00 F5 FF 20 00 00 F8 00 00 00 00 00 00 00 00 C0 20"},    // XF
    {54, 1254, 0x00E0, 20, "01 00 2A 00 F5 FF 20 00 00 F8 00 00 00 00 00 00 00 00 C0 20"},    // XF
    {55, 1278, 0x00E0, 20, "01 00 09 00 F5 FF 20 00 00 F8 00 00 00 00 00 00 00 00 C0 20"},    // XF
    {56, 1302, 0x0293, 4, "10 80 03 FF"},                                                     // STYLE
    {57, 1310, 0x0293, 4, "11 80 06 FF"},                                                     // STYLE
    {58, 1318, 0x0293, 4, "12 80 04 FF"},                                                     // STYLE
    {59, 1326, 0x0293, 4, "13 80 07 FF"},                                                     // STYLE
    {60, 1334, 0x0293, 4, "00 80 00 FF"},                                                     // STYLE
    {61, 1342, 0x0293, 4, "14 80 05 FF"},                                                     // STYLE
    {62, 1350, 0x0160, 2, "00 00"},                                                           // USESELFS
    {63, 1356, 0x0085, 14, "A1 05 00 00 00 00 06 00 53 68 65 65 74 31"},                      // BOUNDSHEET
    {64, 1374, 0x008C, 4, "01 00 56 02"},                                                     // COUNTRY
    {65, 1382, 0x01C1, 8, "C1 01 00 00 22 BE 01 00"},                                         // RECALCID
    {66, 1394, 0x00FC, 8, "00 00 00 00 00 00 00 00"},                                         // SST
    {67, 1406, 0x00FF, 2, "08 00"},                                                           // EXTSST
    {68, 1412, 0x0863, 21, "63 08 00 00 00 00 00 00 00 00 00 00 15 00 00 00 00 00 00 00 98"}, // BOOKEXT
    {69, 1437, 0x000A, 0, ""},                                                                // EOF
    {70, 1441, 0x0809, 16, "00 06 10 00 38 13 CD 07 C1 C0 00 00 06 03 00 00"},                // BOF
    {71, 1461, 0x020B, 16, "00 00 00 00 00 00 00 00 00 00 00 00 59 06 00 00"},                // INDEX
    {72, 1481, 0x000D, 2, "01 00"},                                                           // CALCMODE
    {73, 1487, 0x000C, 2, "64 00"},                                                           // CALCCOUNT
    {74, 1493, 0x000F, 2, "01 00"},                                                           // REFMODE
    {75, 1499, 0x0011, 2, "00 00"},                                                           // ITERATION
    {76, 1505, 0x0010, 8, "FC A9 F1 D2 4D 62 50 3F"},                                         // DELTA
    {77, 1517, 0x005F, 2, "01 00"},                                                           // SAVERECALC
    {78, 1523, 0x002A, 2, "00 00"},                                                           // PRINTHEADERS
    {79, 1529, 0x002B, 2, "00 00"},                                                           // PRINTGRIDLINES
    {80, 1535, 0x0082, 2, "01 00"},                                                           // GRIDSET
    {81, 1541, 0x0080, 8, "00 00 00 00 00 00 00 00"},                                         // GUTS
    {82, 1553, 0x0225, 4, "00 00 FF 00"},                                                     // DEFAULTROWHEIGHT
    {83, 1561, 0x0081, 2, "C1 04"},                                                           // WSBOOL
    {84, 1567, 0x0014, 0, ""},                                                                // HEADER
    {85, 1571, 0x0015, 0, ""},                                                                // FOOTER
    {86, 1575, 0x0083, 2, "00 00"},                                                           // HCENTER
    {87, 1581, 0x0084, 2, "00 00"},                                                           // VCENTER
    {88, 1587, 0x00A1, 34,
     "00 00 FF 00 01 00 01 00 01 00 04 00 00 00 00 00 00 00 00 00 00 00 E0 3F 00 00 00 00 00 00 E0 3F 00 "
     "00"},                                                                          // SETUP
    {89, 1625, 0x0055, 2, "08 00"},                                                  // DEFCOLWIDTH
    {90, 1631, 0x0200, 14, "00 00 00 00 00 00 00 00 00 00 00 00 00 00"},             // DIMENSIONS
    {91, 1649, 0x023E, 18, "B6 06 00 00 00 00 40 00 00 00 00 00 00 00 00 00 00 00"}, // WINDOW2
    {92, 1671, 0x001D, 15, "03 00 00 00 00 00 00 01 00 00 00 00 00 00 00"},          // SELECTION
    {93, 1690, 0x00EF, 6, "00 00 37 00 00 00"},                                      // PHONETIC
    {94, 1700, 0x000A, 0, ""},                                                       // EOF
};

Bytes FromHex(std::string_view hex)
{
    Bytes out;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 3) {
        out.push_back(static_cast<std::uint8_t>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    }
    return out;
}

struct Record {
    std::size_t offset;
    std::uint16_t id;
    Bytes data;
};

// The records up to and including the last EOF, and where they end.
std::vector<Record> Records(std::span<const std::uint8_t> stream, int eofCount, std::size_t& end)
{
    std::vector<Record> records;
    std::size_t at = 0;
    while (eofCount > 0 && at + 4 <= stream.size()) {
        Record r;
        r.offset = at;
        r.id = static_cast<std::uint16_t>(stream[at] | (stream[at + 1] << 8));
        const std::size_t length = stream[at + 2] | (stream[at + 3] << 8);
        r.data.assign(stream.begin() + static_cast<std::ptrdiff_t>(at + 4),
                      stream.begin() + static_cast<std::ptrdiff_t>(at + 4 + length));
        at += 4 + length;
        eofCount -= r.id == 0x000A;
        records.push_back(std::move(r));
    }
    end = at;
    return records;
}

void ExpectWriteAccess(const Bytes& data)
{
    ASSERT_EQ(data.size(), 112u);
    EXPECT_EQ(data[0], 6);
    EXPECT_EQ(data[1], 0);
    EXPECT_EQ(data[2], 0) << "8-bit characters";
    for (std::size_t i = 3; i < 9; ++i) {
        EXPECT_TRUE(std::isalpha(data[i])) << i;
    }
    for (std::size_t i = 9; i < 112; ++i) {
        EXPECT_EQ(data[i], 0x20) << i;
    }
}

TEST(EmptyWorkbook, IsACompoundFileOfThreeStreams)
{
    const auto file = EmptyWorkbook();
    ASSERT_EQ(file.size(), 13824u);
    const auto contents = ReadCompoundFile(file, "EMPTY_WORKBOOK");
    EXPECT_TRUE(contents.workbookName == u"Workbook");
    EXPECT_EQ(contents.workbook.size(), 4096u);
    ASSERT_EQ(contents.carried.size(), 2u);
    EXPECT_TRUE(contents.carried[0].name == u"\u0005SummaryInformation");
    EXPECT_TRUE(contents.carried[1].name == u"\u0005DocumentSummaryInformation");
    for (const auto& e : contents.carried) {
        EXPECT_EQ(e.kind, StorageElement::Kind::Stream);
        EXPECT_EQ(e.content.size(), 4096u);
    }
    // The root carries the class identifier 00020820-0000-0000-C000-000000000046.
    const Bytes bytes(file.begin(), file.end());
    const std::size_t root = test::DirectoryEntryOffset(bytes, u"Root Entry");
    const Bytes classId(bytes.begin() + static_cast<std::ptrdiff_t>(root + 80),
                        bytes.begin() + static_cast<std::ptrdiff_t>(root + 96));
    EXPECT_EQ(classId, FromHex("20 08 02 00 00 00 00 00 C0 00 00 00 00 00 00 46"));
}

TEST(EmptyWorkbook, WorkbookStreamHoldsTheRecordsThenZeros)
{
    const auto contents = ReadCompoundFile(EmptyWorkbook(), "EMPTY_WORKBOOK");
    std::size_t end = 0;
    const auto records = Records(contents.workbook, 2, end);
    ASSERT_EQ(records.size(), std::size(kWorkbookRecords));
    for (std::size_t i = 0; i < records.size(); ++i) {
        const ExpectedRecord& x = kWorkbookRecords[i];
        SCOPED_TRACE(x.number);
        EXPECT_EQ(records[i].offset, x.offset);
        EXPECT_EQ(records[i].id, x.id);
        EXPECT_EQ(records[i].data.size(), x.length);
        if (x.id == 0x005C) {
            ExpectWriteAccess(records[i].data);
        } else {
            EXPECT_EQ(records[i].data, FromHex(x.hex));
        }
    }
    EXPECT_EQ(end, 1704u);
    for (std::size_t i = end; i < contents.workbook.size(); ++i) {
        ASSERT_EQ(contents.workbook[i], 0) << i;
    }
}

TEST(EmptyWorkbook, SavedAgainKeepsThePropertySetsAndOnlyTheRecords)
{
    const auto contents = ReadCompoundFile(EmptyWorkbook(), "EMPTY_WORKBOOK");
    const Bytes records(contents.workbook.begin(), contents.workbook.begin() + 1704);
    const auto saved = ReadCompoundFile(WriteCompoundFile(contents.carried, records), "saved");
    EXPECT_EQ(saved.workbook, records);
    ASSERT_EQ(saved.carried.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_TRUE(saved.carried[i].name == contents.carried[i].name);
        EXPECT_EQ(saved.carried[i].content, contents.carried[i].content);
    }
}

TEST(EmptyWorksheet, IsTheSheetWithoutIndexAndNotSelected)
{
    const auto sheet = EmptyWorksheet();
    ASSERT_EQ(sheet.size(), 243u);
    std::size_t end = 0;
    const auto records = Records(sheet, 1, end);
    EXPECT_EQ(end, 243u);
    ASSERT_EQ(records.size(), 24u);
    std::vector<ExpectedRecord> expected;
    for (const ExpectedRecord& x : kWorkbookRecords) {
        if (x.number >= 70 && x.id != 0x020B) {
            expected.push_back(x);
        }
    }
    ASSERT_EQ(expected.size(), 24u);
    const std::map<int, std::size_t> offsets = {{1, 0},    {2, 20},   {18, 126}, {19, 164}, {20, 170},
                                                {21, 188}, {22, 210}, {23, 229}, {24, 239}};
    for (std::size_t i = 0; i < records.size(); ++i) {
        SCOPED_TRACE(i + 1);
        if (const auto o = offsets.find(static_cast<int>(i + 1)); o != offsets.end()) {
            EXPECT_EQ(records[i].offset, o->second);
        }
        EXPECT_EQ(records[i].id, expected[i].id);
        if (expected[i].id == 0x023E) {
            EXPECT_EQ(records[i].data, FromHex("B6 00 00 00 00 00 40 00 00 00 00 00 00 00 00 00 00 00"));
        } else {
            EXPECT_EQ(records[i].data, FromHex(expected[i].hex));
        }
    }
}

// A parsed property set: its format identifier and, in stored order, each property's
// identifier with its value's bytes (type included).
struct PropertySet {
    Bytes formatId;
    std::vector<std::pair<std::uint32_t, Bytes>> properties;
    std::size_t end = 0;
};

PropertySet ParsePropertySet(const Bytes& s)
{
    PropertySet set;
    EXPECT_EQ(test::Read16(s, 0), 0xFFFE);
    EXPECT_EQ(test::Read16(s, 2), 0);
    EXPECT_EQ(test::Read32(s, 4), 0x00020205u) << "platform 2, version 5.2";
    for (std::size_t i = 8; i < 24; ++i) {
        EXPECT_EQ(s[i], 0) << "class identifier";
    }
    EXPECT_EQ(test::Read32(s, 24), 1u);
    set.formatId.assign(s.begin() + 28, s.begin() + 44);
    const std::size_t section = test::Read32(s, 44);
    const std::size_t size = test::Read32(s, section);
    const std::size_t count = test::Read32(s, section + 4);
    set.end = section + size;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t id = test::Read32(s, section + 8 + 8 * i);
        const std::size_t from = section + test::Read32(s, section + 12 + 8 * i);
        const std::size_t to = i + 1 < count ? section + test::Read32(s, section + 20 + 8 * i) : set.end;
        set.properties.emplace_back(
            id, Bytes(s.begin() + static_cast<std::ptrdiff_t>(from), s.begin() + static_cast<std::ptrdiff_t>(to)));
    }
    return set;
}

Bytes Lpstr(std::string_view text)
{
    Bytes b = FromHex("1E 00 00 00");
    b.push_back(static_cast<std::uint8_t>(text.size() + 1));
    b.insert(b.end(), 3, 0);
    b.insert(b.end(), text.begin(), text.end());
    b.push_back(0);
    b.resize((b.size() + 3) / 4 * 4, 0);
    return b;
}

void ExpectOneLetter(const Bytes& value)
{
    ASSERT_EQ(value.size(), 12u);
    EXPECT_EQ(Bytes(value.begin(), value.begin() + 8), FromHex("1E 00 00 00 02 00 00 00"));
    EXPECT_TRUE(std::isalpha(value[8]));
    EXPECT_EQ(Bytes(value.begin() + 9, value.end()), Bytes(3, 0));
}

void ExpectZerosFrom(const Bytes& stream, std::size_t from)
{
    for (std::size_t i = from; i < stream.size(); ++i) {
        ASSERT_EQ(stream[i], 0) << i;
    }
}

TEST(EmptyWorkbook, SummaryInformation)
{
    const auto contents = ReadCompoundFile(EmptyWorkbook(), "EMPTY_WORKBOOK");
    const auto set = ParsePropertySet(contents.carried.at(0).content);
    EXPECT_EQ(set.formatId, FromHex("E0 85 9F F2 F9 4F 68 10 AB 91 08 00 2B 27 B3 D9"));
    EXPECT_EQ(set.end, 200u);
    ExpectZerosFrom(contents.carried[0].content, 200);
    ASSERT_EQ(set.properties.size(), 7u);
    const std::uint32_t ids[] = {1, 4, 8, 18, 12, 13, 19};
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(set.properties[i].first, ids[i]);
    }
    EXPECT_EQ(set.properties[0].second, FromHex("02 00 00 00 E4 04 00 00"));
    ExpectOneLetter(set.properties[1].second);
    EXPECT_EQ(set.properties[2].second, set.properties[1].second);
    EXPECT_EQ(set.properties[3].second, Lpstr("Microsoft Excel"));
    // FILETIME, 100 ns since 1601: 2003-08-27 16:40:13 and 16:41:24 UTC.
    EXPECT_EQ(set.properties[4].second, FromHex("40 00 00 00 80 D4 04 E3 B9 6C C3 01"));
    EXPECT_EQ(set.properties[5].second, FromHex("40 00 00 00 00 92 56 0D BA 6C C3 01"));
    EXPECT_EQ(set.properties[6].second, FromHex("03 00 00 00 00 00 00 00"));
}

TEST(EmptyWorkbook, DocumentSummaryInformation)
{
    const auto contents = ReadCompoundFile(EmptyWorkbook(), "EMPTY_WORKBOOK");
    const auto set = ParsePropertySet(contents.carried.at(1).content);
    EXPECT_EQ(set.formatId, FromHex("02 D5 CD D5 9C 2E 1B 10 93 97 08 00 2B 2C F9 AE"));
    EXPECT_EQ(set.end, 244u);
    ExpectZerosFrom(contents.carried[1].content, 244);
    ASSERT_EQ(set.properties.size(), 9u);
    const std::uint32_t ids[] = {1, 15, 23, 11, 16, 19, 22, 13, 12};
    for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(set.properties[i].first, ids[i]);
    }
    EXPECT_EQ(set.properties[0].second, FromHex("02 00 00 00 E4 04 00 00"));
    ExpectOneLetter(set.properties[1].second);
    EXPECT_EQ(set.properties[2].second, FromHex("03 00 00 00 38 13 0B 00")); // 11.4920
    for (std::size_t i = 3; i < 7; ++i) {
        EXPECT_EQ(set.properties[i].second, FromHex("0B 00 00 00 00 00 00 00"));
    }
    Bytes titles = FromHex("1E 10 00 00 01 00 00 00");
    const Bytes sheet1 = Lpstr("Sheet1");
    titles.insert(titles.end(), sheet1.begin() + 4, sheet1.end());
    EXPECT_EQ(set.properties[7].second, titles);
    Bytes headings = FromHex("0C 10 00 00 02 00 00 00");
    const Bytes worksheets = Lpstr("Worksheets");
    headings.insert(headings.end(), worksheets.begin(), worksheets.end());
    const Bytes one = FromHex("03 00 00 00 01 00 00 00");
    headings.insert(headings.end(), one.begin(), one.end());
    EXPECT_EQ(set.properties[8].second, headings);
}

} // namespace
} // namespace kontaro::xls
