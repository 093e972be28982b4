#include "grid/export_adapter.h"
#include "grid/grid_setups.h"

#include <gtest/gtest.h>

namespace kontaro::grid {
namespace {

TEST(ExportAdapter, AnswersForEveryRowAndColumnAsTheGridShowsThem)
{
    PlainGrid grid;
    grid.Options().numberLocale = {',', '.'};
    SetupDayView(grid);
    grid.SetCell(columns::day::Steuer, 1, "19,00");
    grid.SetCellReadOnly(columns::day::VerkaufB, 1, false, kWindowColour);
    const ExportAdapter adapter(grid);

    EXPECT_EQ(adapter.RowCount(), 3); // header, data row, footer
    EXPECT_EQ(adapter.ColumnCount(), 9);
    EXPECT_EQ(adapter.ColumnWidthPixels(columns::day::Name), 150);
    EXPECT_EQ(adapter.RowHeightPixels(2), 21);
    EXPECT_EQ(adapter.CellText(columns::day::Steuer, 1), "19,0");
    EXPECT_EQ(adapter.CellText(columns::day::Name, 2), "Summen");
    EXPECT_EQ(adapter.CellBackground(columns::day::VerkaufN, 1), xls::MakeColour(255, 252, 167));
    EXPECT_EQ(adapter.CellBackground(columns::day::VerkaufB, 1), xls::MakeColour(255, 255, 255));
    EXPECT_EQ(adapter.CellHorizontalAlignment(columns::day::Menge, 0), xls::GridHorizontalAlignment::Right);
    const xls::GridFont font = adapter.CellFont(columns::day::Menge, 1);
    EXPECT_EQ(font.name, "Tahoma");
    EXPECT_EQ(font.heightPixels, 11);
    EXPECT_EQ(font.colour, xls::MakeColour(0, 0, 0));
}

TEST(ExportAdapter, ReportsHiddenColumnsWithTheirIndex)
{
    PlainGrid grid;
    SetupGroupView(grid);
    const ExportAdapter adapter(grid);
    EXPECT_EQ(adapter.ColumnCount(), 10);
    EXPECT_TRUE(adapter.IsColumnHidden(columns::group::Menge));
    EXPECT_TRUE(adapter.IsColumnHidden(columns::group::Steuer));
    EXPECT_FALSE(adapter.IsColumnHidden(columns::group::Anteil));
}

TEST(ExportAdapter, OverviewHeadersAreLeftAligned)
{
    PlainGrid grid;
    SetupExportGrid(grid);
    const ExportAdapter adapter(grid);
    EXPECT_EQ(adapter.RowCount(), 2);
    EXPECT_EQ(adapter.CellHorizontalAlignment(columns::overview::Verkauf, 0), xls::GridHorizontalAlignment::Left);
    EXPECT_EQ(adapter.CellHorizontalAlignment(columns::overview::Verkauf, 1), xls::GridHorizontalAlignment::Right);
}

} // namespace
} // namespace kontaro::grid
