// kontaro-report import: the preview of a till export's import, and the project
// written with it by --out, the project file itself untouched.
#include "model/project_file.h"
#include "model/xml_stream.h"
#include "support/bytes.h"
#include "support/process.h"
#include "support/temp_dir.h"
#include "support/till_project.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace kontaro::test {
namespace {

ProcessResult Report(std::vector<std::string> args)
{
    args.insert(args.begin(), KONTARO_REPORT);
    return RunProcess(args);
}

// The café's catalogue as a project file in `dir`.
std::string TillProjectFile(const TempDir& dir)
{
    model::Project project;
    FillTillProject(project);
    const std::string path = dir.File("cafe.kdt");
    EXPECT_TRUE(model::SaveProjectFile(path, project).ok);
    return path;
}

std::string DaysText(const std::string& path)
{
    model::Project project;
    EXPECT_EQ(model::LoadProjectFile(path, project).status, model::LoadStatus::Ok);
    std::string text;
    for (int d = 0; d < project.Days.Count(); ++d) {
        text += model::IsoDateText(project.Days.Item(d).Date);
        for (int e = 0; e < project.Days.Item(d).Count(); ++e) {
            const model::tDayEntry& entry = project.Days.Item(d).Entry(e);
            text += " " + std::to_string(entry.ProductID) + "=" + model::FormatReal(entry.Value);
        }
        text += "\n";
    }
    return text;
}

TEST(ReportImport, TheSampleGivesTheExpectedTotals)
{
    TempDir dir;
    const std::string project = TillProjectFile(dir);
    const std::string before = ReadFileBytes(project);
    const std::string sample = TillExport("sample");
    const std::string out = dir.File("importiert.kdt");
    const ProcessResult r = Report({"import", project, sample, "--out", out, "--decimal", ","});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "Kassendaten: " + sample +
                         "\n"
                         "6 Belege von 1 Kassen, 2 Tage\n"
                         "Tag: Datum des Belegendes (BON_ENDE)\n"
                         "Vorhandene Einträge: Einträge ersetzen\n"
                         "\n"
                         "2024-03-14:\n"
                         "  Produkt 1001 Cappuccino: Menge 3,00 (neu); Kasse 9,60, Katalog 9,60\n"
                         "  Produkt 2002 Croissant Butter: Menge 4,00 (neu); Kasse 10,00, Katalog 10,00\n"
                         "  Produkt 3003 Apfelsaft 0,3 l: Menge 1,00 (neu); Kasse 2,90, Katalog 2,90\n"
                         "  Produkt 4711 Tagesgericht: Verkauf (B) 9,50 (neu); Kasse 9,50, Katalog 9,50\n"
                         "  Brutto laut Kasse 32,00, laut Katalog 32,00, Differenz 0,00\n"
                         "  Nicht übernommen: Bestellungen und andere AV-Vorgänge 12,40\n"
                         "\n"
                         "2024-03-15:\n"
                         "  Produkt 1001 Cappuccino: Menge 2,00 (neu); Kasse 6,40, Katalog 6,40\n"
                         "  Produkt 2002 Croissant Butter: Menge -1,00 (neu); Kasse -2,50, Katalog -2,50\n"
                         "  Produkt 3003 Apfelsaft 0,3 l: Menge 2,00 (neu); Kasse 5,80, Katalog 5,80\n"
                         "  Produkt 4711 Tagesgericht: Verkauf (B) 8,90 (neu); Kasse 8,90, Katalog 8,90\n"
                         "  Brutto laut Kasse 18,60, laut Katalog 18,60, Differenz 0,00\n"
                         "\n"
                         "Gespeichert: " +
                         out + "\n");
    EXPECT_EQ(DaysText(out), "2024-03-14 1001=3 2002=4 3003=1 4711=9.5\n"
                             "2024-03-15 1001=2 2002=-1 3003=2 4711=8.9\n");
    EXPECT_EQ(ReadFileBytes(project), before);

    // Importing again into the result changes nothing.
    const std::string again = dir.File("nochmal.kdt");
    ASSERT_EQ(Report({"import", out, sample, "--out", again}).exitCode, 0);
    EXPECT_EQ(ReadFileBytes(again), ReadFileBytes(out));
}

TEST(ReportImport, DayRuleModeAndMappings)
{
    TempDir dir;
    const std::string project = TillProjectFile(dir);
    const std::string out = dir.File("out.kdt");
    ASSERT_EQ(Report({"import", project, TillExport("after-midnight"), "--day-rule", "closing", "--out", out}).exitCode,
              0);
    EXPECT_EQ(DaysText(out), "2024-03-14 1001=3\n");
    ASSERT_EQ(Report({"import", out, TillExport("after-midnight"), "--mode", "add", "--out", out}).exitCode, 0);
    EXPECT_EQ(DaysText(out), "2024-03-14 1001=4\n2024-03-15 1001=2\n");

    // Articles without a product: listed, status 1; mapped, imported and remembered.
    const ProcessResult unmapped = Report({"import", project, TillExport("quoted-text"), "--decimal", "."});
    EXPECT_EQ(unmapped.exitCode, 1);
    EXPECT_NE(unmapped.out.find("  0815 \"Apfelsaft, 0,3 l\": Menge 1, Brutto 2.90\n"), std::string::npos);
    const ProcessResult mapped =
        Report({"import", project, TillExport("quoted-text"), "--map", "T;1=4711", "--map=0815=3003", "--out", out});
    EXPECT_EQ(mapped.exitCode, 0) << mapped.err;
    EXPECT_EQ(DaysText(out), "2024-03-14 3003=1 4711=9.5\n");
    EXPECT_EQ(Report({"import", out, TillExport("quoted-text")}).exitCode, 0);
}

TEST(ReportImport, ErrorsAreOneGermanLineAndNothingIsWritten)
{
    TempDir dir;
    const std::string project = TillProjectFile(dir);
    const std::string out = dir.File("out.kdt");
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"import", project, TillExport("dialect-mismatch"), "--out", out},
         "transactions.csv, Zeile 2, Spalte 8 (UMS_BRUTTO): \"3.20\" ist keine Zahl im Format laut index.xml "
         "(Dezimalzeichen \",\", Tausendertrennzeichen \".\", höchstens 2 Nachkommastellen). Nichts wurde "
         "importiert."},
        {{"import", project, TillExport("missing-table"), "--out", out}, "Die Tabelle \"lines.csv\" fehlt im Export."},
        {{"import", project, TillExport("sample"), "--mode", "merge"},
         "Unbekannter Modus \"merge\": replace, add oder leave."},
        {{"import", project, TillExport("sample"), "--day-rule", "start"},
         "Unbekannte Tagesregel \"start\": end oder closing."},
        {{"import", project, TillExport("sample"), "--map", "1001"},
         "Die Zuordnung \"1001\" hat nicht die Form ARTNR=ID."},
        {{"import", project, TillExport("sample"), "--map", "A=5"},
         "Die Zuordnung \"A=5\" nennt ein Produkt, das es nicht gibt."},
        {{"import", project},
         "Falsche Argumente für \"import\". Aufruf: kontaro-report import PROJEKT EXPORT "
         "[--out DATEI] [--day-rule end|closing] [--mode replace|add|leave] [--map ARTNR=ID]"},
    };
    for (const auto& c : cases) {
        const ProcessResult r = Report(c.args);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, c.message + "\n");
    }
    EXPECT_FALSE(std::filesystem::exists(out));
}

} // namespace
} // namespace kontaro::test
