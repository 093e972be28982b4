#include "calc/day_grid.h"
#include "calc/worked_example.h"
#include "columns/grid_columns.h"

#include <gtest/gtest.h>

namespace kontaro::calc {
namespace {

using test::AddEntry;
using test::AddProduct;
using test::March;

const numbers::NumberLocale kPoint{'.', ','};

TEST(StoredDayGrid, WorkedExampleDay)
{
    const model::Project project = test::WorkedExample();
    const TextGrid grid = StoredDayGrid(project, March(6), "/data/Laden.kdt", kPoint);
    ASSERT_EQ(grid.rows.size(), 2u);
    EXPECT_EQ(grid.rows[0], (TextRow{"Cola", "1", "3.00", "7.50", "6.30", "3.60", "19.00", "2.70", "42.84"}));
    EXPECT_EQ(grid.rows[1], (TextRow{"Tagesessen", "2", "", "100.00", "93.46", "28.04", "7.00", "65.42", "70.00"}));
    // The footer's percentage relates to the gross sum, not the net sum (68.28).
    EXPECT_EQ(grid.footer,
              (TextRow{"Summe (Laden)", "05-03-06", "", "107.50", "99.76", "31.64", "", "68.12", "63.37"}));
}

TEST(StoredDayGrid, FooterRelatesTheMarginToTheGrossSum)
{
    model::Project project;
    AddProduct(project, {.einkauf = 5, .verkauf = 10});
    AddEntry(project, March(6), 1, 1);
    const TextGrid grid = StoredDayGrid(project, March(6), "", kPoint);
    EXPECT_EQ(grid.rows[0][columns::day::DB1P], "40.46");
    EXPECT_EQ(grid.footer[columns::day::DB1P], "34.00");
    EXPECT_EQ(grid.footer[columns::day::Name], "Summe ()");
}

TEST(StoredDayGrid, DayWithoutEntriesShowsOneEmptyRow)
{
    const model::Project project = test::WorkedExample();
    const TextGrid grid = StoredDayGrid(project, March(7), "Laden.kdt", kPoint);
    ASSERT_EQ(grid.rows.size(), 1u);
    EXPECT_EQ(grid.rows[0], TextRow(columns::day::kColumnCount));
    EXPECT_EQ(grid.footer, (TextRow{"Summe (Laden)", "05-03-07", "", "0.00", "0.00", "0.00", "", "0.00", ""}));
}

TEST(StoredDayGrid, UnknownProductRowHasNoFiguresAndAddsNothing)
{
    model::Project project = test::WorkedExample();
    AddEntry(project, March(6), 7, 2);
    const TextGrid grid = StoredDayGrid(project, March(6), "Laden.kdt", kPoint);
    ASSERT_EQ(grid.rows.size(), 3u);
    EXPECT_EQ(grid.rows[2], (TextRow{"unbekanntes Produkt!", "7", "2.00", "", "", "", "", "", ""}));
    EXPECT_EQ(grid.footer[columns::day::VerkaufB], "107.50");
    EXPECT_EQ(grid.footer[columns::day::DB1P], "63.37");
}

TEST(StoredDayGrid, StoredQuantityIsShownAndComputedWithTwoDecimals)
{
    model::Project project;
    AddProduct(project, {.verkauf = 3});
    AddEntry(project, March(6), 1, 1.333);
    const TextGrid grid = StoredDayGrid(project, March(6), "", kPoint);
    EXPECT_EQ(grid.rows[0][columns::day::Menge], "1.33");
    EXPECT_EQ(grid.rows[0][columns::day::VerkaufB], "3.99");
}

TEST(StoredDayGrid, NameAndPriceAreThoseOfTheShownDay)
{
    model::Project project;
    model::tProduct& product = AddProduct(project, {.name = "Cola", .verkauf = 2.0});
    product.Verkauf.AddValue(March(10), 3.0);
    product.Name.AddValue(March(10), "Cola Zero");
    AddEntry(project, March(9), 1, 1);
    AddEntry(project, March(10), 1, 1);
    const TextGrid ninth = StoredDayGrid(project, March(9), "", kPoint);
    const TextGrid tenth = StoredDayGrid(project, March(10), "", kPoint);
    EXPECT_EQ(ninth.rows[0][columns::day::Name], "Cola");
    EXPECT_EQ(ninth.rows[0][columns::day::VerkaufB], "2.00");
    EXPECT_EQ(tenth.rows[0][columns::day::Name], "Cola Zero");
    EXPECT_EQ(tenth.rows[0][columns::day::VerkaufB], "3.00");
}

TEST(StoredDayGrid, NamesBecomeUtf8)
{
    model::Project project;
    AddProduct(project, {.name = "Gr\xfc\xdftee"});
    AddEntry(project, March(6), 1, 1);
    EXPECT_EQ(StoredDayGrid(project, March(6), "", kPoint).rows[0][columns::day::Name], "Grüßtee");
}

} // namespace
} // namespace kontaro::calc
