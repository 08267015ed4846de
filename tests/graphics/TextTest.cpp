#include "graphics/CText6.h"
#include "graphics/CTextFormatCode.h"

#include "TextFonts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace graphicstest;

namespace {

constexpr int kWidth = 60;

// The codes of a text, one word each: "a" a run, "<B>BOLD" a style and the font's style,
// "|" a break, "C31" a colour, "E120,NAME,hello" an edit box.
std::vector<std::string> codesOf(CText6& text)
{
    std::vector<std::string> out;
    for (int i = 0; i < text.getCodeCount(); ++i) {
        CTextFormatCode* code = text.getCode(i);
        switch (code->getMode()) {
        case CTextFormatCode::TEXT:
            out.push_back(code->getText().c_str());
            break;
        case CTextFormatCode::STYLE:
            out.push_back(std::string(code->getText().c_str()) + code->getFont()->getStyle().c_str());
            break;
        case CTextFormatCode::LINE_BREAK:
            out.push_back("|");
            break;
        case CTextFormatCode::COLOR:
            out.push_back("C" + std::to_string(code->getColor()));
            break;
        case CTextFormatCode::EDIT_BOX:
            out.push_back("E" + std::to_string(code->getWidth()) + "," + code->getName().c_str() + "," + code->getText().c_str());
            break;
        default:
            out.push_back("?");
        }
    }
    return out;
}

class TextTest : public ::testing::Test {
protected:
    // A text in the collection, without colour code unless asked, at (x, y).
    std::unique_ptr<CText6> text(const char* content, int x = 1, int y = 1)
    {
        auto made = std::make_unique<CText6>(nullptr, false, nullptr);
        made->setJustify(CXRect(x, y, x, y), JUSTIFY_LEFT, JUSTIFY_TOP);
        made->setFont(&fonts.fonts);
        made->setColor(0);
        made->setText(content);
        made->SetDestiny(&target.picture);
        return made;
    }

    TextFonts fonts;
    TextTarget target{kWidth, 5};
};

} // namespace

