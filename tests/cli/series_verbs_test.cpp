// The verbs "series" and "chart" run as a program on the café sample.
#include "support/bytes.h"
#include "support/process.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <sstream>

namespace kontaro::test {
namespace {

const std::string kCafe = std::string(KONTARO_SOURCE_DIR) + "/examples/cafe-sonnenschein.kdt";

ProcessResult Report(std::vector<std::string> args)
{
    args.insert(args.begin(), KONTARO_REPORT);
    return RunProcess(args);
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> Fields(const std::string& line, char separator)
{
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, separator);)
        fields.push_back(field);
    if (!line.empty() && line.back() == separator)
        fields.emplace_back();
    return fields;
}

TEST(ReportSeries, AMonthsRowIsThePeriodSummarysFooter)
{
    const ProcessResult series = Report({"series", kCafe, "--from", "2020-05-01", "--to", "2020-08-31", "--by", "month",
                                         "--groups", "--csv", "--decimal", ","});
    ASSERT_EQ(series.exitCode, 0) << series.err;
    const std::vector<std::string> lines = Lines(series.out);
    ASSERT_EQ(lines.size(), 1u + 4 * 5); // four months, each the total and four groups
    EXPECT_EQ(lines[0], "Zeitraum;Von;Bis;Gruppe;Verkauf (B);Verkauf (N);Einkauf;DB1;DB1 (%)\r");
    EXPECT_EQ(lines[1].substr(0, lines[1].find(";20")), "Mai 2020");

    const ProcessResult july =
        Report({"summary", kCafe, "--from", "2020-07-01", "--to", "2020-07-31", "--csv", "--decimal", ","});
    ASSERT_EQ(july.exitCode, 0) << july.err;
    std::vector<std::string> footer = Fields(Lines(july.out).back(), ';');
    footer.back().pop_back(); // CR
    const std::vector<std::string> total = Fields(lines[1 + 2 * 5], ';');
    EXPECT_EQ(total[3], "Gesamt");
    // "Verkauf (B)" to "DB1 (%)" of the footer, "Steuer (bis)" left out.
    EXPECT_EQ(std::vector<std::string>(total.begin() + 4, total.begin() + 7),
              std::vector<std::string>(footer.begin() + 3, footer.begin() + 6));
    EXPECT_EQ(total[7], footer[7]);
    EXPECT_EQ(total[8].substr(0, total[8].size() - 1), footer[8]);
}

TEST(ReportSeries, BucketsFollowThePeriodUnlessChosen)
{
    const ProcessResult days = Report({"series", kCafe, "--from", "2020-05-01", "--to", "2020-05-31"});
    ASSERT_EQ(days.exitCode, 0) << days.err;
    EXPECT_EQ(Lines(days.out).size(), 1u + 31);
    EXPECT_EQ(Lines(days.out)[1].substr(0, 10), "01.05.2020");

    const ProcessResult weeks = Report({"series", kCafe, "--from", "2020-05-01", "--to", "2020-05-31", "--by", "week"});
    ASSERT_EQ(weeks.exitCode, 0) << weeks.err;
    EXPECT_EQ(Lines(weeks.out).size(), 1u + 5); // KW 18 (cut) to KW 22
    EXPECT_EQ(Lines(weeks.out)[1].substr(0, 10), "KW 18/2020");
}

TEST(ReportSeries, ErrorsAndEmptyPeriods)
{
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"series", kCafe, "--from", "2020-05-01", "--to", "2020-05-31", "--by", "year"},
         "Ungültige Einteilung \"year\" für --by (erlaubt sind day, week und month)."},
        {{"series", kCafe, "--from", "2020-05-31", "--to", "2020-05-01"},
         "Der Zeitraum endet (2020-05-01) vor seinem Beginn (2020-05-31)."},
        {{"series", kCafe, "--from", "2020-05-01"},
         "Die Option --to fehlt. Aufruf: kontaro-report series DATEI --from JJJJ-MM-TT --to JJJJ-MM-TT [--by "
         "day|week|month] [--groups] [--csv] [--decimal ,|.]"},
    };
    for (const auto& c : cases) {
        const ProcessResult r = Report(c.args);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, c.message + "\n");
    }

    const ProcessResult none = Report({"series", kCafe, "--from", "2019-01-01", "--to", "2019-03-31", "--by", "month"});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_EQ(Lines(none.out).size(), 1u + 3);
    EXPECT_EQ(none.err, "Keine passenden Einträge gefunden!\n");
}

#ifdef KONTARO_CHARTS
TEST(ReportChart, WritesPngSvgAndPdf)
{
    TempDir dir;
    const struct {
        const char* option;
        const char* file;
        std::string start;
    } cases[] = {
        {"--png", "diagramm.png", "\x89PNG\r\n"},
        {"--svg", "diagramm.svg", "<?xml"},
        {"--pdf", "diagramm.pdf", "%PDF-"},
    };
    for (const auto& c : cases) {
        const std::string file = dir.File(c.file);
        const ProcessResult r =
            Report({"chart", kCafe, "--from", "2020-05-01", "--to", "2020-08-31", "--by", "month", c.option, file});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        const std::string bytes = ReadFileBytes(file);
        EXPECT_EQ(bytes.substr(0, c.start.size()), c.start) << c.file;
        if (std::string(c.option) != "--svg")
            continue;
        for (const char* text : {"<title>Verkauf (N) und DB1 vom 01.05.2020 bis 31.08.2020</title>", ">Betrag<",
                                 ">Monat<", ">Mai 2020<", ">August 2020<", ">DB1 (%)<", ">Getränke<"})
            EXPECT_NE(bytes.find(text), std::string::npos) << text;
    }
}

TEST(ReportChart, AFolderThatDoesNotExistIsAnError)
{
    TempDir dir;
    const std::string file = dir.File("fehlt/diagramm.png");
    const ProcessResult r = Report({"chart", kCafe, "--from", "2020-05-01", "--to", "2020-05-31", "--png", file});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("Das Diagramm konnte nicht nach \"" + file + "\" geschrieben werden."), std::string::npos)
        << r.err;
}
#endif

} // namespace
} // namespace kontaro::test
