#include "model/days.h"

#include <gtest/gtest.h>

namespace kontaro::model {
namespace {

std::unique_ptr<tDay> Day(DayNumber date)
{
    auto d = std::make_unique<tDay>();
    d->Date = date;
    return d;
}

tDays DaysOn(std::initializer_list<DayNumber> dates)
{
    tDays days;
    for (DayNumber date : dates) {
        auto d = Day(date);
        days.AddDay(d);
    }
    return days;
}

TEST(Days, AddDayReturnsThePositionOfTheNewDay)
{
    tDays days;
    auto a = Day(38534);
    auto b = Day(38353);
    auto c = Day(38400);
    EXPECT_EQ(days.AddDay(a), 0);
    EXPECT_EQ(days.AddDay(b), 0);
    tDay* added = c.get();
    EXPECT_EQ(days.AddDay(c), 1);
    EXPECT_EQ(&days.Item(1), added);
    EXPECT_EQ(days.Item(0).Date, 38353);
    EXPECT_EQ(days.Item(2).Date, 38534);
    auto again = Day(38353);
    EXPECT_EQ(days.AddDay(again), -1);
    EXPECT_NE(again, nullptr);
}

TEST(Days, IndexFromDateFindsTheFirstDayOnOrAfter)
{
    const tDays days = DaysOn({38353, 38400, 38534});
    const struct {
        DayNumber day;
        int index;
    } cases[] = {{38401, 2}, {38600, -1}, {0, 0}, {38400, 1}, {38534, 2}, {-100000, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(days.IndexFromDate(c.day), c.index) << "day " << c.day;
    EXPECT_EQ(tDays().IndexFromDate(0), -1);
    EXPECT_EQ(days.IndexOfDate(38400), 1);
    EXPECT_EQ(days.IndexOfDate(38401), -1);
}

TEST(Days, DeleteDateOfTheOnlyDayThenAddAgain)
{
    tDays days = DaysOn({38353});
    EXPECT_FALSE(days.DeleteDate(38354));
    EXPECT_TRUE(days.DeleteDate(38353));
    EXPECT_EQ(days.Count(), 0);
    auto d = Day(1);
    EXPECT_EQ(days.AddDay(d), 0);
    EXPECT_THROW(days.Item(1), IndexError);
}

TEST(Day, EntriesSortByProductAndRefuseASecondEntryOfAProduct)
{
    tDay day;
    for (const auto& [id, index] : std::vector<std::pair<int32_t, int>>{{12, 0}, {4, 0}, {9, 1}}) {
        auto e = std::make_unique<tDayEntry>(tDayEntry{id, 1.0});
        EXPECT_EQ(day.AddEntry(e), index);
    }
    auto second = std::make_unique<tDayEntry>(tDayEntry{9, 2.0});
    EXPECT_EQ(day.AddEntry(second), -1);
    EXPECT_NE(second, nullptr);
    EXPECT_EQ(day.Entry(0).ProductID, 4);
    EXPECT_EQ(day.Entry(2).ProductID, 12);
    EXPECT_EQ(day.IndexOfProduct(9), 1);
    EXPECT_EQ(day.IndexOfProduct(5), -1);
    EXPECT_THROW(day.Entry(3), IndexError);

    day.Entry(0).ProductID = 20; // a product's ID changed
    day.SortByProduct();
    EXPECT_EQ(day.IndexOfProduct(20), 2);
    day.Clear();
    EXPECT_EQ(day.Count(), 0);
}

} // namespace
} // namespace kontaro::model
