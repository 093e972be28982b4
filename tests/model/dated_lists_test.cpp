#include "model/dated_lists.h"

#include <gtest/gtest.h>
#include <vector>

namespace kontaro::model {
namespace {

std::vector<DayNumber> Dates(const tTimeFloatList& list)
{
    std::vector<DayNumber> dates;
    for (int i = 0; i < list.Count(); ++i)
        dates.push_back(list.Item(i).Date);
    return dates;
}

TEST(DatedList, ValueHoldsFromItsDateUntilTheNextOne)
{
    tTimeStringList names;
    ASSERT_TRUE(names.AddValue(38534, "B"));
    ASSERT_TRUE(names.AddValue(38353, "A"));
    const struct {
        DayNumber day;
        const char* expected;
    } cases[] = {{-5, "A"}, {38000, "A"}, {38353, "A"}, {38533, "A"}, {38534, "B"}, {99999, "B"}};
    for (const auto& c : cases) {
        std::string text;
        names.ValueAt(c.day, text);
        EXPECT_EQ(text, c.expected) << "day " << c.day;
    }
}

TEST(DatedList, SingleItemHoldsForEveryDay)
{
    tTimeintegerList groups;
    groups.AddValue(38534, 4);
    EXPECT_EQ(groups.ValueAt(0), 4);
    EXPECT_EQ(groups.ValueAt(38534), 4);
    EXPECT_EQ(groups.ValueAt(1000000), 4);
}

TEST(DatedList, AddKeepsDateOrderAndRefusesAnExistingDate)
{
    tTimeFloatList prices;
    EXPECT_TRUE(prices.AddValue(38534, 2.0));
    EXPECT_FALSE(prices.AddValue(38534, 9.0));
    EXPECT_DOUBLE_EQ(prices.ValueAt(38534), 2.0);
    EXPECT_TRUE(prices.AddValue(38353, 1.8));
    EXPECT_TRUE(prices.AddValue(38400, 1.9));
    EXPECT_EQ(Dates(prices), (std::vector<DayNumber>{38353, 38400, 38534}));
    EXPECT_EQ(prices.IndexOfDate(38400), 1);
    EXPECT_EQ(prices.IndexOfDate(38401), -1);
    EXPECT_EQ(prices.IndexOfDate(0), -1);
    EXPECT_EQ(prices.IndexOfDate(40000), -1);
}

TEST(DatedList, SortByDateRestoresOrderAfterInPlaceChanges)
{
    tTimeFloatList prices;
    prices.AddValue(1, 1.0);
    prices.AddValue(2, 2.0);
    prices.AddValue(3, 3.0);
    prices.Item(0).Date = 10;
    prices.SortByDate();
    EXPECT_EQ(Dates(prices), (std::vector<DayNumber>{2, 3, 10}));
    EXPECT_DOUBLE_EQ(prices.ValueAt(10), 1.0);
}

TEST(DatedList, ProzentListGivesFractionAndFactor)
{
    tTimeProzentList tax;
    tax.AddValue(38353, 7);
    EXPECT_DOUBLE_EQ(tax.FractionAt(0), 0.07);
    EXPECT_EQ(tax.FactorAt(50000), 1.0 + 0.07);
    tTimeProzentList none;
    none.AddValue(1, 0);
    EXPECT_EQ(none.FractionAt(1), 0.0);
    EXPECT_EQ(none.FactorAt(1), 1.0);
}

TEST(DatedList, EmptyListAndOutOfRangeIndexRaiseTheIndexError)
{
    tTimeStringList names;
    std::string text;
    EXPECT_THROW(names.ValueAt(1, text), IndexError);
    EXPECT_THROW(tTimeProzentList().FactorAt(1), IndexError);
    names.AddValue(5, "x");
    EXPECT_THROW(names.Item(1), IndexError);
    EXPECT_THROW(names.Item(-1), IndexError);
    names.Clear();
    EXPECT_EQ(names.Count(), 0);
    EXPECT_THROW(names.ItemAt(5), IndexError);
}

} // namespace
} // namespace kontaro::model
