#include "model/project_file.h"
#include "support/bytes.h"
#include "support/project_builder.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kontaro::model {
namespace {

using test::AddDay;
using test::AddEntry;
using test::AddGroup;
using test::AddProduct;
using test::ReadFileBytes;
using test::SameBytes;
using test::TempDir;
using test::WriteFileBytes;

const std::string kExample = std::string(KONTARO_TEST_DATA) + "/example-2005.kdt";

// The project of the file format's example: one group, two products, one day.
void FillExample(Project& project)
{
    AddGroup(project, 1, "Getr\xE4nke");
    tProduct& cola = AddProduct(
        project,
        {.id = 1, .name = "Cola 0,3", .einkauf = 0.45, .verkauf = 1.80, .steuer = 16, .gruppe = 1, .from = 38353});
    cola.Verkauf.AddValue(38534, 2.00);
    AddProduct(project, {.id = 2,
                         .name = "Tagesessen",
                         .einkauf = 35,
                         .verkauf = std::nullopt,
                         .steuer = 7,
                         .gruppe = 1,
                         .einkaufProzent = true,
                         .from = 38353});
    AddDay(project.Days, 38417, {{1, 24}, {2, 56.5}});
}

std::string Saved(const Project& project)
{
    StringSink sink;
    EXPECT_TRUE(WriteProject(sink, project));
    return sink.Bytes();
}

// Everything that is saved, compared field by field.
void ExpectSameProject(const Project& a, const Project& b)
{
    ASSERT_EQ(a.Groups.Count(), b.Groups.Count());
    for (int i = 0; i < a.Groups.Count(); ++i) {
        EXPECT_EQ(a.Groups.Item(i).ID, b.Groups.Item(i).ID);
        EXPECT_EQ(a.Groups.Item(i).Name, b.Groups.Item(i).Name);
    }
    ASSERT_EQ(a.Products.Count(), b.Products.Count());
    for (int i = 0; i < a.Products.Count(); ++i) {
        const tProduct& p = a.Products.Item(i);
        const tProduct& q = b.Products.Item(i);
        EXPECT_EQ(p.ID, q.ID);
        EXPECT_EQ(p.EinkaufProzent, q.EinkaufProzent);
        EXPECT_EQ(p.VerkaufVariabel, q.VerkaufVariabel);
        auto sameList = [](const auto& x, const auto& y, auto value) {
            ASSERT_EQ(x.Count(), y.Count());
            for (int k = 0; k < x.Count(); ++k) {
                EXPECT_EQ(x.Item(k).Date, y.Item(k).Date);
                EXPECT_EQ(value(x.Item(k)), value(y.Item(k)));
            }
        };
        sameList(p.Name, q.Name, [](const tStringItem& item) { return item.Text; });
        sameList(p.Einkauf, q.Einkauf, [](const tFloatItem& item) { return item.Value; });
        sameList(p.Verkauf, q.Verkauf, [](const tFloatItem& item) { return item.Value; });
        sameList(p.Steuer, q.Steuer, [](const tFloatItem& item) { return item.Value; });
        sameList(p.Gruppe, q.Gruppe, [](const tIntegerItem& item) { return item.Value; });
    }
    ASSERT_EQ(a.Days.Count(), b.Days.Count());
    for (int i = 0; i < a.Days.Count(); ++i) {
        const tDay& d = a.Days.Item(i);
        const tDay& e = b.Days.Item(i);
        EXPECT_EQ(d.Date, e.Date);
        ASSERT_EQ(d.Count(), e.Count());
        for (int k = 0; k < d.Count(); ++k) {
            EXPECT_EQ(d.Entry(k).ProductID, e.Entry(k).ProductID);
            EXPECT_EQ(d.Entry(k).Value, e.Entry(k).Value);
        }
    }
}

TEST(ProjectFile, TheExampleIsWrittenByteForByte)
{
    Project project;
    FillExample(project);
    const std::string bytes = Saved(project);
    EXPECT_TRUE(SameBytes(ReadFileBytes(kExample), bytes));
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 98);
    EXPECT_NE(bytes.find("<v>Getr\xE4nke</v>"), std::string::npos);
}

