// Compound files written by other programs: each is read with the elements other readers list,
// or refused with the layer's message, and what is read comes back unchanged when written anew.

#include "xls/compound_file_reader.h"
#include "xls/compound_file_writer.h"
#include "xls/xls_error.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace kontaro::xls {
namespace {

struct CorpusCase {
    const char* file;
    const char16_t* workbookName; // nullptr: refused
    std::size_t workbookSize;
    std::size_t elements; // carried elements at every depth
    const char* error;    // the message's start when refused
};

const CorpusCase kCorpus[] = {
    {"1904DateWindowing.xls", u"Workbook", 2640, 3, nullptr},
    {"27272_1.xls", u"Workbook", 4628, 10, nullptr},
    {"44235.xls", u"Workbook", 67638, 2, nullptr},
    {"47154.xls", u"Workbook", 2564, 4, nullptr},
    {"52447.xls", u"Workbook", 49319, 0, nullptr},
    {"59074.xls", u"Book", 8721, 0, nullptr}, // refused later by its record version
    {"AbnormalSharedFormulaFlag.xls", u"Workbook", 13972, 3, nullptr},
    {"SimpleChart.xls", u"Workbook", 4463, 2, nullptr},
    {"WithCheckBoxes.xls", u"Workbook", 3623, 15, nullptr},
    {"password.xls", u"Workbook", 18438, 3, nullptr}, // refused later by FILEPASS
    {"clusterfuzz-testcase-minimized-POIHSSFFuzzer-4819588401201152.xls", nullptr, 0, 0, "Can't read file \""},
    {"testEXCEL_4.xls", nullptr, 0, 0, "The file \""},
};

std::size_t CountElements(const StorageElementList& list)
{
    std::size_t count = list.size();
    for (const auto& e : list) {
        count += CountElements(e.children);
    }
    return count;
}

void ExpectSame(const StorageElementList& a, const StorageElementList& b)
{
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_TRUE(a[i].name == b[i].name);
        EXPECT_EQ(a[i].kind, b[i].kind);
        EXPECT_TRUE(a[i].content == b[i].content);
        ExpectSame(a[i].children, b[i].children);
    }
}

TEST(CompoundFileCorpus, FilesOfOtherProgramsAreReadOrRefused)
{
    const std::filesystem::path corpus = KONTARO_XLS_CORPUS;
    if (!std::filesystem::is_directory(corpus)) {
        GTEST_SKIP() << "no corpus at " << corpus;
    }
    for (const CorpusCase& c : kCorpus) {
        SCOPED_TRACE(c.file);
        const std::string path = (corpus / c.file).string();
        if (!c.workbookName) {
            try {
                ReadCompoundFileAt(path);
                ADD_FAILURE() << "not refused";
            } catch (const XlsError& e) {
                EXPECT_EQ(std::string(e.what()).rfind(c.error + path, 0), 0u) << e.what();
            }
            continue;
        }
        const auto read = ReadCompoundFileAt(path);
        EXPECT_TRUE(read.workbookName == c.workbookName);
        EXPECT_EQ(read.workbook.size(), c.workbookSize);
        EXPECT_EQ(CountElements(read.carried), c.elements);

        const auto again = ReadCompoundFile(WriteCompoundFile(read.carried, read.workbook), "again");
        EXPECT_TRUE(again.workbookName == u"Workbook");
        EXPECT_TRUE(again.workbook == read.workbook);
        ExpectSame(read.carried, again.carried);
    }
}

} // namespace
} // namespace kontaro::xls
