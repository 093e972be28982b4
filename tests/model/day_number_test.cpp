#include "model/day_number.h"
#include "model/globals.h"

#include <gtest/gtest.h>

namespace kontaro::model {
namespace {

TEST(DayNumber, CivilDatesBothWays)
{
    const struct {
        DayNumber day;
        CivilDate date;
    } cases[] = {
        {0, {1899, 12, 30}},   {1, {1899, 12, 31}},   {-1, {1899, 12, 29}},   {60, {1900, 2, 28}},
        {61, {1900, 3, 1}},    {36526, {2000, 1, 1}}, {36585, {2000, 2, 29}}, {38353, {2005, 1, 1}},
        {38417, {2005, 3, 6}}, {44013, {2020, 7, 1}}, {-693593, {1, 1, 1}},   {2958465, {9999, 12, 31}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DayFromCivil(c.date), c.day) << c.day;
        EXPECT_EQ(CivilFromDay(c.day), c.date) << c.day;
    }
    // The whole 32-bit range converts and comes back.
    for (DayNumber day : {INT32_MIN, INT32_MIN + 1, -1000000, 1000000, INT32_MAX})
        EXPECT_EQ(DayFromCivil(CivilFromDay(day)), day) << day;
}

TEST(DayNumber, DateTimeIsCutToItsDay)
{
    EXPECT_EQ(DayFromDateTime(38417.99), 38417);
    EXPECT_EQ(DayFromDateTime(38417.0), 38417);
    EXPECT_EQ(DayFromDateTime(-1.25), -1); // 1899-12-29 06:00
    EXPECT_EQ(DayFromDateTime(1e300), INT32_MAX);
}

TEST(DayNumber, DateTexts)
{
    EXPECT_EQ(ShortDateText(38442), "05-03-31");
    EXPECT_EQ(ShortDateText(0), "99-12-30");
    EXPECT_EQ(IsoDateText(38417), "2005-03-06");
    EXPECT_EQ(IsoDateText(-693593), "0001-01-01");
}

TEST(DayNumber, ParseIsoDateRefusesAnythingButARealDate)
{
    EXPECT_EQ(ParseIsoDate("2005-03-06"), 38417);
    EXPECT_EQ(ParseIsoDate("2000-02-29"), 36585);
    for (const char* bad : {"2005-02-29", "2005-13-01", "2005-00-10", "2005-01-00", "2005-1-06", "05-03-06",
                            "2005/03/06", "2005-03-06 ", "", "abcd-ef-gh"})
        EXPECT_FALSE(ParseIsoDate(bad).has_value()) << bad;
}

TEST(Globals, TodayNumberFollowsTheTestClock)
{
    SetTodayForTests([] { return 46000; });
    EXPECT_EQ(TodayNumber(), 46000);
    SetTodayForTests({});
    EXPECT_GT(TodayNumber(), 46000); // the real clock: after 2025-12-09
}

TEST(Globals, RemoveFileExtCutsTheLastExtensionOfTheName)
{
    const struct {
        const char* path;
        const char* expected;
    } cases[] = {
        {"/data/laden.kdt", "/data/laden"},
        {"laden.2005.kdt", "laden.2005"},
        {"/data/laden", "/data/laden"},
        {"/data.old/laden", "/data.old/laden"},
        {"C:\\a\\Cafe.kdt", "C:\\a\\Cafe"},
        {"a.b\\c", "a.b\\c"},
        {"laden.", "laden"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RemoveFileExt(c.path), c.expected) << c.path;
}

} // namespace
} // namespace kontaro::model
