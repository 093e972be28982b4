#include "model/xml_stream.h"
#include "support/process_locale.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

namespace kontaro::model {
namespace {

std::string Written(void (*write)(txmlStream&))
{
    StringSink sink;
    txmlStream stream(&sink);
    write(stream);
    EXPECT_TRUE(stream.Finish());
    return sink.Bytes();
}

TEST(XmlStreamWrite, LinesAreIndentedWithTabsAndEndInCrLf)
{
    EXPECT_EQ(Written([](txmlStream& s) { s.WriteInt("id", 42, 3); }), "\t\t\t<id>42</id>\r\n");
    EXPECT_EQ(Written([](txmlStream& s) { s.WriteStart("products", 1); }), "\t<products>\r\n");
    EXPECT_EQ(Written([](txmlStream& s) { s.WriteEnd("products", 1); }), "\t</products>\r\n");
    EXPECT_EQ(Written([](txmlStream& s) { s.WriteBool("vervar", true, 0); }), "<vervar>t</vervar>\r\n");
    EXPECT_EQ(Written([](txmlStream& s) { s.WriteBool("vervar", false, 0); }), "<vervar>f</vervar>\r\n");
    EXPECT_EQ(Written([](txmlStream& s) { s.WriteInt("d", -38353, 0); }), "<d>-38353</d>\r\n");
    EXPECT_EQ(Written([](txmlStream& s) { s.WriteText("v", " a<b>&c ", 2); }), "\t\t<v> a<b>&c </v>\r\n");
    EXPECT_EQ(Written([](txmlStream& s) { s.WriteDeclaration(); }),
              "<?xml version=\"1.0\" encoding=\"windows-1252\" ?>\r\n");
    EXPECT_EQ(txmlStream::StartTag("i", 2), "\t\t<i>");
    EXPECT_EQ(txmlStream::EndTag("i", 0), "</i>");
}

TEST(XmlStreamWrite, RealsHaveFifteenSignificantDigits)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {19.0, "19"},
        {0.1, "0.1"},
        {1.005, "1.005"},
        {0.00005, "5E-5"},
        {0.0001, "0.0001"},
        {0.00012345, "0.00012345"},
        {2.5, "2.5"},
        {-1234.56, "-1234.56"},
        {0.0, "0"},
        {-0.0, "0"},
        {1.5e-7, "1.5E-7"},
        {1e15, "1E15"},
        {999999999999999.0, "999999999999999"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {123456789012345678.0, "1.23456789012346E17"},
        {0.07, "0.07"},
        {1.19, "1.19"},
        {1e100, "1E100"},
        {-2.5e-300, "-2.5E-300"},
        {9999999999999999.0, "1E16"},
        {0.000099999999999999999, "0.0001"},
        {0.1 + 0.2, "0.3"},
        {999999999999999.9, "1E15"},
        {-0.00009999999999999995, "-0.0001"},
        {123.456789012345678, "123.456789012346"},
        {5e-324, "4.94065645841247E-324"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatReal(c.value), c.text) << c.value;
}

TEST(XmlStreamWrite, RealsIgnoreTheProcessLocale)
{
    if (!test::SetProcessLocale("de_DE.UTF-8"))
        GTEST_SKIP() << "no German locale on this machine, and none could be built";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_EQ(FormatReal(2.5), "2.5");
    double value = 0;
    EXPECT_TRUE(ParseReal("2.5", value));
    EXPECT_FALSE(ParseReal("2,5", value));
    std::setlocale(LC_ALL, "C");
}

TEST(XmlStreamWrite, AFailingSinkIsReported)
{
    struct Refusing : OutputSink {
        bool Write(std::string_view) override { return false; }
    } sink;
    txmlStream stream(&sink);
    stream.WriteStart("kontaro", 0);
    EXPECT_FALSE(stream.Finish());
    EXPECT_FALSE(stream.Ok());
}

TEST(XmlStreamRead, FindElementTrimsAndWalks)
{
    const std::string text = "<v>  Wort  </v><v>\r\n\tzwei\x01</v>";
    std::string content;
    size_t next = 99;
    ASSERT_TRUE(txmlStream::FindElement(text, "v", 0, content, next));
    EXPECT_EQ(content, "Wort");
    EXPECT_EQ(next, 15u);
    ASSERT_TRUE(txmlStream::FindElement(text, "v", next, content, next));
    EXPECT_EQ(content, "zwei");
    EXPECT_EQ(next, text.size());
    EXPECT_FALSE(txmlStream::FindElement(text, "v", next, content, next));
    EXPECT_EQ(content, "");
    EXPECT_EQ(next, text.size());
    // Bytes above 127 are not blanks.
    ASSERT_TRUE(txmlStream::FindElement("<v>\xE4</v>", "v", 0, content, next));
    EXPECT_EQ(content, "\xE4");
}

TEST(XmlStreamRead, FindElementMatchesWholeTagsOnly)
{
    std::string content;
    size_t next = 0;
    EXPECT_FALSE(txmlStream::FindElement("<id>1</id>", "i", 0, content, next));
    EXPECT_FALSE(txmlStream::FindElement("<vervar>t</vervar>", "ver", 0, content, next));
    EXPECT_FALSE(txmlStream::FindElement("<v>open", "v", 0, content, next));
    EXPECT_EQ(next, 0u);
    EXPECT_FALSE(txmlStream::FindElement("</v><v>", "v", 0, content, next));
    EXPECT_FALSE(txmlStream::FindElement("<v>x</v>", "v", 100, content, next));
    // A value holding its own closing tag is cut there.
    ASSERT_TRUE(txmlStream::FindElement("<v>a</v>b</v>", "v", 0, content, next));
    EXPECT_EQ(content, "a");
    // No nesting: the first end tag closes the element.
    ASSERT_TRUE(txmlStream::FindElement("<i><i>x</i></i>", "i", 0, content, next));
    EXPECT_EQ(content, "<i>x");
}

TEST(XmlStreamRead, Integers)
{
    const struct {
        const char* content;
        bool ok;
        int32_t value;
    } cases[] = {
        {" 17 ", true, 17},
        {"17a", false, 0},
        {"-5", true, -5},
        {"+5", true, 5},
        {"$1F", true, 31},
        {"0x1f", true, 31},
        {"0X10", true, 16},
        {"-$10", true, -16},
        {"$FFFFFFFF", true, -1},
        {"$100000000", false, 0},
        {"2147483647", true, INT32_MAX},
        {"-2147483648", true, INT32_MIN},
        {"2147483648", false, 0},
        {"", false, 0},
        {"-", false, 0},
        {"$", false, 0},
        {"1 2", false, 0},
        {"1.0", false, 0},
        {"99999999999999999999", false, 0},
    };
    for (const auto& c : cases) {
        int32_t value = 123;
        size_t next = 0;
        const std::string text = std::string("<id>") + c.content + "</id>";
        EXPECT_EQ(txmlStream::ReadInt(text, "id", 0, value, next), c.ok) << c.content;
        EXPECT_EQ(value, c.value) << c.content;
        EXPECT_EQ(next, text.size());
    }
}

TEST(XmlStreamRead, Reals)
{
    const struct {
        const char* content;
        bool ok;
        double value;
    } cases[] = {
        {"2.5", true, 2.5},    {"2,5", false, 7.0},    {"-0.45", true, -0.45}, {"+3", true, 3.0},
        {"1E-5", true, 1e-5},  {"1.5e7", true, 1.5e7}, {".5", true, 0.5},      {"5.", true, 5.0},
        {"1e", false, 7.0},    {"e5", false, 7.0},     {".", false, 7.0},      {"", false, 7.0},
        {"inf", false, 7.0},   {"nan", false, 7.0},    {"0x10", false, 7.0},   {"1e999", false, 7.0},
        {"1e-999", true, 0.0}, {"1.2.3", false, 7.0},  {"24", true, 24.0},
    };
    for (const auto& c : cases) {
        double value = 7.0;
        size_t next = 0;
        const std::string text = std::string("<v>") + c.content + "</v>";
        EXPECT_EQ(txmlStream::ReadFloat(text, "v", 0, value, next), c.ok) << c.content;
        EXPECT_EQ(value, c.value) << c.content;
    }
}

TEST(XmlStreamRead, Booleans)
{
    for (const char* yes : {"t", "T", "true", "TRUE", "True", "1", "-1", "2.5"}) {
        bool value = false;
        size_t next = 0;
        EXPECT_TRUE(txmlStream::ReadBool(std::string("<b>") + yes + "</b>", "b", 0, value, next)) << yes;
        EXPECT_TRUE(value) << yes;
    }
    for (const char* no : {"f", "F", "false", "FALSE", "0", "0.0"}) {
        bool value = true;
        size_t next = 0;
        EXPECT_TRUE(txmlStream::ReadBool(std::string("<b>") + no + "</b>", "b", 0, value, next)) << no;
        EXPECT_FALSE(value) << no;
    }
    for (const char* bad : {"ja", "yes", "", "tr", "0,0"}) {
        bool value = true;
        size_t next = 0;
        EXPECT_FALSE(txmlStream::ReadBool(std::string("<b>") + bad + "</b>", "b", 0, value, next)) << bad;
        EXPECT_TRUE(value) << bad;
    }
}

TEST(XmlStream, WrittenRealsReadBackWithinFifteenDigits)
{
    for (double value : {0.45, 1.8, 56.5, 1.0 / 3.0, 12345.678901234, -7e-9, 3.14159265358979e20}) {
        double back = 0;
        ASSERT_TRUE(ParseReal(FormatReal(value), back)) << value;
        EXPECT_NEAR(back, value, std::fabs(value) * 1e-14) << value;
    }
}

TEST(XmlStream, WrittenRealsCarryTheValueRoundedToFifteenDigits)
{
    // Random bit patterns against the C library's rounding to 15 digits.
    uint64_t bits = 0x9E3779B97F4A7C15ull;
    for (int n = 0; n < 20000; ++n) {
        bits ^= bits << 13, bits ^= bits >> 7, bits ^= bits << 17;
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value))
            continue;
        char reference[64];
        std::snprintf(reference, sizeof reference, "%.14e", value);
        double back = 0;
        ASSERT_TRUE(ParseReal(FormatReal(value), back)) << FormatReal(value);
        EXPECT_EQ(back, std::strtod(reference, nullptr)) << reference << " written as " << FormatReal(value);
    }
}

} // namespace
} // namespace kontaro::model
