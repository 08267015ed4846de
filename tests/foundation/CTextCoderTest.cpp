#include "ParserTestSupport.h"

#include <gtest/gtest.h>

#include <string>

using parser_test::codeText;
using parser_test::decodeText;
using parser_test::dumpElements;
using parser_test::parseText;

namespace {

std::unique_ptr<CTextCoder> coderOver(const std::string& text)
{
    return std::make_unique<CTextCoder>(nullptr, new CTextFileReader(nullptr, text.data(), static_cast<int>(text.size())), true);
}

TEST(CTextCoder, OffsetsCycleThroughPlusAndMinus)
{
    auto coder = coderOver("");
    const int expected[] = {1, -1, 2, -2, 3, -3, 4, -4};
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(coder->getOffset(k), expected[k]) << k;
    EXPECT_EQ(coder->getOffset(2147483646), 1073741824);
    EXPECT_EQ(coder->getOffset(2147483645), -1073741823);
}

TEST(CTextCoder, PlainTextKeepsItsFirstLine)
{
    const std::string text = "first\nsecond";
    auto coder = coderOver(text);
    EXPECT_FALSE(coder->isCoded());
    EXPECT_EQ(coder->LastError(), 0);
    EXPECT_EQ(coder->getLine(), "first\n");
    EXPECT_FALSE(coder->_eof());
    EXPECT_EQ(coder->getLine(), "second\n");
    EXPECT_TRUE(coder->_eof());
}

TEST(CTextCoder, GoldenCodedBytes)
{
    struct Case {
        const char* plain;
        int cycle;
        const char* coded;
    };
    const Case cases[] = {
        {"MN\nK\n", 6, "{<C:6>}\nNM<E>M<E>\n"},
        {"AB\nC D\n\tE \n", 3, "{<C:3>}\nBA<E>E!C<E>G<E>\n"},
        {"a\nb\nc\nd\ne\n", 2, "{<C:2>}\nb<E>a<E>\nd<E>c<E>\nf<E>\n"},
        {"  \t x y\t  \n", 6, "{<C:6>}\n!w\"w<E>\n"},
        {"", 6, "{<C:6>}\n"},
        {"{<C:6>}\nNM<E>\n", 6, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(codeText(c.plain, c.cycle), c.coded) << c.plain;
}

TEST(CTextCoder, DecodingGivesThePlainLinesAndOneEmptyLine)
{
    EXPECT_EQ(decodeText("{<C:6>}\nNM<E>M<E>\n"), "MN\nK\n\n");
    EXPECT_EQ(decodeText("{<D:2>}\nb<E>a<E>\nd<E>c<E>\nf<E>\n"), "a\nb\nc\nd\ne\n\n");
    // The offset index runs on across lines.
    EXPECT_EQ(decodeText("{<C:3>}\nBA<E>E!C<E>G<E>\n"), "AB\nC D\nE\n\n");
    auto coder = coderOver("{<C:6>}\nNM<E>\n");
    EXPECT_TRUE(coder->isCoded());
    EXPECT_EQ(coder->getCycle(), 6);
    EXPECT_EQ(coder->codeLine(), "\n");
}

TEST(CTextCoder, BadCycleLengthsRefuseTheText)
{
    for (const char* header : {"{<C:0>}", "{<C:-3>}", "{<C:x>}", "{<D:>}", "{<C:", "{<D:-2147483648>}"}) {
        const std::string text = std::string(header) + "\nNM<E>\n";
        auto coder = coderOver(text);
        EXPECT_EQ(coder->LastError(), CTextCoder::ErrorBadCycle) << header;
        EXPECT_TRUE(coder->_eof()) << header;
        EXPECT_EQ(parseText(text), nullptr) << header;
    }
}

TEST(CTextCoder, BrokenCodedTextsEnd)
{
    struct Case {
        const char* text;
        const char* plain;
    };
    const Case cases[] = {
        {"{<C:6>}\nno end marker here\n", "no end marker here\n"},
        {"{<C:2>}\nb<E>tail without end", "a\n\n"},
        {"{<C:6>}\n", "\n"},
        {"{<C:6>}", "\n"},
        {"{<C:1>}\n<E><E><E>\n", "\n\n"},
        {"{<C:2147483647>}\nb<E>a<E>\n", "a\nb\n\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(decodeText(c.text), c.plain) << c.text;
}

TEST(CTextCoder, CodedSceneScriptParsesToTheSameTree)
{
    for (int cycle : {1, 2, 3, 6, 17, 50}) {
        const std::string coded = codeText(parser_test::kSceneScript, cycle);
        auto elements = parseText(coded);
        ASSERT_NE(elements, nullptr) << cycle;
        EXPECT_EQ(dumpElements(elements.get()), parser_test::kSceneTree) << cycle;

        std::string decodeHeaded = coded;
        decodeHeaded[2] = 'D';
        EXPECT_EQ(dumpElements(parseText(decodeHeaded).get()), parser_test::kSceneTree) << cycle;
    }
}

// A text whose coded form would not read back (a zero byte, a line feed or an end marker
// inside a coded line) is refused rather than coded into a broken copy.
TEST(CTextCoder, CodingRefusesTextsTheCodedFormCannotCarry)
{
    struct Case {
        std::string plain;
        int cycle;
        bool refused;
    };
    const Case cases[] = {
        {"A>BAR\nplain\n", 6, false},
        {";F<\n", 6, true},     // "<E>" inside the coded line
        {"xyz>BA\n", 6, true},  // the same at another cycle position
        {"a\x0B\n", 6, true},   // a line feed
        {"\xFF\n", 6, true},    // a zero byte
        {"ok\n", 0, true},
        {parser_test::kSceneScript, 6, false},
        {parser_test::kSceneScript, 1000, true},
    };
    for (const Case& c : cases) {
        const std::string coded = codeText(c.plain, c.cycle);
        EXPECT_EQ(coded.empty(), c.refused) << c.plain;
        if (!c.refused) {
            EXPECT_EQ(decodeText(coded).substr(0, 5), c.plain.substr(0, 5)) << c.plain;
        }
    }
}

} // namespace
