// Reading damaged and unusual compound files: every damage gives the layer's error and never
// a crash, a hang or a read outside the input; what real writers do differently is read.

#include "xls/compound_file_fixtures.h"
#include "xls/compound_file_reader.h"
#include "xls/compound_file_writer.h"
#include "xls/xls_error.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace kontaro::xls {
namespace {

using test::Bytes;
using test::DirectoryEntryOffset;
using test::FatEntryOffset;
using test::Pattern;
using test::Read32;
using test::SectorOffset;
using test::Storage;
using test::Stream;
using test::Write32;

constexpr std::uint32_t kFree = 0xFFFFFFFF;

const char* const kInvalid = "The file \"in.xls\" is invalid";
const char* const kCantRead = "Can't read file \"in.xls\"";

// A small file with a regular stream (9 sectors), a mini stream (two streams) and a storage.
Bytes Sample()
{
    StorageElementList carried;
    carried.push_back(Stream(u"mini1", Pattern(200, 1)));
    carried.push_back(Storage(u"store", {Stream(u"mini2", Pattern(300, 2))}));
    return WriteCompoundFile(carried, Pattern(4500, 3));
}

std::uint32_t StartOf(const Bytes& file, std::u16string_view name)
{
    return Read32(file, DirectoryEntryOffset(file, name) + 116);
}

std::string ReadError(const Bytes& file)
{
    try {
        ReadCompoundFile(file, "in.xls");
    } catch (const XlsError& e) {
        return e.what();
    }
    return "read without error";
}

TEST(CompoundFileMalformed, DamageIsRefusedWithTheLayersError)
{
    struct Case {
        const char* what;
        std::function<void(Bytes&)> damage;
        const char* message;
    };
    const Case cases[] = {
        {"empty input", [](Bytes& f) { f.clear(); }, kInvalid},
        {"plain text", [](Bytes& f) { f.assign(2000, 'a'); }, kInvalid},
        {"header cut off", [](Bytes& f) { f.resize(300); }, kInvalid},
        {"unknown major version", [](Bytes& f) { f[26] = 5; }, kInvalid},
        {"sector size of the other version", [](Bytes& f) { f[30] = 12; }, kInvalid},
        {"wrong byte order mark", [](Bytes& f) { f[28] = 0xFF; }, kInvalid},
        {"mini stream cutoff changed", [](Bytes& f) { Write32(f, 56, 8192); }, kInvalid},
        {"file cut in the middle", [](Bytes& f) { f.resize(f.size() / 2); }, kCantRead},
        {"file cut after the header", [](Bytes& f) { f.resize(512); }, kCantRead},
        {"cyclic stream chain",
         [](Bytes& f) {
             const std::uint32_t s = StartOf(f, u"Workbook");
             Write32(f, FatEntryOffset(f, s + 3), s + 1);
         },
         kCantRead},
        {"stream chain into itself",
         [](Bytes& f) {
             const std::uint32_t s = StartOf(f, u"Workbook");
             Write32(f, FatEntryOffset(f, s), s);
         },
         kCantRead},
        {"stream chain ends early",
         [](Bytes& f) { Write32(f, FatEntryOffset(f, StartOf(f, u"Workbook") + 2), 0xFFFFFFFE); }, kCantRead},
        {"stream chain leaves the file",
         [](Bytes& f) { Write32(f, FatEntryOffset(f, StartOf(f, u"Workbook") + 2), 0x00FFFFFF); }, kCantRead},
        {"two streams share sectors",
         [](Bytes& f) {
             const std::size_t e = DirectoryEntryOffset(f, u"mini1");
             Write32(f, e + 116, StartOf(f, u"Workbook"));
             Write32(f, e + 120, 4096);
         },
         kCantRead},
        {"stream size beyond the file",
         [](Bytes& f) { Write32(f, DirectoryEntryOffset(f, u"Workbook") + 120, 0x7FFFFFF0); }, kCantRead},
        {"cyclic directory chain", [](Bytes& f) { Write32(f, FatEntryOffset(f, Read32(f, 48)), Read32(f, 48)); },
         kCantRead},
        {"directory beyond the file", [](Bytes& f) { Write32(f, 48, 5000); }, kCantRead},
        {"FAT sector beyond the file", [](Bytes& f) { Write32(f, 76, 5000); }, kCantRead},
        {"no FAT sector", [](Bytes& f) { Write32(f, 76, kFree); }, kCantRead},
        {"FAT sector listed twice",
         [](Bytes& f) {
             Write32(f, 80, Read32(f, 76));
             Write32(f, 44, 2);
         },
         kCantRead},
        {"DIFAT chain onto a FAT sector",
         [](Bytes& f) {
             Write32(f, 68, Read32(f, 76));
             Write32(f, 72, 1);
         },
         kCantRead},
        {"tree link to itself",
         [](Bytes& f) {
             const std::size_t e = DirectoryEntryOffset(f, u"mini1");
             Write32(f, e + 68, static_cast<std::uint32_t>((e - DirectoryEntryOffset(f, u"Root Entry")) / 128));
         },
         kCantRead},
        {"tree link beyond the directory", [](Bytes& f) { Write32(f, DirectoryEntryOffset(f, u"mini1") + 72, 40); },
         kCantRead},
        {"storage whose child is the root", [](Bytes& f) { Write32(f, DirectoryEntryOffset(f, u"store") + 76, 0); },
         kCantRead},
        {"root entry replaced", [](Bytes& f) { f[DirectoryEntryOffset(f, u"Root Entry") + 66] = 1; }, kCantRead},
        {"name length beyond the name field", [](Bytes& f) { f[DirectoryEntryOffset(f, u"mini1") + 64] = 70; },
         kCantRead},
        {"cyclic mini stream chain",
         [](Bytes& f) {
             // The mini FAT's entry for mini1's second mini sector points back to its first.
             const std::uint32_t miniFat = Read32(f, 60);
             const std::uint32_t first = StartOf(f, u"mini1");
             Write32(f, test::SectorOffset(miniFat) + 4 * (first + 1), first);
         },
         kCantRead},
        {"mini stream chain beyond the mini stream",
         [](Bytes& f) { Write32(f, DirectoryEntryOffset(f, u"mini2") + 116, 120); }, kCantRead},
        {"mini stream sectors shared",
         [](Bytes& f) { Write32(f, DirectoryEntryOffset(f, u"mini2") + 116, StartOf(f, u"mini1")); }, kCantRead},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes file = Sample();
        c.damage(file);
        EXPECT_EQ(ReadError(file), c.message);
    }
}

// Version 4 keeps 64-bit stream sizes; one near 2^64 must be refused, not wrap around to
// a small sector count and then ask for memory without bound.
TEST(CompoundFileMalformed, VersionFourStreamSizeNearTheTopIsRefused)
{
    StorageElementList carried;
    carried.push_back(Stream(u"big", Pattern(9000)));
    CompoundFileOptions options;
    options.majorVersion = 4;
    Bytes file = WriteCompoundFile(carried, Pattern(5000), options);
    const std::u16string name = u"big";
    std::size_t entry = 0;
    for (std::size_t at = 4096; at + 128 <= file.size() && entry == 0; at += 128) {
        bool same = test::Read16(file, at + 64) == 2 * (name.size() + 1);
        for (std::size_t k = 0; same && k < name.size(); ++k)
            same = test::Read16(file, at + 2 * k) == name[k];
        if (same)
            entry = at;
    }
    ASSERT_NE(entry, 0u);
    Write32(file, entry + 120, 0xFFFFFFFF);
    Write32(file, entry + 124, 0xFFFFFFFF);
    EXPECT_EQ(ReadError(file), kCantRead);
}

TEST(CompoundFileMalformed, WhatRealWritersDoDifferentlyIsRead)
{
    struct Case {
        const char* what;
        std::function<void(Bytes&)> change;
    };
    const Case cases[] = {
        {"free sectors beyond the FAT's end", [](Bytes& f) { f.resize(f.size() + 3 * 512, 0); }},
        {"a cut-off last sector that holds nothing needed", [](Bytes& f) { f.resize(f.size() + 100, 0); }},
        {"FREESECT as the end of the DIFAT chain", [](Bytes& f) { Write32(f, 68, kFree); }},
        {"more DIFAT entries than FAT sectors", [](Bytes& f) { Write32(f, 80, Read32(f, 76)); }},
        {"other header minor version", [](Bytes& f) { f[24] = 0x3B; }},
        {"version 3 directory sector count set", [](Bytes& f) { Write32(f, 40, 1); }},
        {"garbage in the high half of a version 3 size",
         [](Bytes& f) { Write32(f, DirectoryEntryOffset(f, u"Workbook") + 124, 0xDEADBEEF); }},
        {"directory chain ended with FREESECT",
         [](Bytes& f) { Write32(f, FatEntryOffset(f, Read32(f, 48) + 1), kFree); }},
        {"all entries red",
         [](Bytes& f) {
             for (const char16_t* name : {u"Root Entry", u"mini1", u"store", u"mini2", u"Workbook"}) {
                 f[DirectoryEntryOffset(f, name) + 67] = 0;
             }
         }},
        {"a stream chain that goes on past its size",
         [](Bytes& f) {
             // The last sector of "Workbook" links to the mini stream's first instead of ending.
             const std::uint32_t s = StartOf(f, u"Workbook");
             Write32(f, FatEntryOffset(f, s + 8), s + 9);
         }},
    };
    const Bytes original = Sample();
    const auto expected = ReadCompoundFile(original, "in.xls");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes file = original;
        c.change(file);
        try {
            const auto read = ReadCompoundFile(file, "in.xls");
            EXPECT_EQ(read.workbook, expected.workbook);
            ASSERT_EQ(read.carried.size(), 2u);
            EXPECT_EQ(read.carried[0].content, expected.carried[0].content);
            EXPECT_EQ(read.carried[1].children.at(0).content, expected.carried[1].children.at(0).content);
        } catch (const XlsError& e) {
            ADD_FAILURE() << e.what() << ": " << e.detail();
        }
    }
}

