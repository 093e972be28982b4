#include "calc/day_grid.h"
#include "export_fixture.h"
#include "exports/view_exports.h"
#include "grid/grid_setups.h"
#include "support/bytes.h"
#include "support/project_builder.h"
#include "support/temp_dir.h"
#include "views/filled_grid.h"
#include "xls/xls_error.h"

#include <gtest/gtest.h>

namespace kontaro::exports {
namespace {

using test::March;

const numbers::NumberLocale kLocale{',', '.'};

grid::PlainGrid DayGrid(const model::Project& project, model::DayNumber day)
{
    return views::FilledGrid(grid::SetupDayView, calc::StoredDayGrid(project, day, "", kLocale), kLocale);
}

TEST(ViewExports, DayExportsCollectOneSheetPerDayAndReplaceTheirOwnInPlace)
{
    test::TempDir dir;
    const std::string file = dir.File("Laden.xls");
    model::Project project = test::ExportShop();
    ExportDayView(DayGrid(project, March(3)), March(3), file, kLocale);
    ExportDayView(DayGrid(project, March(1)), March(1), file, kLocale);
    EXPECT_EQ(test::SheetNames(file), (std::vector<std::string>{"05-03-03", "05-03-01"}));

    test::AddEntry(project, March(3), 2, 10.70); // a second row: a meal
    ExportDayView(DayGrid(project, March(3)), March(3), file, kLocale);
    EXPECT_EQ(test::SheetNames(file), (std::vector<std::string>{"05-03-03", "05-03-01"}));
    const xls::WorkbookFile book = test::ReadWorkbook(file);
    EXPECT_EQ(test::CellNumber(book, 1, 2, 3), 10.70); // the new row's gross amount
    EXPECT_EQ(test::CellNumber(book, 1, 3, 3), 35.70); // the footer's gross sum
    EXPECT_EQ(test::CellNumber(book, 2, 1, 2), 4.0);   // 1 March untouched
}

TEST(ViewExports, SumAndProductExportsReplaceTheFileGroupExportKeepsItsOtherSheets)
{
    test::TempDir dir;
    const std::string file = dir.File("Laden.xls");
    const model::Project project = test::ExportShop();
    const grid::PlainGrid day = DayGrid(project, March(1));

    ExportDayView(day, March(1), file, kLocale);
    ExportGroupView(day, file, kLocale);
    EXPECT_EQ(test::SheetNames(file), (std::vector<std::string>{"05-03-01", "Summe"}));

    ExportSumView(day, file, kLocale);
    EXPECT_EQ(test::SheetNames(file), (std::vector<std::string>{"Summe"}));

    ExportDayView(day, March(1), file, kLocale);
    ExportProductOverview(project, March(1), "/daten/Laden.kdt", file, kLocale);
    EXPECT_EQ(test::SheetNames(file), (std::vector<std::string>{"Produkt\xc3\xbc"
                                                                "bersicht"}));
}

TEST(ViewExports, ProductOverviewShowsTodaysValuesWithoutPercentagePurchaseOrVariablePrice)
{
    test::TempDir dir;
    const std::string file = dir.File("Laden_Produkte.xls");
    model::Project project = test::ExportShop();
    project.Products.Item(0).Verkauf.AddValue(March(7), 2.80); // tomorrow: not yet valid
    ExportProductOverview(project, March(6), "/daten/Laden.kdt", file, kLocale);

    const xls::WorkbookFile book = test::ReadWorkbook(file);
    ASSERT_EQ(test::RowCount(book, 1), 4u); // header, two products, date and name
    EXPECT_EQ(test::CellNumber(book, 1, 1, 0), 1.0);
    EXPECT_EQ(test::CellNumber(book, 1, 1, 2), 1.20);
    EXPECT_EQ(test::CellNumber(book, 1, 1, 3), 2.50);
    EXPECT_EQ(test::CellNumber(book, 1, 2, 0), 2.0);
    EXPECT_EQ(test::CellNumber(book, 1, 2, 2), std::nullopt);
    EXPECT_EQ(test::CellNumber(book, 1, 2, 3), std::nullopt);
    EXPECT_EQ(test::CellNumber(book, 1, 3, 0), static_cast<double>(March(6))); // the date, as a date cell

    const grid::PlainGrid grid = ProductOverviewGrid(project, March(7), "/daten/Laden.kdt", kLocale);
    EXPECT_EQ(grid.Cell(3, 1), "2,80");
    EXPECT_EQ(grid.Cell(1, 3), "Laden");
}

TEST(ViewExports, AFailedExportLeavesTheTargetAsItWas)
{
    test::TempDir dir;
    const std::string file = dir.File("Laden.xls");
    test::WriteFileBytes(file, "no workbook");
    const model::Project project = test::ExportShop();
    EXPECT_THROW(ExportDayView(DayGrid(project, March(1)), March(1), file, kLocale), xls::XlsError);
    EXPECT_EQ(test::ReadFileBytes(file), "no workbook");
}

} // namespace
} // namespace kontaro::exports
