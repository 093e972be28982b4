#include "cli/report_table.h"
#include "grid/grid_setups.h"

#include <gtest/gtest.h>

namespace kontaro::cli {
namespace {

grid::PlainGrid TwoColumns()
{
    grid::PlainGrid grid(2, 3);
    grid.ColumnAt(0).header = "Name";
    grid.ColumnAt(1).header = "Betrag";
    grid.ColumnAt(1).alignment = grid::HAlign::Right;
    grid.SetCell(0, 1, "Käse");
    grid.SetCell(1, 1, "1,50");
    grid.SetCell(0, 2, "Summe");
    grid.SetCell(1, 2, "12,00");
    return grid;
}

TEST(TextTable, PadsByCharactersAndAlignsAsTheColumns)
{
    EXPECT_EQ(TextTable(TwoColumns()), "Name   Betrag\n"
                                       "Käse     1,50\n"
                                       "Summe   12,00\n");
}

TEST(TextTable, LeavesHiddenColumnsOut)
{
    grid::PlainGrid grid = TwoColumns();
    grid.SetColumnHidden(0, true);
    EXPECT_EQ(TextTable(grid), "Betrag\n  1,50\n 12,00\n");
}

TEST(CsvTable, QuotesOnlyWhatNeedsIt)
{
    grid::PlainGrid grid = TwoColumns();
    grid.SetCell(0, 1, "Cola \"light\"; 0,3");
    grid.SetCell(0, 2, "zwei\r\nZeilen");
    EXPECT_EQ(CsvTable(grid, ';'), "Name;Betrag\r\n"
                                   "\"Cola \"\"light\"\"; 0,3\";1,50\r\n"
                                   "\"zwei\r\nZeilen\";12,00\r\n");
    EXPECT_EQ(CsvTable(grid, ','), "Name,Betrag\r\n"
                                   "\"Cola \"\"light\"\"; 0,3\",\"1,50\"\r\n"
                                   "\"zwei\r\nZeilen\",\"12,00\"\r\n");
}

} // namespace
} // namespace kontaro::cli