TEST(ProjectFile, TheExampleLoadsAsTheProjectItDescribes)
{
    Project loaded;
    const LoadResult result = LoadProjectFile(kExample, loaded);
    ASSERT_EQ(result.status, LoadStatus::Ok) << result.message;
    EXPECT_TRUE(result.report.Empty());
    Project expected;
    FillExample(expected);
    ExpectSameProject(expected, loaded);
}

TEST(ProjectFile, AnEmptyProjectSavesTheBareDocumentAndDoesNotLoadAgain)
{
    const std::string bytes = Saved(Project{});
    EXPECT_EQ(bytes, "<?xml version=\"1.0\" encoding=\"windows-1252\" ?>\r\n<kontaro>\r\n\t<groups>\r\n\t</groups>\r\n"
                     "\t<products>\r\n\t</products>\r\n\t<days>\r\n\t</days>\r\n</kontaro>\r\n");
    Project loaded;
    const LoadResult result = LoadProjectText(bytes, loaded);
    EXPECT_EQ(result.status, LoadStatus::NoGroups);
    EXPECT_EQ(result.message, "In dieser Datei sind keine Gruppen definiert. Die Datei ist daher mit dieser "
                              "Programmversion nicht kompatibel.");
}

TEST(ProjectFile, AVariedProjectSurvivesSaveAndLoad)
{
    Project project;
    FillExample(project);
    for (int32_t id : {0, -3, 7}) {
        std::string name = "G";
        name += std::to_string(id);
        AddGroup(project, id, id == 0 ? "Backwaren \x80 & <Kuchen>" : name);
    }
    auto p = std::make_unique<tProduct>();
    p->ID = -40;
    p->Name.AddValue(-500, "Br\xF6tchen");
    p->Name.AddValue(44000, "Br\xF6tchen gro\xDF");
    p->Einkauf.AddValue(0, 1.0 / 3.0);
    p->Verkauf.AddValue(0, 1e-7);
    p->Verkauf.AddValue(40000, 123456789.25);
    p->Steuer.AddValue(0, 19);
    p->Steuer.AddValue(44013, 16);
    p->Steuer.AddValue(44197, 19);
    p->Gruppe.AddValue(0, 0);
    p->Gruppe.AddValue(44000, -3);
    project.Products.AddProduct(p);
    for (DayNumber date : {44013, -20, 46000})
        for (int32_t id : {-40, 2, 99})
            AddEntry(project, date, id, date * 0.25 - id);

    const std::string bytes = Saved(project);
    Project loaded;
    const LoadResult result = LoadProjectText(bytes, loaded);
    ASSERT_EQ(result.status, LoadStatus::Ok);
    EXPECT_TRUE(result.report.Empty());
    // 1/3 keeps 15 digits only; everything else is exact.
    loaded.Products.Item(0).Einkauf.Clear();
    loaded.Products.Item(0).Einkauf.AddValue(0, 1.0 / 3.0);
    ExpectSameProject(project, loaded);
    EXPECT_EQ(Saved(loaded), bytes);
}

TEST(ProjectFile, BackupNames)
{
    const struct {
        const char* path;
        const char* backup;
    } cases[] = {{"/d/laden.kdt", "/d/laden.bak"},
                 {"/d/laden", "/d/laden.bak"},
                 {"/d/laden.2005.kdt", "/d/laden.2005.bak"},
                 {"/d.x/laden", "/d.x/laden.bak"}};
    for (const auto& c : cases)
        EXPECT_EQ(BackupFileName(c.path), c.backup) << c.path;
}

TEST(ProjectFile, SavingCopiesThePreviousFileToTheBackup)
{
    TempDir dir;
    const std::string file = dir.File("laden.kdt");
    WriteFileBytes(file, "previous");
    WriteFileBytes(dir.File("laden.bak"), "older backup");
    Project project;
    FillExample(project);
    const SaveResult result = SaveProjectFile(file, project);
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_EQ(ReadFileBytes(dir.File("laden.bak")), "previous");
    EXPECT_TRUE(SameBytes(ReadFileBytes(kExample), ReadFileBytes(file)));

    const std::string plain = dir.File("laden");
    WriteFileBytes(plain, "no extension");
    ASSERT_TRUE(SaveProjectFile(plain, project).ok);
    EXPECT_EQ(ReadFileBytes(dir.File("laden.bak")), "no extension");

    // A new file has nothing to back up.
    ASSERT_TRUE(SaveProjectFile(dir.File("neu.kdt"), project).ok);
    EXPECT_FALSE(std::filesystem::exists(dir.File("neu.bak")));
    // Only the saved files are left: no temporary files.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 4);
}

