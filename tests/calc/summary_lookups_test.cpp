// The summaries look products, groups and dated values up through tables and
// caches; their totals must be those of looking everything up per entry with the
// data model's own searches.
#include "calc/entry_figures.h"
#include "calc/summary_totals.h"
#include "support/project_builder.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

namespace kontaro::calc {
namespace {

using test::AddEntry;
using test::AddGroup;
using test::AddProduct;
using test::March;

// A deterministic pseudo-random sequence.
class Sequence {
public:
    uint32_t Next(uint32_t bound)
    {
        state_ = state_ * 1103515245u + 12345u;
        return (state_ >> 8) % bound;
    }

private:
    uint32_t state_ = 20050306u;
};

// Products with many dated changes before, inside and after the period, entries of
// products that do not exist, and a group list that points to a missing group.
model::Project BusyProject(int32_t idStep)
{
    model::Project project;
    Sequence random;
    for (int32_t g = 1; g <= 4; ++g)
        AddGroup(project, g * idStep, "Gruppe");
    for (int32_t p = 1; p <= 24; ++p) {
        const bool variable = p % 5 == 0;
        model::tProduct& product =
            AddProduct(project, {.id = p * idStep,
                                 .einkauf = variable ? 35.0 : 0.5 + p * 0.11,
                                 .verkauf = variable ? std::nullopt : std::optional<double>(1.0 + p * 0.37),
                                 .steuer = p % 3 == 0 ? 7.0 : 19.0,
                                 .gruppe = (p % 4 + 1) * idStep,
                                 .einkaufProzent = variable && p % 2 == 0,
                                 .from = March(1) + static_cast<int>(random.Next(40))});
        for (int change = 0; change < 6; ++change) {
            const model::DayNumber day = March(1) + static_cast<int>(random.Next(200)) - 20;
            product.Einkauf.AddValue(day, 0.3 + random.Next(300) / 100.0);
            if (!variable)
                product.Verkauf.AddValue(day + 1, 1.0 + random.Next(900) / 100.0);
            product.Steuer.AddValue(day + 2, random.Next(4) == 0 ? 16.0 : 19.0);
            product.Gruppe.AddValue(day + 3, static_cast<int32_t>(random.Next(5) + 1) * idStep);
        }
    }
    for (int day = 0; day < 180; ++day) {
        if (random.Next(7) == 0)
            continue;
        for (int32_t p = 1; p <= 26; ++p)
            if (random.Next(3) != 0)
                AddEntry(project, March(1) + day, p * idStep, random.Next(2000) / 100.0 - 2.0);
    }
    return project;
}

struct Totals {
    std::vector<double> menge, brutto, netto, einkauf;
};

Totals LookedUpPerEntry(const model::Project& project, model::DayNumber from, model::DayNumber to, bool byGroup)
{
    const int count = byGroup ? project.Groups.Count() : project.Products.Count();
    Totals totals{std::vector<double>(count), std::vector<double>(count), std::vector<double>(count),
                  std::vector<double>(count)};
    for (int d = 0; d < project.Days.Count(); ++d) {
        const model::tDay& day = project.Days.Item(d);
        if (day.Date < from || day.Date > to)
            continue;
        for (int e = 0; e < day.Count(); ++e) {
            const int p = project.Products.IndexOfID(day.Entry(e).ProductID);
            if (p < 0)
                continue;
            const model::tProduct& product = project.Products.Item(p);
            const int i = byGroup ? project.Groups.IndexOfID(product.Gruppe.ValueAt(day.Date)) : p;
            if (i < 0)
                continue;
            const EntryContribution c = ContributionOf(product, LookUpDayValues(product, day.Date), day.Entry(e).Value);
            if (c.counted && !byGroup)
                AddToTotal(totals.menge[static_cast<std::size_t>(i)], c.quantity);
            AddToTotal(totals.brutto[static_cast<std::size_t>(i)], c.gross);
            AddToTotal(totals.netto[static_cast<std::size_t>(i)], c.net);
            AddToTotal(totals.einkauf[static_cast<std::size_t>(i)], c.purchase);
        }
    }
    return totals;
}

class SummaryLookupsTest : public ::testing::TestWithParam<int32_t> {};

TEST_P(SummaryLookupsTest, GiveTheTotalsOfPerEntryLookups)
{
    const model::Project project = BusyProject(GetParam());
    const model::DayNumber from = March(20);
    const model::DayNumber to = March(20) + 120;

    const std::vector<SummaryTotals> products = ProductTotals(project, from, to);
    const Totals productsLookedUp = LookedUpPerEntry(project, from, to, false);
    ASSERT_EQ(products.size(), static_cast<std::size_t>(project.Products.Count()));
    for (std::size_t k = 0; k < products.size(); ++k) {
        const int32_t id = project.Products.Item(static_cast<int>(k)).ID;
        EXPECT_EQ(products[k].menge, productsLookedUp.menge[k]) << id;
        EXPECT_EQ(products[k].brutto, productsLookedUp.brutto[k]) << id;
        EXPECT_EQ(products[k].netto, productsLookedUp.netto[k]) << id;
        EXPECT_EQ(products[k].einkauf, productsLookedUp.einkauf[k]) << id;
    }

    const std::vector<SummaryTotals> groups = GroupTotals(project, from, to);
    const Totals groupsLookedUp = LookedUpPerEntry(project, from, to, true);
    ASSERT_EQ(groups.size(), static_cast<std::size_t>(project.Groups.Count()));
    for (std::size_t k = 0; k < groups.size(); ++k) {
        const int32_t id = project.Groups.Item(static_cast<int>(k)).ID;
        EXPECT_NE(groups[k].brutto, 0);
        EXPECT_EQ(groups[k].brutto, groupsLookedUp.brutto[k]) << id;
        EXPECT_EQ(groups[k].netto, groupsLookedUp.netto[k]) << id;
        EXPECT_EQ(groups[k].einkauf, groupsLookedUp.einkauf[k]) << id;
    }
}

// Dense IDs are found through a table, sparse ones by a binary search.
INSTANTIATE_TEST_SUITE_P(Ids, SummaryLookupsTest, ::testing::Values(1, 100000));

} // namespace
} // namespace kontaro::calc
