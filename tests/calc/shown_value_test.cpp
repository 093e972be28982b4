#include "calc/shown_value.h"

#include <gtest/gtest.h>
#include <limits>

namespace kontaro::calc {
namespace {

const numbers::NumberLocale kPoint{'.', ','};
const numbers::NumberLocale kComma{',', '.'};

// The rounding rule is numbers::FixedText's (tests/numbers); here the locale and the
// number of decimals that calc passes on.
TEST(ShownText, TwoDecimalsWithTheLocalesDecimalSeparatorAndNoGrouping)
{
    EXPECT_EQ(ShownText(1234567.5, kComma), "1234567,50");
    EXPECT_EQ(ShownText(-0.125, kComma), "-0,13");
    EXPECT_EQ(ShownText(2.675, kPoint), "2.67");
    EXPECT_EQ(FixedText(7.25, 1, kComma), "7,3");
}

struct ReadCase {
    const char* text;
    std::optional<double> value;
};

class ReadShownValueTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadShownValueTest, ReadsWhatTheTextDenotes)
{
    const ReadCase& c = GetParam();
    EXPECT_EQ(ReadShownValue(c.text, kComma), c.value) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadShownValueTest,
                         ::testing::Values(ReadCase{"", 0.0}, ReadCase{"-", 0.0}, ReadCase{"  -  ", 0.0},
                                           ReadCase{"12,34", 12.34}, ReadCase{" -0,13 ", -0.13}, ReadCase{"+2", 2.0},
                                           ReadCase{"12,", 12.0}, ReadCase{",5", 0.5}, ReadCase{"1,333", 1.333},
                                           ReadCase{"1e3", 1000.0}, ReadCase{"2,5E-1", 0.25},
                                           // not numbers
                                           ReadCase{"12.34", std::nullopt}, ReadCase{"1,2,3", std::nullopt},
                                           ReadCase{"--1", std::nullopt}, ReadCase{"1e", std::nullopt},
                                           ReadCase{"abc", std::nullopt}, ReadCase{",", std::nullopt},
                                           ReadCase{"inf", std::nullopt}, ReadCase{"nan", std::nullopt},
                                           ReadCase{"1 000", std::nullopt}, ReadCase{"1e999", std::nullopt}));

TEST(Round2, IsTheNumberOfTheShownText)
{
    EXPECT_EQ(Round2(6.302521008403361), 6.30);
    EXPECT_EQ(Round2(0.125), 0.13);
    EXPECT_EQ(Round2(-0.125), -0.13);
    EXPECT_EQ(Round2(2.675), 2.67);
    EXPECT_EQ(Round2(1000.005), 1000.01);
    EXPECT_EQ(Round2(std::numeric_limits<double>::quiet_NaN()), 0.0);
}

TEST(ReadCellInteger, AcceptsOnlyWholeDecimalIntegers)
{
    EXPECT_EQ(ReadCellInteger("12"), 12);
    EXPECT_EQ(ReadCellInteger(" +7 "), 7);
    EXPECT_EQ(ReadCellInteger("-2147483648"), std::numeric_limits<int32_t>::min());
    for (const char* text : {"", " ", "-", "1.0", "12a", "2147483648", "++1", "0x10"})
        EXPECT_EQ(ReadCellInteger(text), std::nullopt) << '"' << text << '"';
}

} // namespace
} // namespace kontaro::calc
