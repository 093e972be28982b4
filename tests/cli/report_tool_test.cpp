#include "support/bytes.h"
#include "support/process.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace kontaro::test {
namespace {

const std::string kData = KONTARO_TEST_DATA;
const std::string kExample = kData + "/example-2005.kdt";
const std::string kDamaged = kData + "/damaged.kdt";
const std::string kCafe = std::string(KONTARO_SOURCE_DIR) + "/examples/cafe-sonnenschein.kdt";

ProcessResult Report(std::vector<std::string> args)
{
    args.insert(args.begin(), KONTARO_REPORT);
    return RunProcess(args);
}

// One line of text on standard error, nothing on standard output.
void ExpectOneLineError(const ProcessResult& r, const std::string& message)
{
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, message + "\n");
}

TEST(ReportInfo, CountsAndDateRange)
{
    for (const auto& [file, golden] : {std::pair{kExample, kData + "/example-2005.info.txt"},
                                       std::pair{kCafe, kData + "/cafe-sonnenschein.info.txt"}}) {
        const ProcessResult r = Report({"info", file});
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_TRUE(SameBytes(ReadFileBytes(golden), r.out)) << file;
        EXPECT_EQ(r.err, "");
    }
}

TEST(ReportInfo, AProjectWithoutDaysHasNoDateRange)
{
    TempDir dir;
    const std::string file = dir.File("leer.kdt");
    WriteFileBytes(file, "<groups><group><id>1</id><v>G</v></group></groups>");
    const ProcessResult r = Report({"info", file});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "groups: 1\nproducts: 0\ndays: 0\nentries: 0\nfirst day: -\nlast day: -\n");
}

TEST(ReportCheck, ExitStatusTellsWhetherSomethingWasDropped)
{
    const ProcessResult clean = Report({"check", kExample});
    EXPECT_EQ(clean.exitCode, 0);
    EXPECT_EQ(clean.out, "Nichts verworfen.\n");

    const ProcessResult damaged = Report({"check", kDamaged});
    EXPECT_EQ(damaged.exitCode, 1);
    EXPECT_TRUE(SameBytes(ReadFileBytes(kData + "/damaged.check.txt"), damaged.out));
}

TEST(ReportCheck, UnloadableFilesGiveTheProgramsMessage)
{
    TempDir dir;
    const std::string missing = dir.File("fehlt.kdt");
    ExpectOneLineError(Report({"check", missing}), "Konnte die Datei \"" + missing + "\" nicht laden!");
    const std::string noGroups = dir.File("leer.kdt");
    WriteFileBytes(noGroups, "<kontaro><groups></groups></kontaro>");
    ExpectOneLineError(Report({"check", noGroups}),
                       "In dieser Datei sind keine Gruppen definiert. Die Datei ist daher mit dieser "
                       "Programmversion nicht kompatibel.");
}

TEST(ReportNormalize, SavesAsTheProgramSavesWithABackup)
{
    TempDir dir;
    const std::string out = dir.File("laden.kdt");
    WriteFileBytes(out, "alt");
    const ProcessResult r = Report({"normalize", kExample, out});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out + r.err, "");
    EXPECT_TRUE(SameBytes(ReadFileBytes(kExample), ReadFileBytes(out)));
    EXPECT_EQ(ReadFileBytes(dir.File("laden.bak")), "alt");
}

TEST(ReportNormalize, TheSampleIsWrittenExactlyAsTheProgramSaves)
{
    TempDir dir;
    const std::string out = dir.File("cafe.kdt");
    ASSERT_EQ(Report({"normalize", kCafe, out}).exitCode, 0);
    EXPECT_TRUE(SameBytes(ReadFileBytes(kCafe), ReadFileBytes(out)));
}

TEST(ReportNormalize, ADamagedFileIsSavedCleanWithAWarning)
{
    TempDir dir;
    const std::string out = dir.File("repariert.kdt");
    const ProcessResult r = Report({"normalize", kDamaged, out});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "Warnung: Beim Laden von \"" + kDamaged +
                         "\" wurde Unlesbares verworfen (Einzelheiten: kontaro-report check).\n");
    EXPECT_EQ(Report({"check", out}).exitCode, 0);
}

TEST(ReportNormalize, AFailedSaveIsReported)
{
    TempDir dir;
    const std::string out = dir.File("fehlt/laden.kdt");
    ExpectOneLineError(Report({"normalize", kExample, out}),
                       "Die Datei \"" + out + "\" konnte nicht gespeichert werden!");
}

TEST(ReportWorkbook, AWorkbookThatCannotBeWrittenIsReportedInGermanWithTheWritersMessage)
{
    TempDir dir;
    const std::string book = dir.File("fehlt/bericht.xls");
    ExpectOneLineError(Report({"products", kExample, "--xls", book}),
                       "Die Excel-Mappe \"" + book + "\" wurde nicht geschrieben: Can't write to file \"" + book +
                           "\". Check it is not in use by another user");
}

TEST(ReportCommandLine, HelpAndMistakes)
{
    const ProcessResult help = Report({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* verb : {"info DATEI", "check DATEI", "normalize EIN AUS", "--help"})
        EXPECT_NE(help.out.find("\n  " + std::string(verb)), std::string::npos) << verb;

    const struct {
        std::vector<std::string> args;
        std::string message;
    } mistakes[] = {
        {{}, "Aufruf: kontaro-report BEFEHL [ARGUMENTE]. Hilfe: kontaro-report --help"},
        {{"drucken"}, "Unbekannter Befehl \"drucken\". Hilfe: kontaro-report --help"},
        {{"info"}, "Falsche Argumente für \"info\". Aufruf: kontaro-report info DATEI"},
        {{"normalize", "a"}, "Falsche Argumente für \"normalize\". Aufruf: kontaro-report normalize EIN AUS"},
        {{"info", "--xls", "a.kdt"}, "Unbekannte Option \"--xls\" für \"info\". Hilfe: kontaro-report --help"},
    };
    for (const auto& m : mistakes)
        ExpectOneLineError(Report(m.args), m.message);
}

} // namespace
} // namespace kontaro::test
