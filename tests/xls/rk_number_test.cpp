#include "xls/rk_number.h"

#include <gtest/gtest.h>
#include <optional>

namespace kontaro::xls {
namespace {

struct RkCase {
    double value;
    std::optional<std::uint32_t> rk;
};

class RkNumberTest : public ::testing::TestWithParam<RkCase> {};

TEST_P(RkNumberTest, EncodesAndReadsBack)
{
    const RkCase& c = GetParam();
    const auto rk = EncodeRk(c.value);
    ASSERT_EQ(rk.has_value(), c.rk.has_value());
    if (rk) {
        EXPECT_EQ(*rk, *c.rk);
        EXPECT_EQ(DecodeRk(*rk), c.value);
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, RkNumberTest,
                         ::testing::Values(RkCase{1.0, 0x3FF00000u}, // high half of the double
                                           RkCase{12.5, 0x40290000u},
                                           RkCase{12.34, 0x40934801u},        // 1234 as a double, divided by 100
                                           RkCase{0.1, 0x40240001u},          // 10 as a double, divided by 100
                                           RkCase{100000001.0, 0x17D78406u},  // 30-bit integer
                                           RkCase{-536870911.0, 0x80000006u}, // negative integer form
                                           RkCase{1.0 / 3.0, std::nullopt}, RkCase{1e300, std::nullopt},
                                           RkCase{1234567.89, std::nullopt}));

TEST(RkNumber, IntegerFormWithTheDivisorFlag)
{
    // 5,000,000.01 has no exact double half, but 500,000,001 fits the 30-bit integer form.
    const auto rk = EncodeRk(5000000.01);
    ASSERT_TRUE(rk);
    EXPECT_EQ(*rk & 3u, 3u);
    EXPECT_DOUBLE_EQ(DecodeRk(*rk), 5000000.01);
}

} // namespace
} // namespace kontaro::xls
