#include "columns/grid_columns.h"
#include "grid/grid_setups.h"
#include "views/filled_grid.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace kontaro::views {
namespace {

namespace overview = columns::overview;
namespace sum = columns::sum;

calc::TextRow SumRow(const char* name, const char* gross)
{
    calc::TextRow row(sum::kColumnCount);
    row[sum::Name] = name;
    row[sum::VerkaufB] = gross;
    return row;
}

TEST(FilledGrid, HasOneDataRowPerComputedRowAndTheComputedFooter)
{
    calc::TextGrid texts;
    texts.rows = {SumRow("Cola", "7,50"), SumRow("Tagesessen", "100,00"), SumRow("Tee", "1,00")};
    texts.footer = SumRow("Summe (Laden)", "999,99"); // written as it is, not summed again
    const grid::PlainGrid grid = FilledGrid(grid::SetupSumView, texts, {',', '.'});

    EXPECT_EQ(grid.DataRowCount(), 3);
    EXPECT_EQ(grid.Cell(sum::Name, 0), "Name");
    EXPECT_EQ(grid.Cell(sum::Name, grid.FirstDataRow() + 1), "Tagesessen");
    EXPECT_EQ(grid.Cell(sum::VerkaufB, grid.LastDataRow()), "1,00");
    EXPECT_EQ(grid.Cell(sum::Name, grid.FooterRow()), "Summe (Laden)");
    EXPECT_EQ(grid.Cell(sum::VerkaufB, grid.FooterRow()), "999,99");
    EXPECT_EQ(grid.Options().numberLocale.decimalSeparator, ',');
    EXPECT_EQ(grid.CellAsNumber(sum::VerkaufB, grid.FirstDataRow()), 7.5);
}

TEST(FilledGrid, AGridWithoutFooterTakesTheRowsOnly)
{
    calc::TextGrid texts;
    texts.rows.emplace_back(overview::kColumnCount, "x");
    const grid::PlainGrid grid = FilledGrid(grid::SetupExportGrid, texts, {});
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.Cell(overview::Verkauf, 1), "x");
}

TEST(FillGrid, ShrinksAGridThatHeldMoreRows)
{
    grid::PlainGrid grid;
    grid::SetupSumView(grid);
    calc::TextGrid texts;
    texts.rows = {SumRow("a", "1"), SumRow("b", "2")};
    texts.footer = SumRow("", "");
    FillGrid(grid, texts);
    texts.rows.pop_back();
    FillGrid(grid, texts);
    EXPECT_EQ(grid.DataRowCount(), 1);
    EXPECT_EQ(grid.Cell(sum::Name, grid.FirstDataRow()), "a");
}

TEST(FillGrid, RefusesRowsThatDoNotFitTheGrid)
{
    grid::PlainGrid grid;
    grid::SetupSumView(grid);
    calc::TextGrid texts;
    texts.rows.emplace_back(sum::kColumnCount - 1);
    texts.footer = calc::TextRow(sum::kColumnCount);
    EXPECT_THROW(FillGrid(grid, texts), std::logic_error);
    texts.rows = {calc::TextRow(sum::kColumnCount)};
    texts.footer.clear();
    EXPECT_THROW(FillGrid(grid, texts), std::logic_error);
}

} // namespace
} // namespace kontaro::views
