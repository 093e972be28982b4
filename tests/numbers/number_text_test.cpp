#include "numbers/number_text.h"

#include <cmath>
#include <gtest/gtest.h>
#include <iterator>
#include <limits>

namespace kontaro::numbers {
namespace {

constexpr char kGerman = ',';
constexpr char kEnglish = '.';

// The rounding rule, on both paths of FixedText.
struct FixedCase {
    double value;
    int decimals;
    const char* text;
};

class FixedTextTest : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FixedTextTest, RoundsEighteenDigitsThenHalvesAwayFromZero)
{
    const FixedCase& c = GetParam();
    EXPECT_EQ(FixedText(c.value, c.decimals, kEnglish), c.text) << "value " << c.value;
    EXPECT_EQ(detail::FixedTextFromExactDigits(c.value, c.decimals, kEnglish), c.text) << "value " << c.value;
    EXPECT_EQ(FixedValue(c.value, c.decimals), ParseNumber(c.text, kEnglish).value()) << "value " << c.value;
}

INSTANTIATE_TEST_SUITE_P(Rounding, FixedTextTest,
                         ::testing::Values(
                             // plain values
                             FixedCase{10, 2, "10.00"}, FixedCase{1234567.891, 2, "1234567.89"},
                             FixedCase{40.4599, 2, "40.46"},
                             // exact halves round away from zero
                             FixedCase{0.125, 2, "0.13"}, FixedCase{-0.125, 2, "-0.13"},
                             FixedCase{123456789.125, 2, "123456789.13"}, FixedCase{-123456789.125, 2, "-123456789.13"},
                             // doubles just below a half stay below it
                             FixedCase{2.675, 2, "2.67"}, FixedCase{-2.675, 2, "-2.67"}, FixedCase{1.005, 2, "1.00"},
                             FixedCase{1.045, 2, "1.04"}, FixedCase{0.285, 2, "0.28"}, FixedCase{0.015, 2, "0.01"},
                             FixedCase{9.995, 2, "9.99"},
                             // doubles just above a half round up
                             FixedCase{0.005, 2, "0.01"}, FixedCase{8.345, 2, "8.35"}, FixedCase{999.995, 2, "1000.00"},
                             FixedCase{99.995000001, 2, "100.00"},
                             // below the half by less than the 18th digit: the first rounding makes the half
                             FixedCase{1000.005, 2, "1000.01"}, FixedCase{1000.255, 2, "1000.26"},
                             // zero and values that round to it carry no sign
                             FixedCase{0.0, 2, "0.00"}, FixedCase{-0.0, 2, "0.00"}, FixedCase{-0.004, 2, "0.00"},
                             FixedCase{-0.001, 2, "0.00"}, FixedCase{0.004999999999999999, 2, "0.00"},
                             FixedCase{1e-20, 2, "0.00"}, FixedCase{1e-300, 2, "0.00"},
                             // large values: the 18 digits reach the decimals, or end before them
                             FixedCase{1e15, 2, "1000000000000000.00"},
                             FixedCase{1e15 + 0.125, 2, "1000000000000000.13"},
                             FixedCase{1e20, 2, "100000000000000000000.00"},
                             FixedCase{123456789012345678901.0, 2, "123456789012345684000.00"},
                             // other numbers of decimals
                             FixedCase{19.0, 1, "19.0"}, FixedCase{7.25, 1, "7.3"}, FixedCase{2.5, 0, "3"},
                             FixedCase{0.5, 0, "1"}, FixedCase{-0.5, 0, "-1"}, FixedCase{0.4, 0, "0"},
                             FixedCase{9.9999995, 6, "9.999999"}, FixedCase{-9.999, 2, "-10.00"}));

TEST(FixedText, GreatestDoubleKeepsEighteenDigits)
{
    const std::string text = FixedText(std::numeric_limits<double>::max(), 2, kEnglish);
    ASSERT_EQ(text.size(), 309u + 3u);
    EXPECT_EQ(text.substr(0, 19), "1797693134862315710");
    EXPECT_EQ(text.find_first_not_of('0', 18), text.size() - 3);
}

TEST(FixedText, NonFiniteValuesHaveNoText)
{
    EXPECT_EQ(FixedText(std::numeric_limits<double>::infinity(), 2, kEnglish), "");
    EXPECT_EQ(FixedText(-std::numeric_limits<double>::infinity(), 2, kEnglish), "");
    EXPECT_EQ(FixedText(std::numeric_limits<double>::quiet_NaN(), 2, kEnglish), "");
}

TEST(FixedText, UsesTheLocaleDecimalSeparator)
{
    EXPECT_EQ(FixedText(8.4, 2, kGerman), "8,40");
    EXPECT_EQ(FixedText(-3.456, 1, kGerman), "-3,5");
}

TEST(ParseNumber, AcceptsOnlyCompleteNumbersWithTheLocaleSeparator)
{
    struct Case {
        const char* text;
        std::optional<double> expected;
    };
    const Case german[] = {
        {"12,5", 12.5},
        {" -3 ", -3.0},
        {"+7", 7.0},
        {"1e3", 1000.0},
        {"2,5E-1", 0.25},
        {",5", 0.5},
        {"5,", 5.0},
        {"12.5", std::nullopt},
        {"1,2,3", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"abc", std::nullopt},
        {"1e", std::nullopt},
        {"1.000,00", std::nullopt},
        {"1e999", std::nullopt},
    };
    for (const Case& c : german)
        EXPECT_EQ(ParseNumber(c.text, kGerman), c.expected) << c.text;
    EXPECT_EQ(ParseNumber("12.5", kEnglish), 12.5);
    EXPECT_EQ(ParseNumber("12,5", kEnglish), std::nullopt);
}

TEST(ParseInteger, AcceptsThirtyTwoBitIntegersOnly)
{
    struct Case {
        const char* text;
        std::optional<std::int32_t> expected;
    };
    const Case cases[] = {
        {"42", 42},
        {" -7 ", -7},
        {"+3", 3},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"1.5", std::nullopt},
        {"12a", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseInteger(c.text), c.expected) << c.text;
}

TEST(ReadCell, EmptyAndLoneMinusReadAsZero)
{
    EXPECT_EQ(ReadCellNumber("", kGerman), 0.0);
    EXPECT_EQ(ReadCellNumber(" - ", kGerman), 0.0);
    EXPECT_EQ(ReadCellInteger("-"), 0);
    EXPECT_EQ(ReadCellInteger(""), 0);
    EXPECT_EQ(ReadCellNumber("x", kGerman), std::nullopt);
    EXPECT_EQ(ReadCellInteger("--"), std::nullopt);
}

// FixedText takes an integer path for the usual magnitudes; it must give the
// texts of the general path built on the exact decimal expansion.
TEST(FixedText, FastPathMatchesTheExactDigits)
{
    uint64_t state = 0x2675;
    const auto next = [&state] {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return state >> 11;
    };
    const double halves[] = {0.005, 0.015, 0.125, 1.005, 2.675, 1000.005, 1e15 + 0.125};
    for (int i = 0; i < 20000; ++i) {
        const int decimals = static_cast<int>(next() % 7);
        // magnitudes from 1e-6 to 1e19, signs mixed, and neighbours of halves
        double value =
            std::ldexp(static_cast<double>(next()), -53) * std::pow(10.0, static_cast<double>(next() % 26) - 6);
        if (i % 4 == 0) {
            value = halves[next() % std::size(halves)];
            for (int step = static_cast<int>(next() % 5); step > 0; --step)
                value = std::nextafter(value, next() % 2 ? 0.0 : 1e300);
        }
        if (next() % 2)
            value = -value;
        const std::string text = FixedText(value, decimals, '.');
        ASSERT_EQ(text, detail::FixedTextFromExactDigits(value, decimals, '.'))
            << std::hexfloat << value << " with " << decimals << " decimals";
        // The value of the text, formed without the text, is the number the text reads as.
        ASSERT_EQ(FixedValue(value, decimals), ParseNumber(text, '.').value())
            << std::hexfloat << value << " with " << decimals << " decimals";
    }
}

} // namespace
} // namespace kontaro::numbers
