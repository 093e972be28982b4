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

// --daily writes in one go the workbook that the summary and one day export per calendar
// day give, the days around the one stored day (6 March 2005) included.
TEST(ReportWorkbook, DailySumsAreTheSummaryAndEveryDaysDayViewInOneWorkbook)
{
    TempDir dir;
    const std::string daily = dir.File("Laden_05-03-07.xls");
    const std::string perDay = dir.File("je-Tag.xls");
    const std::vector<std::string> period = {"--from", "2005-03-05", "--to", "2005-03-07", "--decimal", ","};
    std::vector<std::string> args = {"summary", kExample};
    args.insert(args.end(), period.begin(), period.end());

    std::vector<std::string> dailyArgs = args;
    dailyArgs.insert(dailyArgs.end(), {"--xls", daily, "--daily"});
    const ProcessResult r = Report(dailyArgs);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out + r.err, "");

    args.insert(args.end(), {"--xls", perDay, "--replace"});
    ASSERT_EQ(Report(args).exitCode, 0);
    for (const char* day : {"2005-03-05", "2005-03-06", "2005-03-07"})
        ASSERT_EQ(Report({"day", kExample, "--date", day, "--decimal", ",", "--xls", perDay}).exitCode, 0);
    EXPECT_TRUE(SameBytes(ReadFileBytes(perDay), ReadFileBytes(daily)));

    // the overview with --replace is the window's export of a new file
    const std::string products = dir.File("Laden_Produkte.xls");
    WriteFileBytes(products, "alt");
    ASSERT_EQ(Report({"products", kExample, "--date", "2005-03-06", "--xls", products, "--replace"}).exitCode, 0);
    const std::string alone = dir.File("allein.xls");
    ASSERT_EQ(Report({"products", kExample, "--date", "2005-03-06", "--xls", alone}).exitCode, 0);
    EXPECT_TRUE(SameBytes(ReadFileBytes(alone), ReadFileBytes(products)));
}

TEST(ReportWorkbook, AFailedSeriesLeavesTheWorkbookAsItWas)
{
    TempDir dir;
    const std::string book = dir.File("Laden_Grp_05-03-31.xls");
    WriteFileBytes(book, "keine Mappe");
    const ProcessResult r =
        Report({"groups", kExample, "--from", "2005-03-01", "--to", "2005-03-31", "--xls", book, "--daily"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err.rfind("Die Excel-Mappe \"" + book + "\" wurde nicht geschrieben: ", 0), 0u) << r.err;
    EXPECT_EQ(ReadFileBytes(book), "keine Mappe");
}

TEST(ReportCommandLine, HelpAndMistakes)
{
    const std::string kDailyAlone = "--daily gilt nur mit --xls DATEI, ohne --sheet und --replace.";
    const ProcessResult help = Report({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* verb : {"info DATEI", "check DATEI", "normalize EIN AUS", "--help", "--version"})
        EXPECT_NE(help.out.find("\n  " + std::string(verb)), std::string::npos) << verb;
    const ProcessResult version = Report({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "kontaro-report " KONTARO_VERSION "\n");

    const struct {
        std::vector<std::string> args;
        std::string message;
    } mistakes[] = {
        {{}, "Aufruf: kontaro-report BEFEHL [ARGUMENTE]. Hilfe: kontaro-report --help"},
        {{"drucken"}, "Unbekannter Befehl \"drucken\". Hilfe: kontaro-report --help"},
        {{"info"}, "Falsche Argumente für \"info\". Aufruf: kontaro-report info DATEI"},
        {{"normalize", "a"}, "Falsche Argumente für \"normalize\". Aufruf: kontaro-report normalize EIN AUS"},
        {{"info", "--xls", "a.kdt"}, "Unbekannte Option \"--xls\" für \"info\". Hilfe: kontaro-report --help"},
        {{"summary", "a.kdt", "--from", "2005-03-01", "--to", "2005-03-31", "--daily"}, kDailyAlone},
        {{"groups", "a.kdt", "--from", "2005-03-01", "--to", "2005-03-31", "--xls", "a.xls", "--sheet", "S", "--daily"},
         kDailyAlone},
        {{"summary", "a.kdt", "--from", "2005-03-01", "--to", "2005-03-31", "--xls", "a.xls", "--replace", "--daily"},
         kDailyAlone},
        {{"day", "a.kdt", "--date", "2005-03-01", "--xls", "a.xls", "--daily"},
         "Unbekannte Option \"--daily\" für \"day\". Hilfe: kontaro-report --help"},
    };
    for (const auto& m : mistakes)
        ExpectOneLineError(Report(m.args), m.message);
}

} // namespace
} // namespace kontaro::test
