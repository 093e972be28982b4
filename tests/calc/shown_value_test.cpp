#include "calc/shown_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kontaro::calc {
namespace {

const NumberLocale kPoint{'.', ','};
const NumberLocale kComma{',', '.'};

struct FixedCase {
    double value;
    int decimals;
    const char* text;
};

class ShownTextTest : public ::testing::TestWithParam<FixedCase> {};

TEST_P(ShownTextTest, RoundsEighteenDigitsThenHalvesAwayFromZero)
{
    const FixedCase& c = GetParam();
    EXPECT_EQ(FixedText(c.value, c.decimals, kPoint), c.text) << "value " << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    HardCases, ShownTextTest,
    ::testing::Values(
        // exact halves round away from zero
        FixedCase{0.125, 2, "0.13"}, FixedCase{-0.125, 2, "-0.13"},
        FixedCase{123456789.125, 2, "123456789.13"}, FixedCase{-123456789.125, 2, "-123456789.13"},
        // doubles just below a half stay below it
        FixedCase{2.675, 2, "2.67"}, FixedCase{-2.675, 2, "-2.67"}, FixedCase{1.005, 2, "1.00"},
        FixedCase{1.045, 2, "1.04"}, FixedCase{0.285, 2, "0.28"}, FixedCase{0.015, 2, "0.01"},
        // doubles just above a half round up
        FixedCase{0.005, 2, "0.01"}, FixedCase{8.345, 2, "8.35"},
        FixedCase{999.995, 2, "1000.00"},
        // below the half by less than the 18th digit: the first rounding makes the half
        FixedCase{1000.005, 2, "1000.01"}, FixedCase{1000.255, 2, "1000.26"},
        // zero and values that round to it carry no sign
        FixedCase{0.0, 2, "0.00"}, FixedCase{-0.0, 2, "0.00"}, FixedCase{-0.004, 2, "0.00"},
        FixedCase{0.004999999999999999, 2, "0.00"}, FixedCase{1e-300, 2, "0.00"},
        // large values: the 18 digits reach the decimals, or end before them
        FixedCase{1e15, 2, "1000000000000000.00"},
        FixedCase{1e15 + 0.125, 2, "1000000000000000.13"},
        FixedCase{1e20, 2, "100000000000000000000.00"},
        FixedCase{123456789012345678901.0, 2, "123456789012345684000.00"},
        // other numbers of decimals
        FixedCase{19.0, 1, "19.0"}, FixedCase{7.25, 1, "7.3"}, FixedCase{2.5, 0, "3"},
        FixedCase{-0.5, 0, "-1"}, FixedCase{0.4, 0, "0"}, FixedCase{9.9999995, 6, "9.999999"}, FixedCase{-9.999, 2, "-10.00"}));

TEST(ShownText, GreatestDoubleKeepsEighteenDigits)
{
    const std::string text = ShownText(std::numeric_limits<double>::max(), kPoint);
    ASSERT_EQ(text.size(), 309u + 3u);
    EXPECT_EQ(text.substr(0, 19), "1797693134862315710");
    EXPECT_EQ(text.find_first_not_of('0', 18), text.size() - 3);
}

TEST(ShownText, UsesTheLocalesDecimalSeparatorAndNoGrouping)
{
    EXPECT_EQ(ShownText(1234567.5, kComma), "1234567,50");
    EXPECT_EQ(ShownText(-0.125, kComma), "-0,13");
}

TEST(ShownText, NonFiniteValuesHaveNoText)
{
    EXPECT_EQ(ShownText(std::numeric_limits<double>::infinity(), kPoint), "");
    EXPECT_EQ(ShownText(-std::numeric_limits<double>::infinity(), kPoint), "");
    EXPECT_EQ(ShownText(std::numeric_limits<double>::quiet_NaN(), kPoint), "");
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

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadShownValueTest,
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
