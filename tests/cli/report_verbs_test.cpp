// The report verbs run as a user runs them, on the fixture project, in a German
// and an English environment; their output is compared with the golden files of
// tests/data/reports. With KONTARO_UPDATE_GOLDENS set, the goldens are rewritten.
#include <cctype>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::string kReports = KONTARO_REPORTS_DIR;
const std::string kFixture = kReports + "/fixture.kdt";

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Runs the report tool with `arguments` in an environment holding only the locale
// variables given in `locale` (for example "LANG=de_DE.UTF-8").
Outcome RunReport(const std::string& locale, const std::string& arguments)
{
    const std::filesystem::path dir = std::filesystem::temp_directory_path();
    const std::string stem = "kontaro-report-test-" + std::to_string(::getpid());
    const std::filesystem::path out = dir / (stem + ".out");
    const std::filesystem::path err = dir / (stem + ".err");
    const std::string command = "env -u LC_ALL -u LC_NUMERIC -u LANG " + locale + " '" + KONTARO_REPORT + "' " +
                                arguments + " >'" + out.string() + "' 2>'" + err.string() + "'";
    const int raw = std::system(command.c_str());
    Outcome outcome;
    outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    outcome.out = ReadFile(out);
    outcome.err = ReadFile(err);
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return outcome;
}

// The first line where two texts differ, for a readable failure.
std::string FirstDifference(const std::string& expected, const std::string& actual)
{
    std::istringstream a(expected);
    std::istringstream b(actual);
    std::string left;
    std::string right;
    for (int line = 1;; ++line) {
        const bool moreLeft = static_cast<bool>(std::getline(a, left));
        const bool moreRight = static_cast<bool>(std::getline(b, right));
        if (!moreLeft && !moreRight)
            return "same lines, different line ends";
        if (left != right || moreLeft != moreRight)
            return "line " + std::to_string(line) + ":\n  golden: " + (moreLeft ? left : "<end>") +
                   "\n  actual: " + (moreRight ? right : "<end>");
    }
}

struct GoldenCase {
    const char* name; // the golden file's name
    const char* locale;
    const char* arguments; // after the verb, the fixture is the first argument
    int status;
    // What sets a case apart that writes the same golden file as another one.
    const char* variant = "";
};

// The golden file's name (and the variant) as a test name: "summary_de_txt".
std::string GoldenTestName(const ::testing::TestParamInfo<GoldenCase>& info)
{
    std::string name = info.param.name;
    if (*info.param.variant)
        name = name + "_" + info.param.variant;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

class ReportGoldenTest : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(ReportGoldenTest, PrintsTheGoldenGrid)
{
    const GoldenCase& c = GetParam();
    const std::string arguments = std::string(c.arguments);
    const std::size_t verbEnd = arguments.find(' ');
    const Outcome outcome =
        RunReport(c.locale, arguments.substr(0, verbEnd) + " '" + kFixture + "'" + arguments.substr(verbEnd));
    EXPECT_EQ(outcome.status, c.status) << outcome.err;
    const std::filesystem::path golden = std::filesystem::path(kReports) / c.name;
    if (std::getenv("KONTARO_UPDATE_GOLDENS")) {
        std::ofstream(golden, std::ios::binary) << outcome.out;
        return;
    }
    const std::string expected = ReadFile(golden);
    ASSERT_FALSE(expected.empty()) << "missing golden " << golden;
    EXPECT_TRUE(outcome.out == expected) << c.name << ", " << FirstDifference(expected, outcome.out);
    if (c.status == 1)
        EXPECT_EQ(outcome.err, "Keine passenden Einträge gefunden!\n");
    else
        EXPECT_EQ(outcome.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    Fixture, ReportGoldenTest,
    ::testing::Values(
        GoldenCase{"summary_de.txt", "LANG=de_DE.UTF-8", "summary --from 2005-03-01 --to 2005-03-31", 0},
        GoldenCase{"summary_en.txt", "LANG=en_US.UTF-8", "summary --from 2005-03-01 --to 2005-03-31", 0},
        GoldenCase{"summary_en.txt", "LANG=de_DE.UTF-8", "summary --decimal . --from 2005-03-01 --to 2005-03-31", 0,
                   "DecimalOptionOverridesEnvironment"},
        // LC_ALL before LC_NUMERIC before LANG
        GoldenCase{"summary_de.csv", "LANG=en_US.UTF-8 LC_ALL=de_DE.UTF-8",
                   "summary --csv --from 2005-03-01 --to 2005-03-31", 0},
        GoldenCase{"summary_en.csv", "LANG=de_DE.UTF-8 LC_NUMERIC=C", "summary --from=2005-03-01 --to=2005-03-31 --csv",
                   0},
        GoldenCase{"summary_none_de.txt", "LANG=de_DE.UTF-8", "summary --from 2005-03-07 --to 2005-03-08", 1},
        GoldenCase{"groups_de.txt", "LANG=de_DE.UTF-8", "groups --from 2005-03-01 --to 2005-03-31", 0},
        GoldenCase{"groups_en.csv", "LANG=en_GB.UTF-8", "groups --csv --from 2005-03-01 --to 2005-03-31", 0},
        GoldenCase{"groups_none_en.txt", "", "groups --from 2005-04-02 --to 2005-04-30", 1},
        GoldenCase{"day_worked_en.txt", "LANG=en_US.UTF-8", "day --date 2005-03-06", 0},
        GoldenCase{"day_unknown_product_de.txt", "LANG=de_DE.UTF-8", "day --date 2005-03-15", 0},
        GoldenCase{"day_empty_de.csv", "LANG=de_DE.UTF-8", "day --csv --date 2005-03-07", 0},
        GoldenCase{"products_de.txt", "LANG=de_DE.UTF-8", "products --date 2005-03-09", 0},
        GoldenCase{"products_en.csv", "LANG=en_US.UTF-8", "products --csv --date 2005-03-10", 0}),
    GoldenTestName);

// Today's date on the local clock, as strftime writes it with `format`.
std::string Today(const char* format)
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16] = {};
    std::strftime(text, sizeof text, format, &local);
    return text;
}

