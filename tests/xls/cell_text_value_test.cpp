#include "xls/cell_text_value.h"

#include <gtest/gtest.h>

namespace kontaro::xls {
namespace {

constexpr numbers::NumberLocale kGerman{',', '.'};
constexpr numbers::NumberLocale kEnglish{'.', ','};

TEST(CellTextValue, ThousandSeparatorsOnlyWhereTheyBelong)
{
    const struct {
        const char* text;
        const char* result;
    } cases[] = {
        {"1.234.567,50", "1234567,50"},
        {"1.23", "1.23"},
        {"12.3456", "12.3456"},
        {".123", ".123"},
        {"1,5.0", "1,5.0"},
        {"-1.234", "-1234"},
        {"1234", "1234"},
        {"12.345,6.7", "12.345,6.7"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RemoveThousandSeparators(c.text, kGerman), c.result) << c.text;
}

TEST(CellTextValue, NumbersInTheLocale)
{
    const struct {
        const char* text;
        numbers::NumberLocale locale;
        std::optional<double> value;
    } cases[] = {
        {"12,00", kGerman, 12.0},
        {"1.234,50", kGerman, 1234.5},
        {"-0,5", kGerman, -0.5},
        {" +3 ", kGerman, 3.0},
        {"1,5e3", kGerman, 1500.0},
        {"2E-2", kGerman, 0.02},
        {"12.50", kEnglish, 12.5},
        {"1,234.50", kEnglish, 1234.5},
        {"12,50 %", kGerman, std::nullopt},
        {"12,5,0", kGerman, std::nullopt},
        {",", kGerman, std::nullopt},
        {"-", kGerman, std::nullopt},
        {"", kGerman, std::nullopt},
        {"1e", kGerman, std::nullopt},
        {"12.50", kGerman, std::nullopt},
        {"1e999", kGerman, std::nullopt},
        {"0x10", kGerman, std::nullopt},
        {"1.23", kGerman, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseNumberText(c.text, c.locale), c.value) << c.text;
}

TEST(CellTextValue, Booleans)
{
    EXPECT_EQ(ParseBooleanText("TRUE"), true);
    EXPECT_EQ(ParseBooleanText("true"), true);
    EXPECT_EQ(ParseBooleanText("False"), false);
    EXPECT_EQ(ParseBooleanText("t"), std::nullopt);
    EXPECT_EQ(ParseBooleanText("TRUE "), std::nullopt);
}

TEST(CellTextValue, DatesAndTimesInTheProgramsFormats)
{
    const struct {
        const char* text;
        std::optional<double> serial;
        const char* format;
    } cases[] = {
        {"05-03-31", 38442.0, "yy-mm-dd"},
        {"99-12-31", 36525.0, "yy-mm-dd"},
        {"00-01-01", 36526.0, "yy-mm-dd"},
        {"12:30", 0.5208333333333334, "hh:mm"},
        {"05-03-31 06:00", 38442.25, "yy-mm-dd hh:mm"},
        {"05-02-29", std::nullopt, ""},
        {"05-13-01", std::nullopt, ""},
        {"24:00", std::nullopt, ""},
        {"05-03", std::nullopt, ""},
        {"Apfel", std::nullopt, ""},
    };
    for (const auto& c : cases) {
        const auto value = ParseDateTimeText(c.text, "", "", DateConventions{});
        ASSERT_EQ(value.has_value(), c.serial.has_value()) << c.text;
        if (value) {
            EXPECT_DOUBLE_EQ(value->serial, *c.serial) << c.text;
            EXPECT_EQ(value->numberFormat, c.format) << c.text;
        }
    }
}

TEST(CellTextValue, OtherDateFormatsAndAmPm)
{
    const auto german = ParseDateTimeText("31.03.2005", "dd.mm.yyyy", "", DateConventions{});
    ASSERT_TRUE(german);
    EXPECT_DOUBLE_EQ(german->serial, 38442.0);
    const auto evening = ParseDateTimeText("7:15 PM", "", "h:mm AMPM", DateConventions{});
    ASSERT_TRUE(evening);
    EXPECT_DOUBLE_EQ(evening->serial, (19 * 60 + 15) / 1440.0);
    EXPECT_EQ(evening->numberFormat, "h:mm AM/PM");
}

TEST(CellTextValue, Markup)
{
    EXPECT_EQ(BreakTagsToLineBreaks("a<br>b<BR>c"), "a\r\nb\r\nc");
    EXPECT_EQ(StripMarkup("<b>fett</b><hr>x"), "fett\r\nx");
    EXPECT_EQ(StripMarkup("a < b</i>"), "a ");
    EXPECT_EQ(StripMarkup("x</i> 3 < 4"), "x 3 < 4");
}

} // namespace
} // namespace kontaro::xls