TEST_F(TextTest, MarkupBecomesRunsStylesColoursBreaksAndEditBoxes)
{
    struct Case {
        const char* text;
        std::vector<std::string> codes;
    };
    const Case cases[] = {
        {"a<B>b<B>c", {"a", "<B>BOLD", "b", "<B>STANDARD", "c"}},
        {"a<b>b<I>c", {"a", "<b>BOLD", "b", "<I>ITALIC", "c"}},
        {"a<U>b", {"a", "b"}},
        {"a<X>b", {"aX>b"}},
        {"a<b<B>c", {"a<b", "B>c"}},
        {"a<bc", {"a<bc"}},
        {"x|y", {"x", "|", "y"}},
        {"x\ry", {"x", "|", "y"}},
        {"x\ny", {"xy"}},
        {"x<COLOR255,0,0>a<COLOR>", {"x", "C-2048", "a", "C0"}},
        {"x<COLOR31>", {"x", "C31"}},
        {"<COLOR31>x", {"C31", "x"}},
        {"<COLOR31>x<COLOR>", {"x"}},
        {"<E,120,NAME,hello>", {"E120,NAME,hello"}},
        {"<E,120>", {"E120,,"}},
        {"a\tb", {"a        b"}},
        {"@$", {"@$"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(codesOf(*text(c.text)), c.codes) << c.text;

    CText6 single(nullptr, false, nullptr);
    single.setFont(fonts.plain.get());
    single.setText("a<B>b|c");
    EXPECT_EQ(single.getCodeCount(), 0) << "a single font draws every character";
    EXPECT_EQ(single.getText(), "a<B>b|c");
}

TEST_F(TextTest, ColourCodesPackForTheScreen)
{
    EXPECT_EQ(CTextFormatCode(16, CTextFormatCode::COLOR, "255,0,0").getColor(), int16_t(0xF800));
    EXPECT_EQ(CTextFormatCode(15, CTextFormatCode::COLOR, "255,0,0").getColor(), 0x7C00);
    EXPECT_EQ(CTextFormatCode(16, CTextFormatCode::COLOR, "8,12,16").getColor(), 1 << 11 | 3 << 5 | 2);
    EXPECT_EQ(CTextFormatCode(15, CTextFormatCode::COLOR, "8,12,16").getColor(), 1 << 10 | 1 << 5 | 2);
    EXPECT_EQ(CTextFormatCode(16, CTextFormatCode::COLOR, "31").getColor(), 31);
    EXPECT_EQ(CTextFormatCode::packColor(16, 255, 255, 255), -1);

    CText6 text(nullptr, false, nullptr);
    EXPECT_EQ(text.getColoruredText("abc", 0), "abc");
    EXPECT_EQ(text.getColoruredText("abc", 31), "<COLOR31>abc<COLOR>");
    EXPECT_EQ(text.getColoruredText("<COLOR31>abc<COLOR>", 63), "<COLOR63>abc<COLOR>");
    EXPECT_EQ(text.getColoruredText("<COLOR31>abc<COLOR>", 0), "abc");
    EXPECT_EQ(text.getColoruredText("<COLOR31>a<COLOR63>b<COLOR>", 7), "<COLOR7>a<COLOR63>b<COLOR>") << "codes inside stay";
    EXPECT_EQ(text.getColoruredText("<COLOR31>abc", 7), "<COLOR7><COLOR31>abc<COLOR>");
}

TEST_F(TextTest, LettersDrawWithTheFontOfTheirRunAndTheTextsColour)
{
    auto line = text("ab<B>cd ef");
    EXPECT_EQ(line->Width(), 33);
    EXPECT_EQ(line->Height(), 3);
    line->setColor(0x07E0);
    line->Redraw();
    std::string expected = inkRow(kWidth, {{1, 3}, {5, 7}, {9, 12}, {14, 17}, {24, 27}, {29, 32}});
    for (int y = 1; y < 4; ++y)
        EXPECT_EQ(target.row(y), expected) << y;
    EXPECT_EQ(target.at(1, 1), 0x07E0);
    EXPECT_EQ(target.row(0), inkRow(kWidth, {}));
    EXPECT_EQ(target.row(4), inkRow(kWidth, {}));
}

TEST_F(TextTest, EachFontGetsItsOwnColourBackAndFullOpacityAfterDrawing)
{
    fonts.plain->setColor(0x001F);
    fonts.bold->setColor(0x07E0);
    auto line = text("a<COLOR63488>b<B>c");
    line->SetOpacity(128);
    line->Redraw();
    EXPECT_EQ(fonts.plain->getColor(), 0x001F);
    EXPECT_EQ(fonts.bold->getColor(), 0x07E0);
    EXPECT_EQ(fonts.plain->GetOpacity(), 255);
    EXPECT_EQ(fonts.bold->GetOpacity(), 255);

    // A later text without colour code draws each font in its own colour.
    target.clear();
    auto plainText = text("a<B>b");
    plainText->Redraw();
    EXPECT_EQ(target.at(1, 1), 0x001F);
    EXPECT_EQ(target.at(5, 1), 0x07E0);
}

TEST_F(TextTest, ClippedTextDrawsOnlyInsideItsClippingRectangle)
{
    auto line = text("ab<B>cd ef");
    // In the text's own coordinates: from inside "b" to inside "e".
    line->SetClippingRect(CXRect(5, 1, 25, 3));
    line->Redraw();
    EXPECT_EQ(target.row(1), inkRow(kWidth, {}));
    EXPECT_EQ(target.row(2), inkRow(kWidth, {{6, 7}, {9, 12}, {14, 17}, {24, 26}}));
    EXPECT_EQ(target.row(3), target.row(2));
    EXPECT_EQ(target.row(4), inkRow(kWidth, {}));
    EXPECT_EQ(line->getWordPosition(1).x, 19) << "skipped letters still move the pen";
}

TEST_F(TextTest, WordRecordsAgreeWithTheDrawnLetters)
{
    auto line = text("foo b<B>ar  baz");
    line->Redraw();
    // Words end at blanks only: "bar" is one word across its style code; the double blank makes
    // an empty word.
    ASSERT_EQ(line->getNumWords(), 4);
    EXPECT_EQ(line->getWordAt(0), "foo");
    EXPECT_EQ(line->getWordAt(1), "bar");
    EXPECT_EQ(line->getWordAt(2), "");
    EXPECT_EQ(line->getWordAt(3), "baz");
    EXPECT_EQ(line->getWordAt(4), "");
    std::string drawn = target.row(1);
    for (int x = 0; x < kWidth; ++x) {
        int word = line->getWordAtXY(CXPoint(x, 100));
        if (drawn[size_t(x)] == '#') {
            ASSERT_NE(word, -1) << x;
            CXPoint at = line->getWordPosition(word);
            EXPECT_LE(at.x, x);
            EXPECT_LE(x, at.x + line->getWordWidth(word)) << x;
        }
    }
    // The blank belongs to the next word's span.
    EXPECT_EQ(line->getWordPosition(1), CXPoint(13, -1));
    EXPECT_EQ(line->getWordAtXY(CXPoint(13, 0)), 1);
    EXPECT_EQ(line->getWordAtXY(CXPoint(0, 0)), -1);
    EXPECT_EQ(line->getWordPosition(7), CXPoint(-1, -1));
    EXPECT_EQ(line->getWordWidth(-1), 0);
    EXPECT_EQ(line->search("baz", 0), 3);
    EXPECT_EQ(line->search("foo", 1), -1);
    EXPECT_EQ(line->search("qux", 0), -1);
    line->setWordColor(9, 0x1234);

    line->setWordColor(1, 0x001F);
    target.clear();
    line->Redraw();
    for (int x = 0; x < kWidth; ++x) {
        if (target.at(x, 1) == TextTarget::kBackground)
            continue;
        bool inBar = line->getWordAtXY(CXPoint(x, 0)) == 1;
        EXPECT_EQ(target.at(x, 1) == 0x001F, inBar) << x;
    }
    line->setWordColor(1, ht_Line::NO_COLOR);
    target.clear();
    line->Redraw();
    EXPECT_NE(target.at(17, 1), 0x001F);
}

TEST_F(TextTest, JustificationPlacesTheTextInItsRectangle)
{
    struct Case {
        _justify h;
        _justify v;
        CXPoint at;
    };
    // "abc" measures 12 x 3 in a rectangle of 19 x 10 at (10, 20).
    const Case cases[] = {
        {JUSTIFY_LEFT, JUSTIFY_TOP, {10, 20}},   {JUSTIFY_RIGHT, JUSTIFY_BOTTOM, {17, 27}},
        {JUSTIFY_CENTER, JUSTIFY_CENTER, {13, 23}}, {_justify(7), _justify(7), {13, 23}},
    };
    CText6 line(nullptr, false, nullptr);
    line.setFont(&fonts.fonts);
    line.setText("abc");
    for (const Case& c : cases) {
        line.setJustify(CXRect(10, 20, 29, 30), c.h, c.v);
        EXPECT_EQ(line.GetPosition(), c.at) << c.h << "," << c.v;
    }
    // Wider than its rectangle by 7: centring rounds toward zero.
    line.setJustify(CXRect(10, 20, 15, 23), JUSTIFY_CENTER, JUSTIFY_TOP);
    EXPECT_EQ(line.GetPosition().x, 7);
    line.Move(5, 1);
    EXPECT_EQ(line.GetPosition(), CXPoint(12, 21));
    EXPECT_EQ(line.getjustifyRect(), CXRect(15, 21, 20, 24));
}

TEST_F(TextTest, NewFontMeasuresAndJustifiesAgain)
{
    TextFonts tall(6, 6);
    auto line = std::make_unique<CText6>(nullptr, false, nullptr);
    line->setJustify(CXRect(0, 0, 40, 20), JUSTIFY_RIGHT, JUSTIFY_BOTTOM);
    line->setFont(&fonts.fonts);
    line->setText("ab");
    EXPECT_EQ(line->getColor(), 0xFFFF);
    EXPECT_EQ(line->getText(), "<COLOR65535>ab<COLOR>");
    EXPECT_EQ(line->GetPosition(), CXPoint(32, 17));
    tall.bold->setDefColor(0x1234);
    tall.fonts.setBaseFont(tall.bold.get());
    tall.fonts.setDefColor(0x4321);
    line->setFont(&tall.fonts);
    EXPECT_EQ(line->Width(), 10);
    EXPECT_EQ(line->Height(), 6);
    EXPECT_EQ(line->GetPosition(), CXPoint(30, 14));
    EXPECT_EQ(line->getColor(), 0x4321);

    line->setColor(0x4321);
    EXPECT_EQ(line->getText(), "<COLOR65535>ab<COLOR>") << "the same colour does nothing";
    line->setColor(0);
    EXPECT_EQ(line->getText(), "ab");
}
