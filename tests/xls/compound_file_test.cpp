// Writing compound files and reading them back: exact bytes, the carried order, the dropped
// elements, the mini stream boundary, FAT and DIFAT boundaries and the directory trees.

#include "xls/compound_file_fixtures.h"
#include "xls/compound_file_reader.h"
#include "xls/compound_file_writer.h"
#include "xls/xls_error.h"

#include <functional>
#include <gtest/gtest.h>
#include <set>

namespace kontaro::xls {
namespace {

using test::Bytes;
using test::Pattern;
using test::Read16;
using test::Read32;
using test::Storage;
using test::Stream;

constexpr std::uint32_t kEnd = 0xFFFFFFFE;
constexpr std::uint32_t kNoStream = 0xFFFFFFFF;

CompoundFileContents RoundTrip(const StorageElementList& carried, const Bytes& workbook,
                               const CompoundFileOptions& options = {})
{
    const Bytes file = WriteCompoundFile(carried, workbook, options);
    return ReadCompoundFile(file, "test.xls");
}

// Elements compare by kind, name, content and children, recursively.
void ExpectSameElements(const StorageElementList& expected, const StorageElementList& actual)
{
    ASSERT_EQ(expected.size(), actual.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(expected[i].kind, actual[i].kind);
        EXPECT_TRUE(expected[i].name == actual[i].name);
        EXPECT_EQ(expected[i].content, actual[i].content);
        ExpectSameElements(expected[i].children, actual[i].children);
    }
}

TEST(CompoundFile, NestedStoragesComeBackInNameOrderWithTheirBytes)
{
    StorageElementList carried;
    carried.push_back(Stream(u"\u0005SummaryInformation", Pattern(4096, 3)));
    carried.push_back(Storage(u"_VBA_PROJECT_CUR",
                              {Stream(u"PROJECT", Pattern(700)),
                               Storage(u"VBA", {Stream(u"dir", Pattern(5000, 9)), Stream(u"Workbook", Pattern(64)),
                                                Storage(u"Deep", {Stream(u"x", {1})})})}));
    carried.push_back(Stream(u"Ctls", Pattern(1)));
    const Bytes workbook = Pattern(10000, 5);

    const auto read = RoundTrip(carried, workbook);

    EXPECT_EQ(read.workbook, workbook);
    EXPECT_TRUE(read.workbookName == u"Workbook");
    // A storage lists its elements in the format's name order: shorter names first.
    StorageElementList expected;
    expected.push_back(Stream(u"Ctls", Pattern(1)));
    expected.push_back(Storage(
        u"_VBA_PROJECT_CUR", {Storage(u"VBA", {Stream(u"dir", Pattern(5000, 9)), Storage(u"Deep", {Stream(u"x", {1})}),
                                               Stream(u"Workbook", Pattern(64))}),
                              Stream(u"PROJECT", Pattern(700))}));
    expected.push_back(Stream(u"\u0005SummaryInformation", Pattern(4096, 3)));
    ExpectSameElements(expected, read.carried);
}

TEST(CompoundFile, ReadOrderIsKeptWhenWrittenAgain)
{
    StorageElementList carried;
    for (const char16_t* name : {u"b", u"A", u"ccc", u"DD"}) {
        carried.push_back(Stream(name, Pattern(10)));
    }
    const auto first = RoundTrip(carried, Pattern(100));
    const auto second = RoundTrip(first.carried, first.workbook);
    ExpectSameElements(first.carried, second.carried);
    EXPECT_TRUE(first.carried[0].name == u"A");
    EXPECT_TRUE(first.carried[3].name == u"ccc");
}

TEST(CompoundFile, StreamSizesAroundTheMiniStreamCutoff)
{
    struct Case {
        std::size_t size;
        bool inMiniStream;
    };
    for (const Case c : {Case{1, true}, Case{63, true}, Case{64, true}, Case{65, true}, Case{4095, true},
                         Case{4096, false}, Case{4097, false}, Case{512 * 9, false}}) {
        SCOPED_TRACE(c.size);
        StorageElementList carried;
        carried.push_back(Stream(u"data", Pattern(c.size, 7)));
        // The workbook stream is kept out of the mini stream, so only "data" can use it.
        const Bytes file = WriteCompoundFile(carried, Pattern(8192));
        EXPECT_EQ(Read32(file, 60) != kEnd, c.inMiniStream); // first mini FAT sector
        const auto read = ReadCompoundFile(file, "t");
        ASSERT_EQ(read.carried.size(), 1u);
        EXPECT_EQ(read.carried[0].content, Pattern(c.size, 7));
        EXPECT_EQ(read.workbook, Pattern(8192));
    }
}

TEST(CompoundFile, HeaderOfAWrittenFile)
{
    const Bytes file = WriteCompoundFile({}, Pattern(100));
    EXPECT_EQ(Read16(file, 24), 0x003E); // minor version
    EXPECT_EQ(Read16(file, 26), 3);      // major version
    EXPECT_EQ(Read16(file, 28), 0xFFFE);
    EXPECT_EQ(Read16(file, 30), 9);
    EXPECT_EQ(Read16(file, 32), 6);
    EXPECT_EQ(Read32(file, 40), 0u); // directory sectors: always 0 in version 3
    EXPECT_EQ(Read32(file, 56), 4096u);
    EXPECT_EQ(Read32(file, 68), kEnd); // no DIFAT sectors
    EXPECT_EQ(Read32(file, 72), 0u);
    EXPECT_EQ(file.size() % 512, 0u);
    const std::size_t root = test::DirectoryEntryOffset(file, u"Root Entry");
    for (std::size_t i = 80; i < 116; ++i) {
        EXPECT_EQ(file[root + i], 0) << "class identifier, state bits and times stay zero";
    }
    // The directory sector holds root and "Workbook"; the two unused entries are zero with
    // NOSTREAM links.
    for (std::size_t e = 2; e < 4; ++e) {
        const std::size_t at = root + 128 * e;
        for (std::size_t i = 0; i < 128; ++i) {
            const bool link = i >= 68 && i < 80;
            EXPECT_EQ(file[at + i], link ? 0xFF : 0) << "entry " << e << " byte " << i;
        }
    }
}

TEST(CompoundFile, VersionFourFilesAreRead)
{
    StorageElementList carried;
    carried.push_back(Storage(u"s", {Stream(u"small", Pattern(100)), Stream(u"big", Pattern(9000))}));
    CompoundFileOptions options;
    options.majorVersion = 4;
    const Bytes file = WriteCompoundFile(carried, Pattern(5000), options);
    EXPECT_EQ(Read16(file, 26), 4);
    EXPECT_EQ(file.size() % 4096, 0u);
    const auto read = ReadCompoundFile(file, "v4");
    EXPECT_EQ(read.workbook, Pattern(5000));
    ASSERT_EQ(read.carried.size(), 1u);
    ASSERT_EQ(read.carried[0].children.size(), 2u);
    EXPECT_EQ(read.carried[0].children[0].content, Pattern(9000));
    EXPECT_EQ(read.carried[0].children[1].content, Pattern(100));
}

TEST(CompoundFile, EmptyStreamsAndStoragesAreDropped)
{
    StorageElementList carried;
    carried.push_back(Stream(u"empty", {}));
    carried.push_back(Storage(u"nothing", {}));
    carried.push_back(Storage(u"onlyEmpty", {Stream(u"e", {}), Storage(u"inner", {})}));
    carried.push_back(Storage(u"kept", {Stream(u"e", {}), Stream(u"f", {1, 2})}));
    const auto read = RoundTrip(carried, Pattern(10));
    StorageElementList expected;
    expected.push_back(Storage(u"kept", {Stream(u"f", {1, 2})}));
    ExpectSameElements(expected, read.carried);
}

TEST(CompoundFile, OldWorkbookStreamIsReplacedWhateverItsCase)
{
    for (const char16_t* old : {u"Workbook", u"WORKBOOK", u"workbook", u"BOOK", u"Book"}) {
        StorageElementList carried;
        carried.push_back(Stream(old, Pattern(50)));
        carried.push_back(Storage(u"sub", {Stream(u"Workbook", Pattern(20))}));
        const auto read = RoundTrip(carried, Pattern(30, 4));
        EXPECT_TRUE(read.workbookName == u"Workbook");
        EXPECT_EQ(read.workbook, Pattern(30, 4));
        // Only the storage is left: a sub-storage's "Workbook" is an ordinary element.
        ASSERT_EQ(read.carried.size(), 1u);
        EXPECT_EQ(read.carried[0].children.at(0).content, Pattern(20));
    }
}

TEST(CompoundFile, WorkbookStreamFoundByTheFormatsNameRule)
{
    struct Case {
        std::vector<std::u16string> names; // top-level streams, "!" + name for a storage
        std::u16string found;              // empty: no workbook stream
    };
    const Case cases[] = {
        {{u"WORKBOOK"}, u"WORKBOOK"},          {{u"workBook"}, u"workBook"}, {{u"BOOK"}, u"BOOK"},
        {{u"Book", u"Workbook"}, u"Workbook"},                        // the newer name wins
        {{u"Workbook2", u"Books"}, u""},       {{u"!Workbook"}, u""}, // a storage is no workbook
                                                                      // stream
    };
    for (const Case& c : cases) {
        // The writer never writes such names beside its own workbook stream, so the file is
        // written with stand-ins of the same length that are then renamed in place.
        StorageElementList top;
        // The writer's own workbook stream is renamed first, before a stand-in takes its name.
        std::vector<std::pair<std::u16string, std::u16string>> renames = {{u"Workbook", u"Zzzzzzzz"}};
        for (std::size_t i = 0; i < c.names.size(); ++i) {
            const bool storage = c.names[i][0] == u'!';
            const std::u16string name = storage ? c.names[i].substr(1) : c.names[i];
            const std::u16string standIn(name.size(), static_cast<char16_t>(u'P' + i));
            top.push_back(storage ? Storage(standIn, {Stream(u"x", {1})}) : Stream(standIn, Pattern(40)));
            renames.emplace_back(standIn, name);
        }
        Bytes file = WriteCompoundFile(top, Pattern(1));
        for (const auto& [from, to] : renames) {
            const std::size_t at = test::DirectoryEntryOffset(file, from);
            for (std::size_t k = 0; k < to.size(); ++k) {
                file[at + 2 * k] = static_cast<std::uint8_t>(to[k]);
            }
        }
        SCOPED_TRACE(std::string(c.names[0].begin(), c.names[0].end()));
        if (c.found.empty()) {
            try {
                ReadCompoundFile(file, "f.xls");
                ADD_FAILURE() << "no error";
            } catch (const XlsError& e) {
                EXPECT_STREQ(e.what(), "The file \"f.xls\" holds no workbook");
            }
            continue;
        }
        const auto read = ReadCompoundFile(file, "f");
        EXPECT_TRUE(read.workbookName == c.found);
        EXPECT_EQ(read.workbook, Pattern(40));
        EXPECT_EQ(read.carried.size(), c.names.size()); // the stand-in "Zzzzzzzz" and the rest
    }
}

TEST(CompoundFile, NamesTheFormatCannotHoldAreRefused)
{
    const std::u16string longest(31, u'n');
    StorageElementList fine;
    fine.push_back(Stream(longest, {1}));
    EXPECT_TRUE(RoundTrip(fine, Bytes{1}).carried.at(0).name == longest);

    const std::vector<StorageElementList> refused = [] {
        std::vector<StorageElementList> lists(3);
        lists[0].push_back(Stream(std::u16string(32, u'n'), {1}));
        lists[1].push_back(Stream(u"abc", {1}));
        lists[1].push_back(Stream(u"ABC", {2}));
        lists[2].push_back(Storage(u"s", {Stream(u"\u00e4", {1}), Stream(u"\u00c4", {1})}));
        return lists;
    }();
    for (const auto& list : refused) {
        try {
            WriteCompoundFile(list, Bytes{1});
            ADD_FAILURE() << "not refused";
        } catch (const XlsError& e) {
            EXPECT_STREQ(e.what(), "Can't write to file \"\". Check it is not in use by another user");
        }
    }
}

// The directory of a written file: every storage's children form a search tree in the
// format's name order that is a valid red-black tree.
struct TreeCheck {
    const Bytes& file;
    std::size_t directory; // offset of the first directory sector (the directory is contiguous)

