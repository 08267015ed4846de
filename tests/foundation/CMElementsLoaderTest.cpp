#include "ParserTestSupport.h"

#include "foundation/CXArray.h"

#include <gtest/gtest.h>

#include <string>

using parser_test::dumpElements;
using parser_test::parseText;
using parser_test::kSceneScript;
using parser_test::kSceneTree;

namespace {

TEST(CMElementsLoader, SceneScriptGivesTheExactElementTree)
{
    auto elements = parseText(kSceneScript);
    ASSERT_NE(elements, nullptr);
    EXPECT_TRUE(elements->ownsElements());
    EXPECT_EQ(dumpElements(elements.get()), kSceneTree);

    // Lookups reach the first element and the first property of a name.
    CMElement* background = elements->get("BACKGROUND");
    ASSERT_EQ(background, elements->getAt(0));
    EXPECT_EQ(background->getPropertyValue("TYPE"), "IMAGE");
    EXPECT_TRUE(background->getPropertyBoolValue("VISIBLE"));
    EXPECT_EQ(background->getPropertyPointValue("POSITION"), CXPoint(10, 20));
    EXPECT_EQ(background->getPropertyRectValue("RECT"), CXRect(10, 20, 110, 220));
    EXPECT_EQ(background->getPropertyIntValue("PRIORITY"), -5);
    CMElement* button = elements->get("BTN");
    EXPECT_EQ(button->getPropertyIntValue("PRIORITY"), 10);
    EXPECT_TRUE(elements->get("BTN ")->getPropertyBoolValue("VISIBLE"));
    EXPECT_EQ(elements->get("INFO")->getPropertyValue("TEXT"), "one  two");
    EXPECT_EQ(elements->get("INFO")->getPropertyIntValue("VALUE "), 5);
    CMElement* top = elements->get("TOP");
    EXPECT_EQ(top->getChildren()->getAt(0), elements->get("KID"));
    EXPECT_FALSE(elements->contains("SWALLOWED"));
    EXPECT_FALSE(elements->contains("AFTER"));
}

TEST(CMElementsLoader, SmallLineFormsOneByOne)
{
    struct Case {
        const char* script;
        const char* tree;
    };
    const Case cases[] = {
        {"OBJECT=A\nA:TYPE=INTEGER\nA:VALUE=5\n", "[A]\n  'TYPE' = 'INTEGER'\n  'VALUE' = '5'\n"},
        {"OBJECT=A\nA:VALUE = 5\nA :VALUE=5\n", "[A]\n  'VALUE ' = ' 5'\n"},
        {"OBJECT=A\nA:TEXT=one: two\n", "[A]\n  'TEXT' = 'one  two'\n"},
        {"OBJECT=A\nA:TEXT=a::==b\n\n", "[A]\n  'TEXT' = 'a b'\n"},
        {"OBJECT=A\nA:TEXT=  x  \n", "[A]\n  'TEXT' = '  x'\n"},
        {"OBJECT=A\nA:T=\tx\ty\t\n", "[A]\n  'T' = 'xy'\n"},
        {"OBJECT=A\nA:SHOW\nA:SHOW=\n", "[A]\n  'SHOW' = ''\n"},
        {"OBJECT=A\nA:TEXT=first part/\nsecond part\n", "[A]\n  'TEXT' = 'first partsecond part'\n"},
        {"OBJECT=A\nA:TEXT=last/", "[A]\n  'TEXT' = 'last'\n"},
        {"OBJECT=A\n#comment/\nA:LOST=1\nA:KEPT=2\n", "[A]\n  'KEPT' = '2'\n"},
        {"OBJECT=A\nOBJECT=A\nDEF:A(X=1)\n", "[A]\n[A]\n  'X' = '1'\n"},
        {"OBJECT=TOP\nOBJECT=KID\nKID:ADD=TOP\nTOP:APPLY=KID\n", "[TOP]\n  -> KID\n  -> KID\n[KID]\n"},
        {"OBJECT=KID\nKID:ADD=TOP\nOBJECT=TOP\nTOP:APPLY=NONE\n", "[KID]\n[TOP]\n"},
        {"IMPORT=S\n", "[S]\n  'TYPE' = 'SEQUENCE'\n"},
        {"DEF:BTN(TYPE=BUTTON | PRIORITY = 10|)\n", "[BTN]\n  'TYPE' = 'BUTTON'\n  'PRIORITY' = '10'\n"},
        {"DEF:X(A=1=2|B=(c)|)tail\n", "[X]\n  'A' = '1=2'\n  'B' = '(c)'\n"},
        {"DEF:(A=1)\n", "[]\n  'A' = '1'\n"},
        {"DEF:NONE\nDEF:HALF(A=1\nDEF:BACK)(\n", ""},
        {"OBJECT=A\n!\nA:LOST=1\n", "[A]\n"},
        {"OBJECT=A\n  !  \nA:LOST=1\n", "[A]\n"},
        {"object=A\nOBJECT=a\nA:X=1\n", "[a]\n"},
        {"OBJECT=A\nA:TEXT=last", "[A]\n  'TEXT' = 'last'\n"},
        {"OBJECT=A\r\nA:T=x\r\n", "[A\r]\n"},
        {"OBJECT=A\n\t \tA:T=x y  \n\tA:U=1", "[A]\n  'T' = 'x y'\n  'U' = '1'\n"},
        {"OBJECT=A\nA:T=x:  \nA:U=: \n", "[A]\n  'T' = 'x'\n  'U' = ''\n"},
        {"OBJECT=A\n\t!\nA:LOST=1\n", "[A]\n"},
        {"", ""},
    };
    for (const Case& c : cases) {
        auto elements = parseText(c.script);
        ASSERT_NE(elements, nullptr) << c.script;
        EXPECT_EQ(dumpElements(elements.get()), c.tree) << c.script;
    }
}

TEST(CMElementsLoader, LogicalLinesJoinContinuationsAndDropSlashes)
{
    const std::string text = "  a/b \t/\nc/\n/\nd  \nlast\n";
    CTextCoder coder(nullptr, new CTextFileReader(nullptr, text.data(), static_cast<int>(text.size())), true);
    EXPECT_EQ(CMElementsLoader::getLine(&coder), "ab c\nd");
    EXPECT_EQ(CMElementsLoader::getLine(&coder), "last");
    EXPECT_TRUE(coder._eof());
    EXPECT_EQ(CMElementsLoader::getLine(nullptr), "");
}

TEST(CMElementsLoader, NullReaderAndNullCoder)
{
    EXPECT_EQ(CMElementsLoader::load(nullptr, static_cast<CTextFileReader*>(nullptr)), nullptr);
    auto empty = std::unique_ptr<CMElements>(CMElementsLoader::load(static_cast<CTextCoder*>(nullptr)));
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->getSize(), 0);
    EXPECT_TRUE(CMElementsLoader::save("anything.def", empty.get()));
}

