#include "grid/export_adapter.h"

#include <gtest/gtest.h>

#include "grid/grid_setups.h"

namespace kontaro::grid {
namespace {

TEST(ExportAdapter, AnswersForEveryRowAndColumnAsTheGridShowsThem)
{
    PlainGrid grid;
    grid.Options().separators = {',', '.'};
    SetupDayView(grid);
    grid.SetCell(day::cSteuer, 1, "19,00");
    grid.SetCellReadOnly(day::cVerkauf, 1, false, kWindowColour);
    const ExportAdapter adapter(grid);

    EXPECT_EQ(adapter.RowCount(), 3); // header, data row, footer
    EXPECT_EQ(adapter.ColumnCount(), 9);
    EXPECT_EQ(adapter.ColumnWidthPixels(day::cDisplay), 150);
    EXPECT_EQ(adapter.RowHeightPixels(2), 21);
    EXPECT_EQ(adapter.CellText(day::cSteuer, 1), "19,0");
    EXPECT_EQ(adapter.CellText(day::cDisplay, 2), "Summen");
    EXPECT_EQ(adapter.CellBackground(day::cVerkaufN, 1), xls::MakeColour(255, 252, 167));
    EXPECT_EQ(adapter.CellBackground(day::cVerkauf, 1), xls::MakeColour(255, 255, 255));
    EXPECT_EQ(adapter.CellHorizontalAlignment(day::cMenge, 0), xls::GridHorizontalAlignment::Right);
    const xls::GridFont font = adapter.CellFont(day::cMenge, 1);
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
    EXPECT_TRUE(adapter.IsColumnHidden(group::kMenge));
    EXPECT_TRUE(adapter.IsColumnHidden(group::kSteuer));
    EXPECT_FALSE(adapter.IsColumnHidden(group::kAnteil));
}

TEST(ExportAdapter, OverviewHeadersAreLeftAligned)
{
    PlainGrid grid;
    SetupExportGrid(grid);
    const ExportAdapter adapter(grid);
    EXPECT_EQ(adapter.RowCount(), 2);
    EXPECT_EQ(adapter.CellHorizontalAlignment(overview::kVerkauf, 0), xls::GridHorizontalAlignment::Left);
    EXPECT_EQ(adapter.CellHorizontalAlignment(overview::kVerkauf, 1), xls::GridHorizontalAlignment::Right);
}

} // namespace
} // namespace kontaro::grid
