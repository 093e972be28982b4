#include "calc/group_summary.h"
#include "calc/summary_totals.h"
#include "calc/worked_example.h"
#include "columns/grid_columns.h"

#include <gtest/gtest.h>

namespace kontaro::calc {
namespace {

using test::AddEntry;
using test::AddGroup;
using test::AddProduct;
using test::March;

const numbers::NumberLocale kPoint{'.', ','};

SummaryResult Summarise(const model::Project& project, model::DayNumber from, model::DayNumber to)
{
    return GroupSummary(project, from, to, "Laden.kdt", kPoint);
}

TEST(GroupSummary, WorkedExampleWithSharesOfTheShownNetSales)
{
    model::Project project = test::WorkedExample(20);
    const SummaryResult result = Summarise(project, March(1), March(31));
    EXPECT_TRUE(result.daysFound);
    ASSERT_EQ(result.grid.rows.size(), 2u);
    EXPECT_EQ(result.grid.rows[0],
              (TextRow{"Getränke", "10", "", "7.50", "6.30", "3.60", "", "2.70", "42.88", "6.32"}));
    EXPECT_EQ(result.grid.rows[1],
              (TextRow{"Essen", "20", "", "100.00", "93.46", "28.04", "", "65.42", "70.00", "93.68"}));
    EXPECT_EQ(result.grid.footer,
              (TextRow{"Summe (Laden)", "05-03-01", "", "107.50", "99.76", "31.64", "", "68.12", "68.28", "05-03-31"}));
    EXPECT_EQ(GroupTotals(project, March(1), March(31))[0].brutto, 7.5);
}

TEST(GroupSummary, OneGroupAgainstTheFooterOfTheShownSums)
{
    model::Project project = test::WorkedExample(10);
    const SummaryResult result = Summarise(project, March(1), March(31));
    ASSERT_EQ(result.grid.rows.size(), 1u);
    EXPECT_EQ(result.grid.rows[0],
              (TextRow{"Getränke", "10", "", "107.50", "99.76", "31.64", "", "68.12", "68.29", "100.00"}));
    EXPECT_EQ(result.grid.footer[columns::group::DB1P], "68.28");
}

TEST(GroupSummary, EntriesCountForTheGroupOfTheirDay)
{
    model::Project project;
    AddGroup(project, 10, "Alt");
    AddGroup(project, 20, "Neu");
    model::tProduct& product = AddProduct(project, {.verkauf = 1, .steuer = 0, .gruppe = 10});
    product.Gruppe.AddValue(March(15), 20);
    for (int day = 1; day <= 31; ++day)
        AddEntry(project, March(day), 1, 1);
    const SummaryResult result = Summarise(project, March(1), March(31));
    ASSERT_EQ(result.grid.rows.size(), 2u);
    EXPECT_EQ(result.grid.rows[0][columns::group::VerkaufB], "14.00");
    EXPECT_EQ(result.grid.rows[1][columns::group::VerkaufB], "17.00");
}

TEST(GroupSummary, EntriesOfAMissingGroupOrProductAreInNoRowAndNoSum)
{
    model::Project project = test::WorkedExample(20);
    AddProduct(project, {.id = 3, .gruppe = 99});
    AddEntry(project, March(6), 3, 10);
    AddEntry(project, March(6), 77, 10);
    const SummaryResult result = Summarise(project, March(1), March(31));
    EXPECT_EQ(result.grid.rows.size(), 2u);
    EXPECT_EQ(result.grid.footer[columns::group::VerkaufB], "107.50");
}

TEST(GroupSummary, ZeroCasesWriteZeroIntoTheFootersPercentage)
{
    model::Project project = test::WorkedExample(20);
    AddEntry(project, March(20), 77, 10);

    const SummaryResult none = Summarise(project, March(7), March(8));
    EXPECT_FALSE(none.daysFound);
    ASSERT_EQ(none.grid.rows.size(), 1u);
    EXPECT_EQ(none.grid.rows[0], TextRow(columns::group::kColumnCount));
    EXPECT_EQ(none.grid.footer,
              (TextRow{"Summen", "05-03-07", "", "0.00", "0.00", "0.00", "", "0.00", "0.00", "05-03-08"}));

    const SummaryResult empty = Summarise(project, March(20), March(20));
    EXPECT_TRUE(empty.daysFound);
    ASSERT_EQ(empty.grid.rows.size(), 1u);
    EXPECT_EQ(empty.grid.rows[0], TextRow(columns::group::kColumnCount));
    EXPECT_EQ(empty.grid.footer,
              (TextRow{"Summe (Laden)", "05-03-20", "", "0.00", "0.00", "0.00", "", "0.00", "0.00", "05-03-20"}));
}

TEST(GroupSummary, NetSumBelowHalfACentLeavesTheSharesEmpty)
{
    model::Project project;
    AddGroup(project, 10, "Klein");
    AddProduct(project, {.einkauf = 0, .verkauf = 0.001, .steuer = 0});
    AddEntry(project, March(6), 1, 1);
    const SummaryResult result = Summarise(project, March(6), March(6));
    ASSERT_EQ(result.grid.rows.size(), 1u);
    EXPECT_EQ(result.grid.rows[0], (TextRow{"Klein", "10", "", "0.00", "0.00", "0.00", "", "0.00", "100.00", ""}));
    EXPECT_EQ(result.grid.footer[columns::group::DB1P], "0.00");
}

TEST(GroupSummary, TaxFactorZeroAddsTheGrossAmountOnly)
{
    model::Project project;
    AddGroup(project, 10, "G");
    AddProduct(project, {.verkauf = 10, .steuer = -100});
    AddEntry(project, March(6), 1, 2);
    const SummaryResult result = Summarise(project, March(6), March(6));
    EXPECT_EQ(result.grid.rows[0], (TextRow{"G", "10", "", "20.00", "0.00", "0.00", "", "0.00", "", ""}));
}

} // namespace
} // namespace kontaro::calc
