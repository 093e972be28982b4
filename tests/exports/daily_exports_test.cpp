#include "calc/group_summary.h"
#include "calc/period_summary.h"
#include "export_fixture.h"
#include "exports/daily_exports.h"
#include "exports/exporters.h"
#include "exports/view_exports.h"
#include "grid/export_adapter.h"
#include "grid/grid_setups.h"
#include "support/bytes.h"
#include "support/project_builder.h"
#include "support/temp_dir.h"
#include "views/filled_grid.h"
#include "xls/xls_error.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace kontaro::exports {
namespace {

using test::March;

const numbers::NumberLocale kLocale{',', '.'};
const std::string kProjectFile = "/daten/Laden.kdt";
const std::vector<std::string> kMarchSeries{"Summe", "05-03-01", "05-03-02", "05-03-03"};

grid::PlainGrid SumGrid(const model::Project& project, model::DayNumber from, model::DayNumber to)
{
    return views::FilledGrid(grid::SetupSumView, calc::PeriodSummary(project, from, to, kProjectFile, kLocale).grid,
                             kLocale);
}

// A workbook with the sheets "Notizen" and "Summe" (made by single exports).
void WriteNotesWorkbook(const model::Project& project, const std::string& file)
{
    const grid::PlainGrid notes = SumGrid(project, March(1), March(1));
    const grid::ExportAdapter adapter(notes);
    GroupExcel(adapter, kLocale).ExportGrid(file, "Notizen");
    GroupExcel(adapter, kLocale).ExportGrid(file, "Summe");
}

std::size_t FilesIn(const std::filesystem::path& folder)
{
    return static_cast<std::size_t>(
        std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()));
}

class DailyExports : public ::testing::Test {
protected:
    test::TempDir dir;
    const std::string file = dir.File("Laden_05-03-03.xls");
    const model::Project project = test::ExportShop();
};

TEST_F(DailyExports, SumSeriesHasSummeThenEveryCalendarDayAlsoWithoutAStoredDay)
{
    std::vector<model::DayNumber> reported;
    const SeriesOutcome outcome =
        ExportSumWithDailySums(SumGrid(project, March(1), March(3)), project, March(1), March(3), kProjectFile, file,
                               kLocale, [&](model::DayNumber day) {
                                   reported.push_back(day);
                                   return true;
                               });
    EXPECT_EQ(outcome, SeriesOutcome::Written);
    EXPECT_EQ(reported, (std::vector<model::DayNumber>{March(1), March(2), March(3)}));
    EXPECT_EQ(test::SheetNames(file), kMarchSeries);

    const xls::WorkbookFile book = test::ReadWorkbook(file);
    EXPECT_EQ(test::CellNumber(book, 1, 1, 3), 35.0);  // the period's Cola: 10 + 25
    EXPECT_EQ(test::CellNumber(book, 1, 3, 3), 56.40); // the footer, with the meal
    EXPECT_EQ(test::CellNumber(book, 2, 1, 2), 4.0);   // 1 March: 4 Cola
    EXPECT_EQ(test::CellNumber(book, 2, 3, 3), 31.40); // with the variable-priced meal
    // 2 March: the header, one empty row and the footer with zero sums
    ASSERT_EQ(test::RowCount(book, 3), 3u);
    EXPECT_EQ(test::CellNumber(book, 3, 1, 3), std::nullopt);
    EXPECT_EQ(test::CellNumber(book, 3, 2, 3), 0.0);
    EXPECT_EQ(test::CellNumber(book, 4, 1, 2), 10.0);
}

TEST_F(DailyExports, SumSeriesIntoAnExistingWorkbookLeavesOnlyItsOwnSheets)
{
    WriteNotesWorkbook(project, file);
    ExportSumWithDailySums(SumGrid(project, March(1), March(3)), project, March(1), March(3), kProjectFile, file,
                           kLocale);
    EXPECT_EQ(test::SheetNames(file), kMarchSeries);
}

