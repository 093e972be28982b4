// The remembered article mappings in the project file: written only when there are
// some, read back, skipped by a reader that knows only the three sections.
#include "model/project_file.h"
#include "model/project_xml.h"
#include "model/win1252.h"
#include "support/bytes.h"
#include "support/temp_dir.h"
#include "support/till_project.h"
#include "till/export_files.h"
#include "till/import_plan.h"

#include <gtest/gtest.h>

namespace kontaro::till {
namespace {

std::string Bytes(const model::Project& project)
{
    model::StringSink sink;
    EXPECT_TRUE(model::WriteProject(sink, project));
    return sink.Bytes();
}

TEST(TillMappingFile, AFileWithoutMappingsKeepsItsBytes)
{
    const std::string old = test::ReadFileBytes(std::string(KONTARO_TEST_DATA) + "/example-2005.kdt");
    model::Project project;
    ASSERT_EQ(model::LoadProjectText(old, project).status, model::LoadStatus::Ok);
    EXPECT_TRUE(test::SameBytes(old, Bytes(project)));
}

TEST(TillMappingFile, ImportSaveAndLoadGiveTheSameDaysAndMappings)
{
    model::Project project;
    test::FillTillProject(project);
    const std::string before = Bytes(project);
    const TillSales sales = ReadTillSales(ExportFiles::Open(test::TillExport("quoted-text")), {});
    const ArticleChoices choices{{"T;1", 4711}, {"Kaffee groß", 1001}, {"<b>", 1001}};
    ApplyImport(project, PlanImport(project, sales, choices, ImportMode::Replace), choices);
    ASSERT_EQ(project.TillArticles.Count(), 2);

    const std::string saved = Bytes(project);
    // The section stands after the days, before the root's end.
    const std::string section = "\t<tillmap>\r\n"
                                "\t\t<art>\r\n\t\t\t<nr>Kaffee gro\xdf</nr>\r\n\t\t\t<id>1001</id>\r\n\t\t</art>\r\n"
                                "\t\t<art>\r\n\t\t\t<nr>T;1</nr>\r\n\t\t\t<id>4711</id>\r\n\t\t</art>\r\n"
                                "\t</tillmap>\r\n</kontaro>\r\n";
    ASSERT_GE(saved.size(), section.size());
    EXPECT_EQ(saved.substr(saved.size() - section.size()), section);
    EXPECT_NE(saved, before);

    model::Project loaded;
    const auto result = model::LoadProjectText(saved, loaded);
    EXPECT_TRUE(result.report.Empty());
    EXPECT_TRUE(loaded.TillArticles == project.TillArticles);
    EXPECT_EQ(Bytes(loaded), saved);

    // What a reader of the three sections alone sees: the same project without the mappings.
    model::Project older;
    model::ReadXml(saved, older.Groups, nullptr);
    model::ReadXml(saved, older.Products, nullptr);
    model::ReadXml(saved, older.Days, nullptr);
    model::Project expected;
    model::LoadProjectText(saved, expected);
    expected.TillArticles.Clear();
    EXPECT_EQ(Bytes(older), Bytes(expected));
}

TEST(TillMappingFile, UnreadableMappingsAreDroppedAndReported)
{
    model::Project project;
    test::FillTillProject(project);
    std::string text = Bytes(project);
    text.insert(text.rfind("</kontaro>"), "\t<tillmap><art><nr>A</nr><id>x</id></art><art><nr>B</nr><id>2</id></art>"
                                          "<art><nr>B</nr><id>3</id></art></tillmap>\r\n");
    model::Project loaded;
    const auto result = model::LoadProjectText(text, loaded);
    EXPECT_EQ(result.report.droppedTillArticles, 2);
    EXPECT_EQ(
        result.report.details,
        (std::vector<std::string>{"Zuordnung einer Kassen-Artikelnummer verworfen: Nummer oder Produkt-ID nicht lesbar",
                                  "Zuordnung der Kassen-Artikelnummer B verworfen: die Nummer gibt es schon"}));
    EXPECT_EQ(loaded.TillArticles.ProductOf("B"), 2);
}

} // namespace
} // namespace kontaro::till
