#include "graphics/CEditBoxUnit.h"
#include "graphics/CMultilineText6.h"

#include "TextFonts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace graphicstest;

namespace {

constexpr int kWidth = 60;

// Lines as their mark-up, without the colour wrapping each line gets; "|" for a break marker.
std::vector<std::string> linesOf(CMultilineText6& text)
{
    std::vector<std::string> out;
    for (int i = 0; i < text.getLineCount(); ++i) {
        CText6* line = text.getLine(i);
        out.push_back(line != nullptr ? line->getColoruredText(line->getText(), 0).c_str() : "|");
    }
    return out;
}

// A unit that makes stand-in boxes and notes what it is asked.
struct RecordingUnit : CEditBoxUnit {
    CEditBox6* addEditBox(CSimpleFont6* font, CXRect rect, int priority, const CXString& text) override
    {
        made.push_back({font, rect, priority, text.c_str()});
        return reinterpret_cast<CEditBox6*>(&made.back() - &made.front() + 1);
    }
    void releaseEditBox(CEditBox6* box) override { released.push_back(reinterpret_cast<intptr_t>(box)); }
    void activateEditBox(CEditBox6*) override {}
    CScreenUnit* getScreenUnit() override { return nullptr; }

    struct Box {
        CSimpleFont6* font;
        CXRect rect;
        int priority;
        std::string text;
    };
    std::vector<Box> made;
    std::vector<intptr_t> released;
};

class MultilineTextTest : public ::testing::Test {
protected:
    MultilineTextTest() { made.reserve(8); }

    // A text in `fonts`, left and top in a rectangle of `room` columns at (x, y), no colour code.
    std::unique_ptr<CMultilineText6> text(const char* content, int room = 100, int x = 1, int y = 1, CEditBoxUnit* unit = nullptr)
    {
        auto made = std::make_unique<CMultilineText6>(nullptr, false, unit);
        made->setJustify(CXRect(x, y, x + room, y + 50), JUSTIFY_LEFT, JUSTIFY_TOP);
        made->setColor(0);
        made->setFont(&fonts.fonts);
        made->setText(content);
        made->SetDestiny(&target.picture);
        return made;
    }

    std::vector<int> made;
    // Letters 8 rows high with ink in the top 4: lines 4 apart do not overlap.
    TextFonts fonts{8, 4};
    TextTarget target{kWidth, 14};
};

} // namespace

