#include "calc/entry_figures.h"
#include "support/project_builder.h"

#include <cctype>
#include <gtest/gtest.h>
#include <string>

namespace kontaro::calc {
namespace {

using test::AddProduct;
using test::March;
using test::ProductSpec;

const numbers::NumberLocale kPoint{'.', ','};

struct RowCase {
    const char* what;
    ProductSpec product;
    const char* menge;
    const char* verkaufB; // typed amount of a variable-price row
    // expected: Verkauf (B), Verkauf (N), Einkauf, Steuer, DB1, DB1 (%)
    const char* expected[6];
};

class RowFiguresTest : public ::testing::TestWithParam<RowCase> {};

// "tax 0: net equals gross" as the test name "Tax0NetEqualsGross".
std::string TestName(const char* what)
{
    std::string name;
    bool wordStart = true;
    for (const char* c = what; *c; ++c) {
        const auto u = static_cast<unsigned char>(*c);
        if (!std::isalnum(u)) {
            wordStart = true;
            continue;
        }
        name += wordStart ? static_cast<char>(std::toupper(u)) : *c;
        wordStart = false;
    }
    return name;
}

TEST_P(RowFiguresTest, ChainsTheShownValues)
{
    const RowCase& c = GetParam();
    model::Project project;
    AddProduct(project, c.product);
    const std::optional<RowFigures> row =
        ComputeRowFigures(project.Products, March(6), std::to_string(c.product.id), c.menge, c.verkaufB, kPoint);
    ASSERT_TRUE(row.has_value());
    EXPECT_EQ(row->verkaufB, c.expected[0]);
    EXPECT_EQ(row->verkaufN, c.expected[1]);
    EXPECT_EQ(row->einkauf, c.expected[2]);
    EXPECT_EQ(row->steuer, c.expected[3]);
    EXPECT_EQ(row->db1, c.expected[4]);
    EXPECT_EQ(row->db1Prozent, c.expected[5]);
}

const ProductSpec kVariable30{.id = 2, .einkauf = 30, .verkauf = std::nullopt, .steuer = 7, .einkaufProzent = true};

INSTANTIATE_TEST_SUITE_P(
    Rows, RowFiguresTest,
    ::testing::Values(
        RowCase{"worked example", {}, "3", "", {"7.50", "6.30", "3.60", "19.00", "2.70", "42.84"}},
        RowCase{"variable price with purchase share",
                kVariable30,
                "",
                "100.00",
                {"100.00", "93.46", "28.04", "7.00", "65.42", "70.00"}},
        RowCase{"halving the typed amount halves the purchase",
                kVariable30,
                "",
                "50.00",
                {"50.00", "46.73", "14.02", "7.00", "32.71", "70.00"}},
        RowCase{"margin percent from the rounded margin",
                {.einkauf = 5, .verkauf = 10},
                "1",
                "",
                {"10.00", "8.40", "5.00", "19.00", "3.40", "40.46"}},
        RowCase{"quantity 0", {}, "0", "", {"0.00", "0.00", "0.00", "19.00", "0.00", ""}},
        RowCase{"empty quantity reads as 0", {}, "", "", {"0.00", "0.00", "0.00", "19.00", "0.00", ""}},
        RowCase{"variable price without purchase share shows no purchase",
                {.einkauf = 2, .verkauf = std::nullopt, .steuer = 0},
                "",
                "50.00",
                {"50.00", "50.00", "0.00", "0.00", "50.00", "100.00"}},
        RowCase{"tax 0: net equals gross", {.steuer = 0}, "3", "", {"7.50", "7.50", "3.60", "0.00", "3.90", "52.00"}},
        RowCase{"the shown quantity is used",
                {.verkauf = 3},
                "1.33",
                "",
                {"3.99", "3.35", "1.60", "19.00", "1.75", "52.19"}},
        RowCase{"negative quantity", {}, "-3", "", {"-7.50", "-6.30", "-3.60", "19.00", "-2.70", "42.84"}},
        RowCase{"a typed amount keeps its text",
                kVariable30,
                "",
                "33.333",
                {"33.333", "31.15", "9.35", "7.00", "21.80", "69.98"}},
        RowCase{"tax -100: nothing divided by the factor 0",
                {.steuer = -100},
                "3",
                "",
                {"7.50", "", "3.60", "-100.00", "", ""}},
        RowCase{"tax -100 with a purchase share",
                {.id = 2, .einkauf = 30, .verkauf = std::nullopt, .steuer = -100, .einkaufProzent = true},
                "",
                "100",
                {"100", "", "", "-100.00", "", ""}}),
    [](const ::testing::TestParamInfo<RowCase>& info) { return TestName(info.param.what); });

TEST(RowFigures, RowsWithoutAProductOrNumberChangeNothing)
{
    model::Project project;
    AddProduct(project, {});
    AddProduct(project, {.id = 2, .verkauf = std::nullopt});
    struct {
        const char* produkt;
        const char* menge;
        const char* verkaufB;
    } const cases[] = {{"", "3", ""},   {"abc", "3", ""}, {"1.0", "3", ""},
                       {"99", "3", ""}, {"1", "x", ""},   {"2", "", "x"}};
    for (const auto& c : cases)
        EXPECT_FALSE(ComputeRowFigures(project.Products, March(6), c.produkt, c.menge, c.verkaufB, kPoint))
            << c.produkt << " / " << c.menge << " / " << c.verkaufB;
}

TEST(RowFigures, UsesTheValuesValidOnTheRowsDay)
{
    model::Project project;
    model::tProduct& product = AddProduct(project, {.verkauf = 2.0, .from = March(5)});
    product.Verkauf.AddValue(March(10), 3.0);
    const auto gross = [&](model::DayNumber day) {
        return ComputeRowFigures(project.Products, day, "1", "1", "", kPoint)->verkaufB;
    };
    EXPECT_EQ(gross(March(9)), "2.00");
    EXPECT_EQ(gross(March(10)), "3.00");
    EXPECT_EQ(gross(March(9)), "2.00");
    // before the first date, the first value holds
    EXPECT_EQ(gross(March(1)), "2.00");
}

TEST(RowFigures, WritesTheLocalesSeparator)
{
    model::Project project;
    AddProduct(project, {});
    const auto row = ComputeRowFigures(project.Products, March(6), "1", "1,5", "", {',', '.'});
    ASSERT_TRUE(row);
    EXPECT_EQ(row->verkaufB, "3,75");
    EXPECT_EQ(row->db1Prozent, "42,84");
}

TEST(DayFooterPercent, IsTheMarginOfTheGrossSum)
{
    EXPECT_EQ(DayFooterPercent("107.50", "68.12", kPoint), "63.37");
    EXPECT_EQ(DayFooterPercent("10.00", "3.40", kPoint), "34.00");
    EXPECT_EQ(DayFooterPercent("0.00", "3.40", kPoint), "");
    EXPECT_EQ(DayFooterPercent("", "", kPoint), "");
}

TEST(SumOfShownValues, SkipsTextsThatAreNotNumbers)
{
    EXPECT_EQ(SumOfShownValues({"7.50", "", "x", "100.00", "-0.50"}, kPoint), 107.0);
}

TEST(EntryContribution, IsUnrounded)
{
    model::Project project;
    const model::tProduct& fixed = AddProduct(project, {});
    const model::tProduct& variable = AddProduct(
        project,
        test::ProductSpec{.id = 2, .einkauf = 30, .verkauf = std::nullopt, .steuer = 7, .einkaufProzent = true});
    const EntryContribution a = ContributionOf(fixed, LookUpDayValues(fixed, March(6)), 3);
    EXPECT_TRUE(a.counted);
    EXPECT_EQ(a.quantity, 3);
    EXPECT_EQ(a.gross, 2.5L * 3);
    EXPECT_EQ(a.net, (2.5L * 3) / 1.19);
    EXPECT_EQ(a.purchase, static_cast<long double>(1.2) * 3);

    const EntryContribution b = ContributionOf(variable, LookUpDayValues(variable, March(6)), 100);
    EXPECT_FALSE(b.counted);
    EXPECT_EQ(b.gross, 100);
    EXPECT_EQ(b.net, 100.0L / 1.07);
    EXPECT_EQ(b.purchase, 0.3 * (100.0L / 1.07));
}

TEST(EntryContribution, FactorZeroGivesTheGrossAmountOnly)
{
    model::Project project;
    const model::tProduct& product = AddProduct(project, {.steuer = -100});
    const EntryContribution c = ContributionOf(product, LookUpDayValues(product, March(6)), 3);
    EXPECT_FALSE(c.taxed);
    EXPECT_EQ(c.gross, 7.5);
    EXPECT_EQ(c.net, 0);
    EXPECT_EQ(c.purchase, 0);
}

TEST(AddToTotal, AddsInExtendedPrecisionAndStoresADouble)
{
    // Each sum is stored as a double: 1e16 + 1 rounds back to 1e16 every time,
    // where a total kept in extended precision would reach 1e16 + 2.
    double total = 1e16;
    AddToTotal(total, 1.0L);
    AddToTotal(total, 1.0L);
    EXPECT_EQ(total, 1e16);
    // The amount is not rounded to a double before it is added: 1 + 2^-53 alone
    // would tie and round to 1, the extended amount lifts it over the tie.
    double one = 1.0;
    AddToTotal(one, 0x1p-53L + 0x1p-63L);
    EXPECT_EQ(one, 1.0 + 0x1p-52);
}

} // namespace
} // namespace kontaro::calc