    std::size_t Entry(std::uint32_t i) const { return directory + 128 * i; }
    std::u16string Name(std::uint32_t i) const
    {
        std::u16string name;
        for (std::size_t k = 0; k + 1 < Read16(file, Entry(i) + 64) / 2u; ++k) {
            name.push_back(static_cast<char16_t>(Read16(file, Entry(i) + 2 * k)));
        }
        return name;
    }
    // Returns the black height; checks order and colours below node.
    int Check(std::uint32_t node, bool parentRed, const std::u16string* low, const std::u16string* high,
              int& count) const
    {
        if (node == kNoStream) {
            return 1;
        }
        ++count;
        const bool red = file[Entry(node) + 67] == 0;
        EXPECT_FALSE(red && parentRed) << "two reds in a row";
        const std::u16string name = Name(node);
        if (low) {
            EXPECT_GT(CompareElementNames(name, *low), 0);
        }
        if (high) {
            EXPECT_LT(CompareElementNames(name, *high), 0);
        }
        const int left = Check(Read32(file, Entry(node) + 68), red, low, &name, count);
        const int right = Check(Read32(file, Entry(node) + 72), red, &name, high, count);
        EXPECT_EQ(left, right) << "unequal black heights";
        if (file[Entry(node) + 66] == 1) {
            CheckStorage(node);
        }
        return left + (red ? 0 : 1);
    }
    void CheckStorage(std::uint32_t storage) const
    {
        const std::uint32_t root = Read32(file, Entry(storage) + 76);
        if (root != kNoStream) {
            EXPECT_EQ(file[Entry(root) + 67], 1) << "the root of a tree is black";
        }
        int count = 0;
        Check(root, false, nullptr, nullptr, count);
    }
};

TEST(CompoundFile, DirectoryTreesAreBalancedRedBlackTrees)
{
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 15, 16, 17, 31, 40, 100}) {
        SCOPED_TRACE(n);
        StorageElementList carried;
        StorageElementList inner;
        for (int i = 0; i < n; ++i) {
            std::u16string name = u"e";
            name.append(static_cast<std::size_t>(i % 7), u'x');
            name += static_cast<char16_t>(u'A' + i / 7);
            carried.push_back(Stream(name, {1}));
            inner.push_back(Stream(name, {2}));
        }
        carried.push_back(Storage(u"inner", std::move(inner)));
        const Bytes file = WriteCompoundFile(carried, Bytes{1});
        const TreeCheck check{file, test::SectorOffset(Read32(file, 48))};
        check.CheckStorage(0);
        EXPECT_EQ(ReadCompoundFile(file, "t").carried.size(), static_cast<std::size_t>(n + 1));
    }
}