TEST(ReportVerbs, ProductsDefaultToToday)
{
    std::string today;
    Outcome outcome;
    Outcome dated;
    // Once more should the day change between the runs.
    for (int attempt = 0; attempt < 2 && today != Today("%Y-%m-%d"); ++attempt) {
        today = Today("%Y-%m-%d");
        outcome = RunReport("LANG=de_DE.UTF-8", "products '" + kFixture + "'");
        dated = RunReport("LANG=de_DE.UTF-8", "products '" + kFixture + "' --date " + today);
    }
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, dated.out);
    // the last row holds the date of the day it was made and the project's name
    const std::size_t lastLine = outcome.out.rfind('\n', outcome.out.size() - 2);
    EXPECT_NE(outcome.out.find(Today("%y-%m-%d"), lastLine), std::string::npos) << outcome.out;
    EXPECT_NE(outcome.out.find("fixture", lastLine), std::string::npos) << outcome.out;
}

TEST(ReportVerbs, RefuseBadArgumentsWithOneLine)
{
    const struct {
        const char* arguments;
        const char* message;
    } cases[] = {
        {"summary FIXTURE --from 2005-02-30 --to 2005-03-31", "Ungültiges Datum \"2005-02-30\" für --from"},
        {"summary FIXTURE --from 2005-03-01", "Die Option --to fehlt."},
        {"groups FIXTURE --from 05-03-01 --to 2005-03-31", "Ungültiges Datum \"05-03-01\""},
        {"day FIXTURE", "Die Option --date fehlt."},
        {"day FIXTURE --date 2005-03-06 --decimal x", "Ungültiges Dezimaltrennzeichen \"x\""},
        {"products FIXTURE --xml", "Unbekannte Option \"--xml\""},
        {"products", "Falsche Argumente für \"products\""},
        {"summary /nonexistent/laden.kdt --from 2005-03-01 --to 2005-03-31", "/nonexistent/laden.kdt"},
    };
    for (const auto& c : cases) {
        std::string arguments = c.arguments;
        if (const std::size_t at = arguments.find("FIXTURE"); at != std::string::npos)
            arguments.replace(at, 7, "'" + kFixture + "'");
        const Outcome outcome = RunReport("LANG=de_DE.UTF-8", arguments);
        EXPECT_EQ(outcome.status, 2) << c.arguments;
        EXPECT_EQ(outcome.out, "") << c.arguments;
        EXPECT_NE(outcome.err.find(c.message), std::string::npos) << c.arguments << ": " << outcome.err;
        EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << c.arguments << ": " << outcome.err;
    }
}

} // namespace