// Many objects, each looked up by several later lines: the first element of a name answers,
// also after a DEF has added a second element of that name.
TEST(CMElementsLoader, LargeSceneKeepsFirstMatchLookups)
{
    std::string script;
    const int count = 3000;
    for (int i = 0; i < count; ++i) {
        const std::string number = std::to_string(i);
        script += "OBJECT=O" + number + "\nDEF:O" + number + "(TYPE=SHADOW)\n";
    }
    for (int i = 0; i < count; ++i) {
        const std::string number = std::to_string(i);
        script += "O" + number + ":TYPE=T" + number + "\nO" + number + ":ADD=O0\n";
    }
    auto elements = parseText(script);
    ASSERT_EQ(elements->getSize(), 2 * count);
    for (int i = 0; i < count; i += 499) {
        const std::string number = std::to_string(i);
        CMElement* element = elements->get(("O" + number).c_str());
        ASSERT_EQ(element, elements->getAt(2 * i));
        EXPECT_EQ(element->getPropertyValue("TYPE"), ("T" + number).c_str());
        EXPECT_EQ(elements->getAt(2 * i + 1)->getProperties()->getSize(), 1);
    }
    EXPECT_EQ(elements->getAt(0)->getChildren()->getSize(), count);
}

TEST(CMElementsLoader, HostileTextsEndWithoutHarm)
{
    const std::string longValue(1 << 20, 'v');
    std::string manyContinuations = "OBJECT=A\nA:T=";
    for (int i = 0; i < 20000; ++i)
        manyContinuations += "x/\n";
    manyContinuations += "end\n";
    const std::string texts[] = {
        "OBJECT=A\nA:T=" + longValue + "\n",
        manyContinuations,
        std::string("OBJECT=A\0\nA\0:T=1\n", 17),
        "DEF:((((((\nDEF:)))\nDEF:\nDEF\n(DEF:)\n",
        "OBJECT=(\n(:ADD=(:DEF:X(A=1)\n",
        "/\n/\n/",
        std::string(100000, ':'),
        std::string(100000, '/'),
        std::string(100000, '\n'),
    };
    for (const std::string& text : texts) {
        auto elements = parseText(text);
        ASSERT_NE(elements, nullptr);
    }
    EXPECT_EQ(parseText(texts[0])->get("A")->getPropertyValue("T").getLength(), 1 << 20);
    EXPECT_EQ(parseText(texts[1])->get("A")->getPropertyValue("T").getLength(), 20003);
    EXPECT_EQ(dumpElements(parseText(texts[2]).get()), "[A]\n  'T' = '1'\n");
}

} // namespace
