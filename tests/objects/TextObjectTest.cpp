// FONT and TEXT objects in a live scene: fonts made from their definition keys, texts laid out in
// their rectangles and drawn on the screen, both method tables, and their stored records.
#include "MediaScene.h"

#include "foundation/CMElement.h"
#include "graphics/CColor.h"
#include "graphics/CFontCollection.h"
#include "graphics/CMultilineText6.h"
#include "graphics/CRefreshScreen.h"
#include "objects/CMC_Font.h"
#include "objects/CMC_Text.h"

using namespace objectstest;

namespace {

// Standard letters 4 columns apart, bold 5; 8 rows high with ink in the top 4.
const std::string kFonts = declared("F", "FONT", {"DEF_BLOCK_STANDARD_10=PLAIN.FNT", "DEF_BLOCK_BOLD_10=BOLD.FNT", "def_BLOCK_ITALIC_10=PLAIN.FNT",
                                                  "COLOR=7"});

class TextObject : public MediaScene {
protected:
    void SetUp() override
    {
        MediaScene::SetUp();
        writeFont("PLAIN.FNT", graphicstest::blockFont(2, 8, 4));
        writeFont("BOLD.FNT", graphicstest::blockFont(3, 8, 4));
    }

    CMC_Font* font(const std::string& name) { return dynamic_cast<CMC_Font*>(object(name)); }
    CMC_Text* textObject(const std::string& name) { return dynamic_cast<CMC_Text*>(object(name)); }
    uint16_t shown(int x, int y) { return reinterpret_cast<uint16_t*>(display.primary()->pixels())[y * 800 + x]; }
    // Columns of a screen row from x0 on: '#' where the pixel is the colour, '.' elsewhere.
    std::string shownRow(int y, int x0, int width, uint16_t colour)
    {
        std::string row;
        for (int x = x0; x < x0 + width; ++x)
            row += shown(x, y) == colour ? '#' : '.';
        return row;
    }
};

TEST_F(TextObject, FontMakesOneFontPerDefinitionKeyInOrder)
{
    ASSERT_TRUE(startWith(kFonts + declared("NONE", "FONT", {})));
    CMC_Font* f = font("F");
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(f->getFontCount(), 2) << "a lower-case def_ key is no font";
    EXPECT_EQ(f->getFont()->getBaseFont(), f->getFontAt(0));
    EXPECT_EQ(apptest::text(f->getFontAt(1)->getFamily()), "BLOCK");
    EXPECT_EQ(apptest::text(f->getFontAt(1)->getStyle()), "BOLD");
    EXPECT_EQ(f->getFontAt(1)->getSize(), 10);
    EXPECT_EQ(f->getFontAt(1)->getLetterCount(), 29);
    EXPECT_EQ(run("F^GETHEIGHT()"), "8");
    EXPECT_EQ(run("NONE^GETHEIGHT()"), "0");
    EXPECT_EQ(font("NONE")->getFont()->getFontCount(), 0);

    run("F^SETCOLOR(255, 0, 0)");
    EXPECT_EQ(f->getFontAt(0)->getColor(), int16_t(0xF800));
    EXPECT_EQ(f->getFontAt(1)->getColor(), int16_t(0xF800));
    run("F^SETSTYLE(\"BOLD\")");
    run("F^SETFAMILY(\"OTHER\")");
    run("F^SETSIZE(12)");
    EXPECT_EQ(apptest::text(f->getFont()->getStyle()), "BOLD");
    EXPECT_EQ(apptest::text(f->getFont()->getFamily()), "OTHER");
    EXPECT_EQ(f->getFont()->getSize(), 12);
    EXPECT_EQ(run("F^NOSUCHMETHOD()"), "none");
}

TEST_F(TextObject, TextIsLaidOutInItsRectangleAndDrawnOnTheScreen)
{
    writePicture("BOX.IMG", 100, 40, 0x001F, -1, 300, 200);
    ASSERT_TRUE(startWith(kFonts +
                          declared("T", "TEXT", {"TEXT=ab<B> cd", "FONT=F", "RECT=10,20,110,60", "HJUSTIFY=LEFT", "TOCANVAS=TRUE",
                                                 "VISIBLE=TRUE", "PRIORITY=5"}) +
                          declared("BOX", "IMAGE", {"FILENAME=BOX.IMG"}) +
                          declared("INBOX", "TEXT", {"TEXT=ab", "FONT=F", "RECT=BOX", "HJUSTIFY=RIGHT", "VJUSTIFY=BOTTOM"})));
    CMC_Text* t = textObject("T");
    ASSERT_NE(t, nullptr);
    ASSERT_NE(t->getText(), nullptr);
    // "ab" 4 + 4 standard, then a bold blank and "cd" 5 each; one line of 8 centred in 40 rows.
    EXPECT_EQ(run("T^GETWIDTH()"), "23");
    EXPECT_EQ(run("T^GETHEIGHT()"), "8");
    EXPECT_EQ(run("T^GETPOSITIONX()") + "," + run("T^GETPOSITIONY()"), "10,36");
    EXPECT_EQ(window()->GetRefreshScreenInterface()->GetPriority(t->getText()), 5);
    EXPECT_EQ(run("INBOX^GETPOSITIONX()") + "," + run("INBOX^GETPOSITIONY()"), "392,232");
    EXPECT_EQ(window()->GetRefreshScreenInterface()->GetPriority(textObject("INBOX")->getText()), -1);

    CColor black(0, 0, 0);
    window()->SetBackground(&black);
    run("F^SETCOLOR(255, 255, 255)");
    turn();
    std::string inked = "##..##.......###..##";
    EXPECT_EQ(shownRow(36, 10, 20, 0xFFFF), inked);
    EXPECT_EQ(shownRow(39, 10, 20, 0xFFFF), inked);
    EXPECT_EQ(shownRow(40, 10, 20, 0xFFFF), std::string(20, '.')) << "ink only in the letters' top rows";

    // Moved: the old place is drawn again without it.
    run("T^MOVE(100, 0)");
    turn();
    EXPECT_EQ(shownRow(36, 10, 20, 0xFFFF), std::string(20, '.'));
    EXPECT_EQ(shownRow(36, 110, 20, 0xFFFF), inked);
    run("T^HIDE()");
    turn();
    EXPECT_EQ(shownRow(36, 110, 20, 0xFFFF), std::string(20, '.'));
}

TEST_F(TextObject, MethodsAnswerAsTheScriptsExpect)
{
    writePicture("BOX.IMG", 100, 40, 0x001F, -1, 300, 200);
    ASSERT_TRUE(startWith(kFonts + declared("S", "STRING", {"VALUE=3.14159"}) + declared("BOX", "IMAGE", {"FILENAME=BOX.IMG"}) +
                          declared("T", "TEXT", {"TEXT=aa bbb|cc", "FONT=F", "RECT=0,0,200,100", "HJUSTIFY=LEFT", "VJUSTIFY=TOP",
                                                 "TOCANVAS=TRUE", "VISIBLE=TRUE"})));
    struct Case {
        const char* line;
        const char* answer;
    };
    const Case cases[] = {
        {"T^GETNUMWORDS()", "3"},
        {"T^GETWORDAT(1)", "bbb"},
        {"T^GETWORDAT(2)", "cc"},
        {"T^GETWORDAT(3)", ""},
        {"T^GETWORDWIDTH(3)", "0"},
        {"T^GETWORDPOSX(3)", "-1"},
        {"T^GETWORDPOSY(3)", "-1"},
        // "cc" on the second line, 4 rows below the first.
        {"T^GETWORDPOSX(2)", "0"},
        {"T^GETWORDPOSY(2)", "4"},
        {"T^GETWORDPOSX(1)", "8"},
        {"T^GETWORDWIDTH(1)", "16"},
        {"T^GETWORDATXY(10, 2)", "1"},
        {"T^GETWORDATXY(10, 50)", "-1"},
        {"T^SEARCH(\"cc\", 0)", "2"},
        {"T^SEARCH(\"aa\", 1)", "-1"},
        {"T^SETWORDCOLOR(17, 255, 0, 0)", "none"},
        {"T^SETWORDCOLOR(1, 255, 0, 0)", "none"},
        {"T^SETRECT(1, 2)", "none"},
        {"T^SETRECT(1, 2, 3)", "none"},
        {"T^GETPOSITIONX()", "0"},
        {"T^SETPOSITION(50, 60)", "none"},
        {"T^GETPOSITIONX()", "50"},
        {"T^GETPOSITIONY()", "60"},
        {"T^SETJUSTIFY(0, 0, 100, 100, \"RIGHT\", \"BOTTOM\")", "none"},
        {"T^GETPOSITIONX()", "76"},
        {"T^GETPOSITIONY()", "88"},
        {"T^SETJUSTIFY(\"BOX\", \"LEFT\", \"TOP\")", "none"},
        {"T^GETPOSITIONX()", "300"},
        {"T^SETJUSTIFY(\"NOBODY\", \"LEFT\", \"TOP\")", "none"},
        {"T^GETPOSITIONY()", "0"},
        {"T^SETRECT(\"BOX\")", "none"},
        {"T^GETPOSITIONY()", "200"},
        {"T^SETRECT(\"NOBODY\")", "none"},
        {"T^GETPOSITIONY()", "200"},
        {"T^MOVE(5, 6)", "none"},
        {"T^GETPOSITIONX()", "305"},
        {"T^ISNEAR(\"BOX\", 100)", "TRUE"},
        {"T^ISNEAR(0, 0, 10, 10, 50)", "FALSE"},
        {"T^SETTEXTDOUBLE(\"2.71828\", 2)", "none"},
        {"T^GETWORDAT(0)", "2.71"},
        {"T^SETTEXTDOUBLE(\"2.71828\", 0)", "none"},
        {"T^GETWORDAT(0)", "2."},
        {"T^SETTEXTDOUBLE(\"42\", 3)", "none"},
        {"T^GETWORDAT(0)", "42"},
        {"T^SETTEXTDOUBLE(\"2.5\", -1)", "none"},
        {"T^GETWORDAT(0)", "2.5"},
        {"T^SETTEXTDOUBLE(S, 3)", "none"},
        {"T^SETTEXT(\"<B>x y\")", "none"},
        {"T^GETWIDTH()", "15"},
        {"T^SETFONT(\"S\")", "none"},
        {"T^GETWIDTH()", "15"},
        {"T^SETOPACITY(300)", "none"},
        {"T^SETPRIORITY(3)", "none"},
        {"T^SETCOLOR(0, 255, 0)", "none"},
        {"T^SETCLIPPING(1, 2, 3, 4)", "none"},
        {"T^CLEARCLIPPING()", "none"},
        {"T^INVALIDATE()", "none"},
        {"T^NOSUCHMETHOD()", "none"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(run(c.line), c.answer) << c.line;
    EXPECT_EQ(value("S"), "3.141") << "the cut number is written back";
    CMultilineText6* text = textObject("T")->getText();
    EXPECT_EQ(text->GetOpacity(), 44);
    EXPECT_EQ(window()->GetRefreshScreenInterface()->GetPriority(text), 3);
    EXPECT_EQ(text->getColor(), 0x07E0);
    EXPECT_EQ(text->GetClippingRect(), CXRect(0, 0, 0, 0));
    run("T^SETCLIPPING(\"BOX\")");
    EXPECT_EQ(text->GetClippingRect(), CXRect(300, 200, 400, 240));
}

TEST_F(TextObject, DrawOntoCarriesTheTextOnAnotherPicture)
{
    writePicture("BOX.IMG", 100, 40, 0x001F, -1, 300, 200);
    ASSERT_TRUE(startWith(kFonts + declared("BOX", "IMAGE", {"FILENAME=BOX.IMG", "TOCANVAS=TRUE", "VISIBLE=TRUE"}) +
                          declared("T", "TEXT", {"TEXT=ab", "FONT=F", "RECT=2,3,90,30", "HJUSTIFY=LEFT", "VJUSTIFY=TOP", "VISIBLE=TRUE"})));
    run("F^SETCOLOR(255, 255, 255)");
    run("T^DRAWONTO(\"BOX\", 2)");
    run("BOX^INVALIDATE()");
    turn();
    // The text's place is in the picture's own coordinates.
    EXPECT_EQ(shownRow(203, 300, 12, 0xFFFF), "..##..##....");
    EXPECT_EQ(shownRow(208, 300, 12, 0xFFFF), std::string(12, '.'));
    run("T^DRAWONTO(\"NOBODY\", 1, 2)");
    // The picture goes before the text, whose words are coloured again afterwards.
    CMC_Object::destroy(image("BOX"));
    run("T^SETWORDCOLOR(0, 255, 0, 0)");
}

TEST_F(TextObject, TextWithoutAFontMeasuresAndDrawsNothing)
{
    ASSERT_TRUE(startWith(declared("T", "TEXT", {"TEXT=ab", "FONT=NOBODY", "TOCANVAS=TRUE", "VISIBLE=TRUE"})));
    EXPECT_EQ(run("T^GETWIDTH()"), "0");
    EXPECT_EQ(run("T^GETWORDAT(0)"), "");
    EXPECT_EQ(run("T^SETWORDCOLOR(0, 1, 2, 3)"), "none");
    turn();
}

TEST_F(TextObject, ATextOutlivesItsFont)
{
    ASSERT_TRUE(startWith(kFonts + declared("G", "FONT", {"DEF_BLOCK_STANDARD_10=BOLD.FNT"}) +
                          declared("T", "TEXT", {"TEXT=ab<B> cd|ef", "FONT=F", "RECT=10,20,110,60", "HJUSTIFY=LEFT", "VJUSTIFY=TOP",
                                                 "TOCANVAS=TRUE", "VISIBLE=TRUE"})));
    CColor black(0, 0, 0);
    window()->SetBackground(&black);
    run("F^SETCOLOR(255, 255, 255)");
    turn();
    ASSERT_EQ(shownRow(20, 10, 8, 0xFFFF), "##..##..");

    // Drawn, measured, searched and written again with its fonts freed: the text shows nothing.
    CMC_Object::destroy(font("F"));
    turn();
    EXPECT_EQ(shownRow(20, 10, 8, 0xFFFF), std::string(8, '.'));
    EXPECT_EQ(run("T^GETWIDTH()"), "0");
    EXPECT_EQ(run("T^GETNUMWORDS()"), "0");
    run("T^SETTEXT(\"gh<B> ij\")");
    run("T^SETWORDCOLOR(0, 1, 2, 3)");
    EXPECT_EQ(run("T^GETWIDTH()"), "0");
    turn();

    // Another font is taken as before.
    run("G^SETCOLOR(255, 255, 255)");
    run("T^SETFONT(\"G\")");
    EXPECT_EQ(run("T^GETWORDAT(1)"), "ij");
    turn();
    EXPECT_EQ(shownRow(20, 10, 10, 0xFFFF), "###..###..");
}

TEST_F(TextObject, StoredRecordsComeBackAsTheyWereStored)
{
    ASSERT_TRUE(startWith(kFonts + declared("T", "TEXT", {"TEXT=ab cd", "FONT=F", "RECT=10,20,110,60", "HJUSTIFY=RIGHT",
                                                          "VJUSTIFY=TOP", "TOCANVAS=TRUE", "VISIBLE=TRUE", "PRIORITY=4"})));
    std::string text = stored(textObject("T"));
    std::string fonts = stored(font("F"));
    auto field = [](const std::string& value) { return std::string{char(value.size()), 0, 0, 0} + value; };
    std::string fields = field("TOP") + field("RIGHT") + field("10,20,110,60") + std::string("\x04\0\0\0", 4) + field("F") + "\x01\x01" +
                         field("ab cd");
    EXPECT_EQ(text.substr(text.size() - fields.size()), fields);
    std::string ten("\x0A\0\0\0", 4);
    std::string labels = std::string("\x02\0\0\0", 4) + field("BLOCK") + field("STANDARD") + ten + field("BLOCK") + field("BOLD") + ten;
    EXPECT_EQ(fonts.substr(fonts.size() - labels.size()), labels);

    // Read back in a scene without the objects; the text's font comes after it and is found
    // when the scene starts it.
    stop();
    ASSERT_TRUE(startWith(""));
    auto* copy = dynamic_cast<CMC_Text*>(restored("TEXT", text));
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(copy->getText(), nullptr);
    EXPECT_EQ(apptest::text(copy->getName()), "T");
    EXPECT_EQ(run("T^GETWIDTH()"), "0");
    CMElement element("F");
    element.addProperty("DEF_BLOCK_STANDARD_10", "PLAIN.FNT");
    liveScene()->addObject(new CMC_Font(liveScene(), &element));
    copy->init();
    EXPECT_EQ(run("T^GETWORDAT(1)"), "cd");
    EXPECT_EQ(run("T^GETPOSITIONX()"), "90");
    EXPECT_EQ(run("T^GETPOSITIONY()"), "20");
    EXPECT_EQ(window()->GetRefreshScreenInterface()->GetPriority(copy->getText()), 4);
    EXPECT_TRUE(copy->getText()->isVisible());

    auto* fontCopy = dynamic_cast<CMC_Font*>(restored("FONT", fonts));
    ASSERT_NE(fontCopy, nullptr);
    ASSERT_EQ(fontCopy->getFontCount(), 2);
    EXPECT_EQ(apptest::text(fontCopy->getFontAt(1)->getStyle()), "BOLD");
    EXPECT_EQ(fontCopy->getFontAt(1)->getSize(), 10);
    EXPECT_EQ(fontCopy->getFontAt(1)->getLetterCount(), 0) << "the record keeps no font file";
}

} // namespace
