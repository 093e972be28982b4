#include "model/win1252.h"

#include <gtest/gtest.h>

namespace kontaro::model {
namespace {

TEST(Win1252, EveryByteConvertsToUtf8AndBack)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const auto back = Utf8ToWin1252(Win1252ToUtf8(all));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
}

TEST(Win1252, KnownCharacters)
{
    EXPECT_EQ(Win1252ToUtf8("Getr\xE4nke"), "Getränke");
    EXPECT_EQ(Win1252ToUtf8("\x80 \x9F \xDF"), "€ Ÿ ß");
    EXPECT_EQ(Utf8ToWin1252("Käsekuchen 2,50 €"), std::string("K\xE4sekuchen 2,50 \x80"));
}

TEST(Win1252, CharactersWithoutAByteAndBrokenUtf8AreRefused)
{
    for (const char* text : {"\xE2\x82\xBD" /* ruble sign */, "\xC2\x80" /* U+0080 */, "\xF0\x9F\x8D\xB0",
                             "\xC3" /* cut */, "\xC0\xA4" /* overlong */, "\xED\xA0\x80" /* surrogate */, "\xFF"})
        EXPECT_FALSE(Utf8ToWin1252(text).has_value()) << text;
    EXPECT_TRUE(HasWin1252Byte(U'€'));
    EXPECT_TRUE(HasWin1252Byte(0x8D));
    EXPECT_FALSE(HasWin1252Byte(0x80));
    EXPECT_FALSE(HasWin1252Byte(0x100));
}

TEST(Win1252, NamesTheCharactersWithoutAByte)
{
    EXPECT_EQ(CharactersWithoutWin1252Byte("Käse €"), "");
    EXPECT_EQ(CharactersWithoutWin1252Byte("Tee 🍵 ₽ und 🍵 ł"), "🍵₽ł");
    EXPECT_EQ(CharactersWithoutWin1252Byte("a\xFF"
                                           "b"),
              "\uFFFD");
}

} // namespace
} // namespace kontaro::model
