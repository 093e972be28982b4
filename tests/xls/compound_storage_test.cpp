// The storage handle on files: opening by path, creating only where no file exists, and no
// file left behind by a save that did not finish.

#include "support/bytes.h"
#include "support/temp_dir.h"
#include "xls/compound_file_fixtures.h"
#include "xls/compound_file_writer.h"
#include "xls/compound_storage.h"
#include "xls/xls_error.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace kontaro::xls {
namespace {

using test::Bytes;
using test::Pattern;
using test::Stream;

std::string Message(const std::function<void()>& action)
{
    try {
        action();
    } catch (const XlsError& e) {
        return e.what();
    }
    return "no error";
}

StorageElementList Carried()
{
    StorageElementList carried;
    carried.push_back(Stream(u"other", Pattern(5000)));
    return carried;
}

TEST(CompoundStorage, WritesAFileAndReadsItBack)
{
    kontaro::test::TempDir dir;
    const std::string path = dir.File("book.xls");
    auto storage = CompoundStorage::CreateFile(path);
    EXPECT_EQ(storage.mode(), CompoundStorage::Mode::Write);
    const Bytes records = Pattern(700);
    storage.WorkbookStream().Write(records);
    storage.Commit(Carried());

    auto read = CompoundStorage::OpenFile(path);
    EXPECT_EQ(read.mode(), CompoundStorage::Mode::Read);
    EXPECT_EQ(read.WorkbookStream().Bytes(), records);
    EXPECT_TRUE(read.WorkbookStreamName() == u"Workbook");
    const auto carried = read.TakeCarried();
    ASSERT_EQ(carried.size(), 1u);
    EXPECT_EQ(carried[0].content, Pattern(5000));
    EXPECT_TRUE(read.TakeCarried().empty());
}

TEST(CompoundStorage, AnExistingFileIsNeverReplaced)
{
    kontaro::test::TempDir dir;
    const std::string path = dir.File("taken.xls");
    kontaro::test::WriteFileBytes(path, "the user's data");
    const std::string expected = "Can't write to file \"" + path + "\". Check it is not in use by another user";

    EXPECT_EQ(Message([&] { CompoundStorage::CreateFile(path); }), expected);
    EXPECT_EQ(Message([&] { WriteCompoundFileAt(path, Carried(), Pattern(10)); }), expected);
    EXPECT_EQ(kontaro::test::ReadFileBytes(path), "the user's data");
}

TEST(CompoundStorage, AnUnfinishedSaveLeavesNoFile)
{
    kontaro::test::TempDir dir;
    const std::string path = dir.File("new.xls");
    {
        auto storage = CompoundStorage::CreateFile(path);
        storage.WorkbookStream().Write(Pattern(10));
        EXPECT_TRUE(std::filesystem::exists(path)); // the name is claimed at once
    }
    EXPECT_FALSE(std::filesystem::exists(path));

    // A refused element list: the claimed file goes again and the message names the path.
    auto storage = CompoundStorage::CreateFile(path);
    StorageElementList clash;
    clash.push_back(Stream(u"same", {1}));
    clash.push_back(Stream(u"SAME", {2}));
    EXPECT_EQ(Message([&] { storage.Commit(clash); }),
              "Can't write to file \"" + path + "\". Check it is not in use by another user");
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(Message([&] { WriteCompoundFileAt(path, clash, Bytes{1}); }),
              "Can't write to file \"" + path + "\". Check it is not in use by another user");
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(CompoundStorage, OpeningByPath)
{
    kontaro::test::TempDir dir;
    const std::string stem = dir.File("found");
    WriteCompoundFileAt(stem + ".xls", {}, Pattern(20));
    kontaro::test::WriteFileBytes(dir.File("text.xls"), "Name;Menge\r\n");

    // Without an extension the path is searched with ".xls".
    EXPECT_EQ(CompoundStorage::OpenFile(stem).WorkbookStream().Bytes(), Pattern(20));
    EXPECT_EQ(Message([&] { CompoundStorage::OpenFile(dir.File("missing.xls")); }),
              "Can't find the file \"" + dir.File("missing.xls") + "\"");
    EXPECT_EQ(Message([&] { CompoundStorage::OpenFile(""); }), "Can't find the file \"\"");
    EXPECT_EQ(Message([&] { CompoundStorage::OpenFile(dir.Path().string()); }),
              "Can't find the file \"" + dir.Path().string() + "\"");
    EXPECT_EQ(Message([&] { CompoundStorage::OpenFile(dir.File("text.xls")); }),
              "The file \"" + dir.File("text.xls") + "\" is invalid");
}

TEST(CompoundStorage, OpeningFromMemoryCopiesTheBytes)
{
    Bytes file = WriteCompoundFile(Carried(), Pattern(30));
    auto storage = CompoundStorage::OpenMemory(file);
    file.assign(file.size(), 0);
    EXPECT_EQ(storage.WorkbookStream().Bytes(), Pattern(30));
    EXPECT_EQ(Message([&] { CompoundStorage::OpenMemory(file, "template"); }), "The file \"template\" is invalid");
}

TEST(CompoundStream, ReadsWritesAndSeeks)
{
    CompoundStream stream;
    stream.Write(Bytes{1, 2, 3, 4});
    EXPECT_EQ(stream.Seek(1, CompoundStream::Origin::Begin), 1u);
    stream.Write(Bytes{9});
    EXPECT_EQ(stream.Seek(2, CompoundStream::Origin::End), 6u);
    stream.Write(Bytes{7}); // a gap before the position is zero filled
    EXPECT_EQ(stream.Bytes(), (Bytes{1, 9, 3, 4, 0, 0, 7}));

    EXPECT_EQ(stream.Seek(-3, CompoundStream::Origin::Current), 4u);
    Bytes out(5, 0xAA);
    EXPECT_EQ(stream.Read(out), 3u);
    EXPECT_EQ(out, (Bytes{0, 0, 7, 0xAA, 0xAA}));
    EXPECT_EQ(stream.Read(out), 0u);
    EXPECT_THROW(stream.Seek(-8, CompoundStream::Origin::End), std::out_of_range);
    EXPECT_EQ(stream.Position(), 7u);
}

} // namespace
} // namespace kontaro::xls
