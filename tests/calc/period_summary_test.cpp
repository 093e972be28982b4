#include "calc/period_summary.h"
#include "calc/summary_totals.h"
#include "calc/worked_example.h"
#include "columns/grid_columns.h"

#include <cctype>
#include <gtest/gtest.h>

namespace kontaro::calc {
namespace {

using test::AddEntry;
using test::AddProduct;
using test::March;

const numbers::NumberLocale kPoint{'.', ','};

SummaryResult Summarise(const model::Project& project, model::DayNumber from, model::DayNumber to)
{
    return PeriodSummary(project, from, to, "/data/Laden.kdt", kPoint);
}

TEST(PeriodSummary, WorkedExampleDoesNotRoundPerLine)
{
    model::Project project = test::WorkedExample();
    const SummaryResult result = Summarise(project, March(1), March(31));
    EXPECT_TRUE(result.daysFound);
    ASSERT_EQ(result.grid.rows.size(), 2u);
    EXPECT_EQ(result.grid.rows[0], (TextRow{"Cola", "1", "3.00", "7.50", "6.30", "3.60", "19.00", "2.70", "42.88"}));
    EXPECT_EQ(result.grid.rows[1],
              (TextRow{"Tagesessen", "2", "", "100.00", "93.46", "28.04", "7.00", "65.42", "70.00"}));
    EXPECT_EQ(result.grid.footer,
              (TextRow{"Summe (Laden)", "05-03-01", "05-03-31", "107.50", "99.76", "31.64", "", "68.12", "68.28"}));
    const std::vector<SummaryTotals> totals = ProductTotals(project, March(1), March(31));
    EXPECT_EQ(totals[0].menge, 3);
    EXPECT_EQ(totals[1].brutto, 100);
}

TEST(PeriodSummary, BothEndsOfThePeriodAreIncluded)
{
    model::Project project;
    AddProduct(project, {});
    AddEntry(project, March(1), 1, 1);
    AddEntry(project, March(31), 1, 2);
    AddEntry(project, model::DayFromCivil({2005, 4, 1}), 1, 4);
    const struct {
        model::DayNumber from, to;
        const char* menge;
    } cases[] = {{March(1), March(31), "3.00"},
                 {March(31), March(31), "2.00"},
                 {March(1), March(1), "1.00"},
                 {March(2), model::DayFromCivil({2005, 4, 1}), "6.00"}};
    for (const auto& c : cases) {
        const SummaryResult result = Summarise(project, c.from, c.to);
        ASSERT_EQ(result.grid.rows.size(), 1u);
        EXPECT_EQ(result.grid.rows[0][columns::sum::Menge], c.menge) << model::ShortDateText(c.from);
    }
}

TEST(PeriodSummary, PeriodWithoutStoredDaysGivesTheResetGrid)
{
    model::Project project = test::WorkedExample();
    AddEntry(project, March(9), 1, 1);
    for (const auto& [from, to] :
         {std::pair{March(7), March(8)}, std::pair{March(10), March(20)}, std::pair{March(1), March(5)}}) {
        const SummaryResult result = Summarise(project, from, to);
        EXPECT_FALSE(result.daysFound);
        ASSERT_EQ(result.grid.rows.size(), 1u);
        EXPECT_EQ(result.grid.rows[0], TextRow(columns::sum::kColumnCount));
        EXPECT_EQ(result.grid.footer, (TextRow{"Summen", model::ShortDateText(from), model::ShortDateText(to), "0.00",
                                               "0.00", "0.00", "", "0.00", "0.00"}));
    }
}

TEST(PeriodSummary, DaysWithOnlyUnknownProductsGiveAnEmptyResultWithoutWarning)
{
    model::Project project = test::WorkedExample();
    AddEntry(project, March(20), 99, 5);
    const SummaryResult result = Summarise(project, March(20), March(20));
    EXPECT_TRUE(result.daysFound);
    ASSERT_EQ(result.grid.rows.size(), 1u);
    EXPECT_EQ(result.grid.rows[0], TextRow(columns::sum::kColumnCount));
    EXPECT_EQ(result.grid.footer,
              (TextRow{"Summe (Laden)", "05-03-20", "05-03-20", "0.00", "0.00", "0.00", "", "0.00", ""}));
}

TEST(PeriodSummary, NameAndTaxRateAreThoseOfThePeriodsLastDay)
{
    model::Project project;
    model::tProduct& product = AddProduct(project, {.name = "Cola", .verkauf = 11.6, .steuer = 16});
    product.Steuer.AddValue(March(10), 19);
    product.Name.AddValue(March(25), "Cola Zero"); // after the last sale
    AddEntry(project, March(5), 1, 1);
    AddEntry(project, March(15), 1, 1);
    const SummaryResult result = Summarise(project, March(1), March(31));
    ASSERT_EQ(result.grid.rows.size(), 1u);
    const TextRow& row = result.grid.rows[0];
    EXPECT_EQ(row[columns::sum::Name], "Cola Zero");
    // 11.60 / 1.16 + 11.60 / 1.19
    EXPECT_EQ(row[columns::sum::VerkaufN], "19.75");
    EXPECT_EQ(row[columns::sum::Steuer], "19.00");
    EXPECT_EQ(Summarise(project, March(1), March(9)).grid.rows[0][columns::sum::Steuer], "16.00");
    EXPECT_EQ(Summarise(project, March(1), March(9)).grid.rows[0][columns::sum::Name], "Cola");
}

TEST(PeriodSummary, ProductsWithoutPositiveGrossHaveNoRowAndAreNotInTheFooter)
{
    model::Project project = test::WorkedExample();
    AddProduct(project, {.id = 3, .einkauf = 4, .verkauf = 0});
    AddProduct(project, {.id = 4});
    AddEntry(project, March(6), 3, 1);  // gross 0 with purchase costs
    AddEntry(project, March(6), 4, -2); // negative gross
    const SummaryResult result = Summarise(project, March(1), March(31));
    ASSERT_EQ(result.grid.rows.size(), 2u);
    EXPECT_EQ(result.grid.footer[columns::sum::Einkauf], "31.64");
}

TEST(PeriodSummary, VariablePriceWithoutShareMultipliesTheCostByTheGross)
{
    model::Project project;
    AddProduct(project, {.einkauf = 2, .verkauf = std::nullopt, .steuer = 0});
    AddEntry(project, March(6), 1, 50);
    const TextRow row = Summarise(project, March(6), March(6)).grid.rows[0];
    EXPECT_EQ(row, (TextRow{"Cola", "1", "", "50.00", "50.00", "100.00", "0.00", "-50.00", "-100.00"}));
}

TEST(PeriodSummary, UsesTheStoredQuantityUnrounded)
{
    model::Project project;
    AddProduct(project, {.verkauf = 3});
    AddEntry(project, March(6), 1, 1.333);
    const TextRow row = Summarise(project, March(6), March(6)).grid.rows[0];
    EXPECT_EQ(row[columns::sum::Menge], "1.33");
    EXPECT_EQ(row[columns::sum::VerkaufB], "4.00"); // 3.999; the day view shows 3.99
}

TEST(PeriodSummary, PricesHoldFromTheirDate)
{
    model::Project project;
    model::tProduct& product = AddProduct(project, {.verkauf = 2.0, .from = March(5)});
    product.Verkauf.AddValue(March(10), 3.0);
    AddEntry(project, March(1), 1, 1); // before the first date: the first price
    AddEntry(project, March(9), 1, 1);
    AddEntry(project, March(10), 1, 1);
    AddEntry(project, March(11), 1, 1);
    EXPECT_EQ(Summarise(project, March(1), March(31)).grid.rows[0][columns::sum::VerkaufB], "10.00");
}

TEST(PeriodSummary, ZeroNetTotalLeavesThePercentageEmpty)
{
    model::Project project;
    model::tProduct& product = AddProduct(project, {.einkauf = 0, .verkauf = std::nullopt, .steuer = 0});
    product.Steuer.AddValue(March(10), 100);
    AddEntry(project, March(6), 1, -10); // net -10
    AddEntry(project, March(12), 1, 20); // net +10
    const SummaryResult result = Summarise(project, March(1), March(31));
    EXPECT_EQ(result.grid.rows[0][columns::sum::VerkaufB], "10.00");
    EXPECT_EQ(result.grid.rows[0][columns::sum::VerkaufN], "0.00");
    EXPECT_EQ(result.grid.rows[0][columns::sum::DB1P], "");
    EXPECT_EQ(result.grid.footer[columns::sum::DB1P], "");
}

TEST(PeriodSummary, TaxFactorZeroAddsTheGrossAmountOnly)
{
    model::Project project = test::WorkedExample();
    AddProduct(project, {.id = 3, .verkauf = 10, .steuer = -100});
    AddEntry(project, March(6), 3, 2);
    const SummaryResult result = Summarise(project, March(1), March(31));
    ASSERT_EQ(result.grid.rows.size(), 3u);
    EXPECT_EQ(result.grid.rows[2], (TextRow{"Cola", "3", "0.00", "20.00", "0.00", "0.00", "-100.00", "0.00", ""}));
    EXPECT_EQ(result.grid.footer,
              (TextRow{"Summe (Laden)", "05-03-01", "05-03-31", "127.50", "99.76", "31.64", "", "68.12", "68.28"}));
}

TEST(PeriodSummary, RunsAgainWithTheSameResult)
{
    model::Project project = test::WorkedExample();
    const SummaryResult first = Summarise(project, March(1), March(31));
    const SummaryResult second = Summarise(project, March(1), March(31));
    EXPECT_EQ(first.grid.rows, second.grid.rows);
    EXPECT_EQ(first.grid.footer, second.grid.footer);
}

} // namespace
} // namespace kontaro::calc

namespace kontaro::calc {
namespace {

TEST(PeriodSummary, OverflowingAmountsShowNoInfOrNan)
{
    model::Project project;
    AddProduct(project, {.einkauf = 1e300, .verkauf = 1e300});
    AddEntry(project, March(6), 1, 1e300);
    const SummaryResult result = PeriodSummary(project, March(6), March(6), "", kPoint);
    ASSERT_EQ(result.grid.rows.size(), 1u);
    for (const TextRow* row : {&result.grid.rows[0], &result.grid.footer})
        for (std::string text : *row) {
            for (char& c : text)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            EXPECT_EQ(text.find("inf"), std::string::npos) << text;
            EXPECT_EQ(text.find("nan"), std::string::npos) << text;
        }
    EXPECT_EQ(result.grid.rows[0][columns::sum::VerkaufB], "");
}

} // namespace
} // namespace kontaro::calc