TEST(CompoundFileMalformed, NestingIsReadDeepButNotWithoutBound)
{
    auto nested = [](int depth) {
        StorageElement e = Stream(u"leaf", {1, 2, 3});
        for (int i = 0; i < depth; ++i) {
            StorageElementList children;
            children.push_back(std::move(e));
            e = Storage(u"level", std::move(children));
        }
        StorageElementList top;
        top.push_back(std::move(e));
        return WriteCompoundFile(top, Bytes{1});
    };
    const auto read = ReadCompoundFile(nested(100), "in.xls");
    const StorageElement* e = &read.carried.at(0);
    for (int i = 1; i < 100; ++i) {
        e = &e->children.at(0);
    }
    EXPECT_EQ(e->children.at(0).content, (Bytes{1, 2, 3}));
    EXPECT_EQ(ReadError(nested(300)), kCantRead);
}

// Run with the allocator's limit below the table such a file once made the reader reserve
// (the test's environment sets it), so that a reservation before validation fails the test.
TEST(CompoundFileMalformed, ALongDifatChainReservesNoMoreThanTheFileHolds)
{
    // 20 MB of DIFAT sectors, each naming 127 FAT sectors: over 5 million FAT sectors, a
    // table of 2.5 GB, in a file of 40,960 sectors.
    constexpr std::uint32_t kSectors = 40960;
    Bytes file = Sample();
    file.resize(SectorOffset(kSectors), 0);
    std::fill(file.begin() + 512, file.end(), 0);
    Write32(file, 44, kFree); // FAT sectors
    Write32(file, 68, 0);     // first DIFAT sector
    Write32(file, 72, kSectors);
    for (std::uint32_t s = 0; s < kSectors; ++s)
        Write32(file, SectorOffset(s) + 508, s + 1 < kSectors ? s + 1 : 0xFFFFFFFE);
    EXPECT_EQ(ReadError(file), kCantRead);
}

} // namespace
} // namespace kontaro::xls
