#include "platform/Cp1250.h"

#include <gtest/gtest.h>

using platform::Cp1250;

namespace {

// "Zażółć gęślą jaźń" and its upper-case form, as code page 1250 bytes.
const std::string kPolishLower = "Za\xBF\xF3\xB3\xE6 g\xEA\x9Cl\xB9 ja\x9F\xF1";
const std::string kPolishUpper = "ZA\xAF\xD3\xA3\xC6 G\xCA\x8CL\xA5 JA\x8F\xD1";

TEST(Cp1250, PolishTextConvertsToUtf8AndBack)
{
    EXPECT_EQ(Cp1250::toUtf8(kPolishLower), "Zażółć gęślą jaźń");
    std::string back;
    EXPECT_TRUE(Cp1250::fromUtf8("ZAŻÓŁĆ GĘŚLĄ JAŹŃ", back));
    EXPECT_EQ(back, kPolishUpper);
    EXPECT_EQ(Cp1250::toUtf8("\x80\x84\x96"), "€„–");
}

TEST(Cp1250, EveryByteSurvivesARoundTrip)
{
    std::string all;
    for (int c = 0; c < 256; ++c)
        all += static_cast<char>(c);
    std::string back;
    EXPECT_TRUE(Cp1250::fromUtf8(Cp1250::toUtf8(all), back));
    EXPECT_EQ(back, all);
}

TEST(Cp1250, UnmappableOrMalformedUtf8BecomesQuestionMarks)
{
    struct Case {
        std::string utf8;
        std::string expected;
    };
    const Case cases[] = {
        {"a\xE6\x97\xA5z", "a?z"},         // a CJK character the code page lacks
        {"a\xF0\x9F\x98\x80z", "a?z"},     // an emoji
        {"a\xC3z", "a?z"},                 // truncated sequence
        {"a\xC0\x81z", "a?z"},             // overlong form
        {"a\xED\xA0\x80z", "a?z"},         // UTF-16 surrogate
        {"\xFF", "?"},
    };
    for (const auto& [utf8, expected] : cases) {
        std::string out;
        EXPECT_FALSE(Cp1250::fromUtf8(utf8, out)) << expected;
        EXPECT_EQ(out, expected);
    }
}

TEST(Cp1250, CaseFoldingKnowsTheCodePageLetters)
{
    EXPECT_EQ(Cp1250::toLower(kPolishUpper), Cp1250::toLower(kPolishLower));
    EXPECT_TRUE(Cp1250::equalsIgnoreCase(kPolishUpper, kPolishLower));
    EXPECT_EQ(Cp1250::toUpper(0xB9), 0xA5); // ą -> Ą
    EXPECT_EQ(Cp1250::toLower(0x8A), 0x9A); // Š -> š
    EXPECT_EQ(Cp1250::toLower(0xBC), 0xBE); // Ľ -> ľ
    // Signs that sit among the letters have no case.
    EXPECT_EQ(Cp1250::toLower(0xD7), 0xD7); // ×
    EXPECT_EQ(Cp1250::toUpper(0xF7), 0xF7); // ÷
    EXPECT_EQ(Cp1250::toUpper(0xDF), 0xDF); // ß
    EXPECT_FALSE(Cp1250::equalsIgnoreCase("ab", "abc"));
    EXPECT_LT(Cp1250::compareIgnoreCase("APPLE", "banana"), 0);
    EXPECT_GT(Cp1250::compareIgnoreCase("b", "A"), 0);
}

} // namespace