// FAT and DIFAT boundaries: the FAT covers itself and the DIFAT, so the sector counts near a
// full FAT sector or a full DIFAT sector are where writers go wrong.
TEST(CompoundFile, FatAndDifatSectorCountsAtTheirBoundaries)
{
    struct Case {
        std::uint32_t dataSectors; // sectors of the one stream
        std::uint32_t fatSectors;
        std::uint32_t difatSectors;
    };
    // Sectors in all: data + 1 directory + FAT + DIFAT; a FAT sector covers 128.
    const Case cases[] = {
        {128 * 108 - 108 - 1, 108, 0},     // FAT exactly full with 108 sectors
        {128 * 108 - 108 - 1 + 1, 109, 0}, // one more sector needs the 109th
        {128 * 109 - 109 - 1, 109, 0},     // 109: the header's DIFAT is full
        {128 * 109 - 109 - 1 + 1, 110, 1}, // 110: the first DIFAT sector
        {128 * 236 - 236 - 1 - 1, 236, 1}, // 109 + 127: the first DIFAT sector is full
        {128 * 236 - 236 - 1 - 1 + 1, 237, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fatSectors);
        const Bytes workbook = Pattern(static_cast<std::size_t>(c.dataSectors) * 512, 11);
        const Bytes file = WriteCompoundFile({}, workbook);
        EXPECT_EQ(Read32(file, 44), c.fatSectors);
        EXPECT_EQ(Read32(file, 72), c.difatSectors);
        const std::size_t sectors = file.size() / 512 - 1;
        EXPECT_EQ(sectors, c.dataSectors + 1 + c.fatSectors + c.difatSectors);
        EXPECT_LE(sectors, 128u * c.fatSectors);
        if (c.difatSectors > 0) {
            // The last DIFAT sector ends the chain; its unused entries are free.
            std::uint32_t d = Read32(file, 68);
            for (std::uint32_t k = 1; k < c.difatSectors; ++k) {
                d = Read32(file, test::SectorOffset(d) + 508);
            }
            EXPECT_EQ(Read32(file, test::SectorOffset(d) + 508), kEnd);
            const std::uint32_t listed = c.fatSectors - 109 - 127 * (c.difatSectors - 1);
            if (listed < 127) {
                EXPECT_EQ(Read32(file, test::SectorOffset(d) + 4 * listed), 0xFFFFFFFFu);
            }
        } else {
            EXPECT_EQ(Read32(file, 68), kEnd);
        }
        const auto read = ReadCompoundFile(file, "big");
        EXPECT_TRUE(read.workbook == workbook);
    }
}

} // namespace
} // namespace kontaro::xls