TEST_F(DailyExports, GroupSeriesKeepsOtherSheetsAndReplacesItsOwnInPlace)
{
    WriteNotesWorkbook(project, file);
    EXPECT_EQ(ExportGroupWithDailySums(project, March(1), March(3), kProjectFile, file, kLocale),
              SeriesOutcome::Written);
    EXPECT_EQ(test::SheetNames(file),
              (std::vector<std::string>{"Notizen", "Summe", "05-03-01", "05-03-02", "05-03-03"}));
    const xls::WorkbookFile book = test::ReadWorkbook(file);
    // "Summe" now holds the group summary: two groups, then the footer (Menge is hidden)
    ASSERT_EQ(test::RowCount(book, 2), 4u);
    EXPECT_EQ(test::CellNumber(book, 2, 3, 2), 56.40);
    EXPECT_EQ(test::CellNumber(book, 5, 1, 2), 25.0); // 3 March: Cola alone

    // again: every sheet of the series replaced where it stands
    ExportGroupWithDailySums(project, March(1), March(3), kProjectFile, file, kLocale);
    EXPECT_EQ(test::SheetNames(file),
              (std::vector<std::string>{"Notizen", "Summe", "05-03-01", "05-03-02", "05-03-03"}));
}

// The series built in memory is the workbook a write per sheet gives.
TEST_F(DailyExports, OneWriteGivesTheWorkbookOfAWritePerSheet)
{
    const std::string perSheet = dir.File("per-sheet.xls");
    const grid::PlainGrid sum = SumGrid(project, March(1), March(3));
    const grid::ExportAdapter sumAdapter(sum);
    SumExcel(sumAdapter, kLocale).ExportGrid(perSheet, "Summe");
    for (model::DayNumber day = March(1); day <= March(3); ++day) {
        const grid::PlainGrid grid = StoredDayViewGrid(project, day, kProjectFile, kLocale);
        const grid::ExportAdapter adapter(grid);
        DayExcel(adapter, kLocale).ExportGrid(perSheet, model::ShortDateText(day));
    }
    ExportSumWithDailySums(sum, project, March(1), March(3), kProjectFile, file, kLocale);
    EXPECT_TRUE(test::SameBytes(test::ReadFileBytes(perSheet), test::ReadFileBytes(file)));
}

TEST_F(DailyExports, CancelLeavesTheTargetAsItWas)
{
    const auto cancelOnSecondDay = [](model::DayNumber day) { return day < March(2); };
    EXPECT_EQ(ExportGroupWithDailySums(project, March(1), March(3), kProjectFile, file, kLocale, cancelOnSecondDay),
              SeriesOutcome::Cancelled);
    EXPECT_EQ(FilesIn(dir.Path()), 0u); // neither the target nor a temporary file

    WriteNotesWorkbook(project, file);
    const std::string before = test::ReadFileBytes(file);
    EXPECT_EQ(ExportSumWithDailySums(SumGrid(project, March(1), March(3)), project, March(1), March(3), kProjectFile,
                                     file, kLocale, cancelOnSecondDay),
              SeriesOutcome::Cancelled);
    EXPECT_EQ(test::ReadFileBytes(file), before);
    EXPECT_EQ(FilesIn(dir.Path()), 1u);
}

TEST_F(DailyExports, AFailingStepLeavesTheTargetAsItWasAndReportsTheWritersMessage)
{
    test::WriteFileBytes(file, "no workbook");
    try {
        ExportGroupWithDailySums(project, March(1), March(3), kProjectFile, file, kLocale);
        FAIL() << "a file that is no workbook was read";
    } catch (const xls::XlsError& error) {
        EXPECT_NE(std::string(error.what()).find("Laden_05-03-03.xls"), std::string::npos) << error.what();
    }
    EXPECT_EQ(test::ReadFileBytes(file), "no workbook");

    // the last step fails: a folder stands where the workbook would go
    const std::string folder = dir.File("Mappe.xls");
    std::filesystem::create_directory(folder);
    std::filesystem::create_directory(folder + "/innen");
    EXPECT_THROW(ExportSumWithDailySums(SumGrid(project, March(1), March(3)), project, March(1), March(3), kProjectFile,
                                        folder, kLocale),
                 xls::XlsError);
    EXPECT_TRUE(std::filesystem::is_directory(folder + "/innen"));
    EXPECT_EQ(FilesIn(dir.Path()), 2u);
}

} // namespace
} // namespace kontaro::exports