TEST(ProjectFile, SavingToABackupNameKeepsTheFile)
{
    TempDir dir;
    const std::string file = dir.File("laden.bak");
    Project project;
    FillExample(project);
    WriteFileBytes(file, "previous");
    ASSERT_TRUE(SaveProjectFile(file, project).ok);
    EXPECT_TRUE(SameBytes(ReadFileBytes(kExample), ReadFileBytes(file)));
}

TEST(ProjectFile, SavingKeepsTheFilesPermissions)
{
    TempDir dir;
    const std::string file = dir.File("laden.kdt");
    WriteFileBytes(file, "previous");
    ::chmod(file.c_str(), 0640);
    Project project;
    FillExample(project);
    ASSERT_TRUE(SaveProjectFile(file, project).ok);
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

// Passes the first `limit` bytes to the file, then fails every write.
class FailingAfter : public OutputSink {
public:
    FailingAfter(OutputSink& file, size_t limit) : file_(file), left_(limit) {}
    bool Write(std::string_view bytes) override
    {
        const size_t passed = std::min(bytes.size(), left_);
        left_ -= passed;
        return file_.Write(bytes.substr(0, passed)) && passed == bytes.size();
    }
    bool Finish() override { return file_.Finish(); }

private:
    OutputSink& file_;
    size_t left_;
};

TEST(ProjectFile, AFailedWriteLeavesThePreviousFileAndReportsIt)
{
    TempDir dir;
    const std::string file = dir.File("laden.kdt");
    WriteFileBytes(file, "previous");
    Project project;
    FillExample(project);
    const SaveResult result = SaveProjectFile(file, project, [](OutputSink& sink) {
        return std::make_unique<FailingAfter>(sink, 48); // the declaration line only
    });
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "Die Datei \"" + file + "\" konnte nicht gespeichert werden!");
    EXPECT_EQ(ReadFileBytes(file), "previous");
    EXPECT_EQ(ReadFileBytes(dir.File("laden.bak")), "previous");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 2); // no temporary left
}

TEST(ProjectFile, AFailedFinishIsAFailedSave)
{
    struct NoSync : OutputSink {
        explicit NoSync(OutputSink& f) : file(f) {}
        bool Write(std::string_view bytes) override { return file.Write(bytes); }
        bool Finish() override { return false; }
        OutputSink& file;
    };
    TempDir dir;
    const std::string file = dir.File("laden.kdt");
    Project project;
    FillExample(project);
    EXPECT_FALSE(SaveProjectFile(file, project, [](OutputSink& s) { return std::make_unique<NoSync>(s); }).ok);
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST(ProjectFile, SavingIntoAMissingFolderOrOverAFolderFails)
{
    TempDir dir;
    Project project;
    FillExample(project);
    EXPECT_FALSE(SaveProjectFile(dir.File("fehlt/laden.kdt"), project).ok);
    std::filesystem::create_directory(dir.File("ordner.kdt"));
    EXPECT_FALSE(SaveProjectFile(dir.File("ordner.kdt"), project).ok);
}

TEST(ProjectFile, AReadOnlyFileIsNotReplaced)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser may write every file";
    TempDir dir;
    const std::string file = dir.File("laden.kdt");
    WriteFileBytes(file, "previous");
    ::chmod(file.c_str(), 0444);
    Project project;
    FillExample(project);
    EXPECT_FALSE(SaveProjectFile(file, project).ok);
    EXPECT_EQ(ReadFileBytes(file), "previous");
}

TEST(ProjectFile, LoadingAMissingFileOrAFolderFails)
{
    TempDir dir;
    Project project;
    FillExample(project);
    const std::string missing = dir.File("fehlt.kdt");
    const LoadResult result = LoadProjectFile(missing, project);
    EXPECT_EQ(result.status, LoadStatus::CannotRead);
    EXPECT_EQ(result.message, "Konnte die Datei \"" + missing + "\" nicht laden!");
    EXPECT_EQ(project.Groups.Count(), 0); // cleared all the same
    EXPECT_EQ(LoadProjectFile(dir.Path().string(), project).status, LoadStatus::CannotRead);
}

} // namespace
} // namespace kontaro::model
