#include "numbers/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>

namespace kontaro::numbers {
namespace {

constexpr char kGerman = ',';
constexpr char kEnglish = '.';

TEST(FixedText, RoundsHalvesAwayFromZeroOnEighteenDigits)
{
    struct Case {
        double value;
        int decimals;
        const char* expected;
    };
    const Case cases[] = {
        {0.125, 2, "0.13"},   {-0.125, 2, "-0.13"}, {2.675, 2, "2.67"},  {10, 2, "10.00"},
        {19, 1, "19.0"},      {0, 2, "0.00"},       {-0.001, 2, "0.00"}, {9.995, 2, "9.99"},
        {99.995000001, 2, "100.00"}, {0.5, 0, "1"}, {1234567.891, 2, "1234567.89"},
        {1e-20, 2, "0.00"},   {40.4599, 2, "40.46"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FixedText(c.value, c.decimals, kEnglish), c.expected) << c.value;
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
        {"12,5", 12.5}, {" -3 ", -3.0}, {"+7", 7.0}, {"1e3", 1000.0}, {"2,5E-1", 0.25},
        {",5", 0.5},    {"5,", 5.0},    {"12.5", std::nullopt},       {"1,2,3", std::nullopt},
        {"", std::nullopt}, {"-", std::nullopt}, {"abc", std::nullopt}, {"1e", std::nullopt},
        {"1.000,00", std::nullopt}, {"1e999", std::nullopt},
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
        {"42", 42}, {" -7 ", -7}, {"+3", 3}, {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1}, {"2147483648", std::nullopt}, {"99999999999999999999", std::nullopt},
        {"", std::nullopt}, {"-", std::nullopt}, {"1.5", std::nullopt}, {"12a", std::nullopt},
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
        double value = std::ldexp(static_cast<double>(next()), -53) *
                       std::pow(10.0, static_cast<double>(next() % 26) - 6);
        if (i % 4 == 0) {
            value = halves[next() % std::size(halves)];
            for (int step = static_cast<int>(next() % 5); step > 0; --step)
                value = std::nextafter(value, next() % 2 ? 0.0 : 1e300);
        }
        if (next() % 2)
            value = -value;
        ASSERT_EQ(FixedText(value, decimals, '.'),
                  detail::FixedTextFromExactDigits(value, decimals, '.'))
            << std::hexfloat << value << " with " << decimals << " decimals";
    }
}


} // namespace
} // namespace kontaro::numbers