TEST_F(MultilineTextTest, TextSplitsIntoLinesCarryingTheStyle)
{
    struct Case {
        const char* text;
        int room;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"a|b", 100, {"a", "|", "b"}},
        {"a||b", 100, {"a", "|", "", "|", "b"}},
        {"a|", 100, {"a", "|"}},
        {"aa bb cc", 24, {"aa bb", "cc"}},
        {"<B>aa bb cc", 24, {"<B>aa", "<B>bb", "<B>cc"}},
        {"<B>aa<B> bb cc", 20, {"<B>aa<B>", "bb", "cc"}},
        {"abc <B>def", 100, {"abc<B>def"}},
        {" aa   bb", 100, {" aa   bb"}},
        {"aa   bb", 12, {"aa", "  bb"}},
        {"a&NBSP;b", 100, {"a b"}},
        {"a<COLOR31>b|c", 100, {"a<COLOR31>b", "|", "c"}},
        {"ab<E,20,N,x>cd", 100, {"ab ___cd"}},
        {"abcd<E,20>", 30, {"abcd", " ___"}},
        {"", 100, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(linesOf(*text(c.text, c.room)), c.lines) << c.text;

    CMultilineText6 single(nullptr, false, nullptr);
    single.setJustify(CXRect(0, 0, 24, 10), JUSTIFY_LEFT, JUSTIFY_TOP);
    single.setFont(fonts.plain.get());
    single.setText("aaaaaaaa aa bb  cc");
    EXPECT_EQ(linesOf(single), (std::vector<std::string>{"", "aaaaaaaa", "aa bb", "cc"}));
}

TEST_F(MultilineTextTest, LinesStandFourPixelsCloserThanTheirHeights)
{
    auto block = text("ab|cd ef");
    EXPECT_EQ(block->getHeight(), 8 + 8 - 2 * 2);
    EXPECT_EQ(block->Height(), block->getHeight());
    EXPECT_EQ(block->Width(), 20);
    block->Redraw();
    for (int y = 1; y < 5; ++y)
        EXPECT_EQ(target.row(y), inkRow(kWidth, {{1, 3}, {5, 7}})) << y;
    for (int y = 5; y < 9; ++y)
        EXPECT_EQ(target.row(y), inkRow(kWidth, {{1, 3}, {5, 7}, {13, 15}, {17, 19}})) << y;
    EXPECT_EQ(target.row(9), inkRow(kWidth, {}));

    // Clipped to rows 2 to 5 of the block: the last two ink rows of the first line, the first
    // two of the second.
    target.clear();
    block->SetClippingRect(CXRect(0, 2, 60, 6));
    block->Redraw();
    for (int y = 0; y < 14; ++y) {
        std::string expected = y == 3 || y == 4 ? inkRow(kWidth, {{1, 3}, {5, 7}})
                               : y == 5 || y == 6 ? inkRow(kWidth, {{1, 3}, {5, 7}, {13, 15}, {17, 19}})
                                                  : inkRow(kWidth, {});
        EXPECT_EQ(target.row(y), expected) << y;
    }

    TextFonts taller(10, 4);
    block->setFont(&taller.fonts);
    EXPECT_EQ(block->Height(), 10 + 10 - 2 * 2) << "a new font measures every line";
}

TEST_F(MultilineTextTest, WordOperationsCountOverAllLines)
{
    auto block = text("aa bbbb|cc dd", 100, 2, 3);
    ASSERT_EQ(block->getNumWords(), 4);
    EXPECT_EQ(block->getWordAt(1), "bbbb");
    EXPECT_EQ(block->getWordAt(2), "cc");
    EXPECT_EQ(block->getWordAt(4), "");
    EXPECT_EQ(block->getWordWidth(4), 0);
    EXPECT_EQ(block->getWordPosition(4), CXPoint(-1, -1));
    // The second line stands at y 3 + 8 - 4; its words at the same columns as the first's.
    EXPECT_EQ(block->getWordPosition(0), CXPoint(2, 3));
    EXPECT_EQ(block->getWordPosition(3), CXPoint(10, 7));
    EXPECT_EQ(block->getWordWidth(3), 12);
    EXPECT_EQ(block->getWordAtXY(CXPoint(11, 4)), 1);
    EXPECT_EQ(block->getWordAtXY(CXPoint(11, 12)), 3);
    EXPECT_EQ(block->getWordAtXY(CXPoint(11, 30)), -1);
    // Where the lines' ranges overlap, a hit in either counts; the later line's first.
    EXPECT_EQ(block->getWordAtXY(CXPoint(11, 9)), 3);
    EXPECT_EQ(block->getWordAtXY(CXPoint(25, 9)), 1);
    EXPECT_EQ(block->search("dd", 0), 3);
    EXPECT_EQ(block->search("cc", 3), -1);
    EXPECT_EQ(block->search("aa", 0), 0);

    block->setWordColor(3, 0x001F);
    block->setWordColor(17, 0x07E0);
    block->Redraw();
    EXPECT_EQ(target.at(15, 7), 0x001F);
    EXPECT_NE(target.at(3, 7), 0x001F);

    block->Move(5, 2);
    EXPECT_EQ(block->getWordPosition(3), CXPoint(15, 9));
    EXPECT_EQ(block->getWordAtXY(CXPoint(16, 14)), 3);
}

TEST_F(MultilineTextTest, EditBoxCodesAskTheUnitForBoxesWhereTheirFieldsStand)
{
    RecordingUnit unit;
    {
        auto block = text("ab<E,20,N,hello>cd|abcd<E,20>", 30, 10, 20, &unit);
        ASSERT_EQ(unit.made.size(), 2u);
        // The first box after "ab" and a blank (its field then pushes "cd" down); the second
        // moved below "abcd" with its field, on the fourth line.
        EXPECT_EQ(unit.made[0].rect, CXRect(20, 20, 40, 28));
        EXPECT_EQ(unit.made[0].text, "hello");
        EXPECT_EQ(unit.made[0].font, &fonts.fonts);
        EXPECT_EQ(unit.made[0].priority, 0);
        EXPECT_EQ(unit.made[1].rect, CXRect(12, 32, 32, 40));
        EXPECT_EQ(linesOf(*block), (std::vector<std::string>{"ab ___", "cd", "|", "abcd", " ___"}));
        EXPECT_EQ(block->getEditBoxes().size(), 2u);
        block->setText("x");
        EXPECT_EQ(unit.released, (std::vector<intptr_t>{1, 2}));
        EXPECT_TRUE(block->getEditBoxes().empty());
        block->setText("<E,8>");
    }
    EXPECT_EQ(unit.released.size(), 3u) << "a text that goes gives its boxes back";
}

TEST_F(MultilineTextTest, LoadJoinsTheFilesLines)
{
    fonts.folder.temp.write("text.txt", "ab\r\ncd|e\n");
    auto block = text("");
    EXPECT_EQ(block->Load(GameFolder::gamePath("text.txt").c_str()), 0);
    EXPECT_EQ(linesOf(*block), (std::vector<std::string>{"abcd", "|", "e"}));
}
