// Edit boxes of the scene unit: typing and the editing keys, focus moved by Tab, clicks and the
// unit, the cursor's blink, and boxes placed by a multi-line text.
#include "TypingHost.h"

#include "graphics/FontBytes.h"

#include "application/CUnit6.h"
#include "graphics/CEditBox6.h"
#include "graphics/CEditBoxNotifier.h"
#include "graphics/CFontCollection.h"
#include "graphics/CMultilineText6.h"
#include "objects/CMC_Font.h"

using namespace apptest;

namespace {

// Every letter 4 pixels wide (its blank too), 8 high: lines stand 4 apart, and the 20-pixel boxes
// take five letters a line.
const CXRect kRectA(100, 50, 120, 90);
const CXRect kRectB(200, 50, 220, 90);
const CXRect kRectC(300, 50, 320, 90);

// Tells what it hears as "A.on", "B.changed" ...
class RecordingNotifier : public CEditBoxNotifier {
public:
    RecordingNotifier(std::string& log, const char* name) : log_(log), name_(name) {}

    void onFocusOn(CEditBox6*) override { told("on"); }
    void onFocusOff(CEditBox6*) override { told("off"); }
    void onChanged(CEditBox6*) override { told("changed"); }
    void onEnter(CEditBox6*) override { told("enter"); }
    void onEsc(CEditBox6*) override { told("esc"); }

private:
    void told(const char* what) { log_ += std::string(log_.empty() ? "" : " ") + name_ + "." + what; }

    std::string& log_;
    const char* name_;
};

class EditBoxUnit : public TypingHost {
protected:
    void SetUp() override
    {
        TypingHost::SetUp();
        graphicstest::Bytes font = graphicstest::blockFont(2, 8, 4).bytes();
        writeFile("Dane/PLAIN.FNT", std::string(font.begin(), font.end()));
        ASSERT_TRUE(startScene(scripttest::declared("F", "FONT", {"DEF_BLOCK_STANDARD_10=PLAIN.FNT"})));
        cursor = std::make_unique<CGraphicsObject>(window(), CXSize(1, 6), 16);
        unit()->setCursor(cursor.get());
        turn();
    }
    void TearDown() override
    {
        if (unit() != nullptr)
            unit()->flushEditBoxes();
        cursor.reset();
        TypingHost::TearDown();
    }

    CUnit6* unit() { return CMC_Scene::getDefUnit(); }
    CFontCollection* fonts() { return CMC_Font::collectionNamed(liveScene(), "F"); }
    // A new box over the rectangle, told to its own notifier.
    CEditBox6* box(CXRect rect, const char* text, RecordingNotifier& notifier)
    {
        CEditBox6* made = unit()->addEditBox(fonts(), rect, 5, text);
        made->addNotifier(&notifier);
        return made;
    }
    std::string place() { return std::to_string(cursor->GetPosition().x) + "," + std::to_string(cursor->GetPosition().y); }
    void click(int x, int y)
    {
        window()->OnLButtonDown(CXPoint(x, y), 0);
        window()->OnLButtonUp(CXPoint(x, y), 0);
    }

    std::unique_ptr<CGraphicsObject> cursor;
    std::string log;
    RecordingNotifier toldA{log, "A"};
    RecordingNotifier toldB{log, "B"};
    RecordingNotifier toldC{log, "C"};
};

TEST_F(EditBoxUnit, KeysAndCharactersEditTheTextOfTheBoxWithTheFocus)
{
    enum Setup { FOCUS, NO_NEW_LINES, READ_ONLY, DISABLED, NO_FOCUS };
    struct Case {
        const char* what;
        Setup setup;
        const char* text;
        const char* keys;
        const char* result;
        int cursorIndex;
        const char* cursorPlace;
        const char* told;
    };
    // The cursor graphic stands at 0,0 until it is first placed in the box.
    const Case cases[] = {
        {"a letter goes in at the cursor", FOCUS, "abcd", "Left x", "abcxd", 4, "116,51", "A.changed"},
        {"angle brackets are stored as their stand-ins", FOCUS, "", "< a >", "@a$", 3, "112,51", "A.changed A.changed A.changed"},
        {"Polish letters come from the keyboard's own map", FOCUS, "", "Alt+a Alt+z", "\xB9\xBF", 2, "104,51", "A.changed A.changed"},
        {"a full line wraps after its last blank", FOCUS, "ab cd", "e", "ab |cde", 7, "112,55", "A.changed"},
        {"a full line without a blank breaks before its last letter", FOCUS, "abcde", "f", "abcde|f", 7, "104,55", "A.changed"},
        {"a wrap mid-text leaves the cursor after the letter typed", FOCUS, "abcde", "Home x", "xabcd|e", 1, "104,51", "A.changed"},
        {"a wrap mid-text in the first of two lines", FOCUS, "ab cd|e", "Home Right x", "axb |cd|e", 2, "108,51", "A.changed"},
        {"a full box without new lines drops letters", NO_NEW_LINES, "abcde", "f", "abcde", 5, "0,0", ""},
        {"Enter breaks the line where the cursor stands", FOCUS, "abcd", "Left Left Enter", "ab|cd", 3, "100,55", "A.enter"},
        {"Enter without new lines only tells", NO_NEW_LINES, "ab", "Enter", "ab", 2, "108,51", "A.enter"},
        {"Escape only tells", FOCUS, "ab", "Esc", "ab", 2, "108,51", "A.esc"},
        {"Backspace takes the letter before the cursor", FOCUS, "abc", "Left Back", "ac", 1, "104,51", ""},
        {"Backspace at the start changes nothing", FOCUS, "ab", "Home Back", "ab", 0, "100,51", ""},
        {"Delete takes the letter at the cursor", FOCUS, "abc", "Home Del", "bc", 0, "100,51", ""},
        {"Delete at the end changes nothing", FOCUS, "ab", "Del", "ab", 2, "108,51", ""},
        {"the cursor keys stay within the text", FOCUS, "abc", "Right Home Left Right Right End Left", "abc", 2, "108,51", ""},
        {"the cursor's line counts the breaks before it", FOCUS, "ab|cd|e", "Home Right Right Right", "ab|cd|e", 3, "100,55", ""},
        {"a read-only box ignores keys and letters", READ_ONLY, "ab", "Enter Esc x Back", "ab", 2, "108,51", ""},
        {"a disabled box ignores keys and letters", DISABLED, "ab", "Enter Esc x Back", "ab", 2, "108,51", ""},
        {"a box without the focus ignores keys and letters", NO_FOCUS, "ab", "Enter Esc x Back", "ab", 0, "0,0", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        cursor->SetPosition(0, 0);
        CEditBox6* a = box(kRectA, c.text, toldA);
        CEditBox6* b = box(kRectB, "", toldB);
        if (c.setup != NO_FOCUS)
            unit()->activateEditBox(a);
        a->setNewLineDisabled(c.setup == NO_NEW_LINES);
        a->setReadOnly(c.setup == READ_ONLY);
        if (c.setup == DISABLED)
            a->enable(false);
        log.clear();
        type(c.keys);
        EXPECT_EQ(a->getText().c_str(), std::string(c.result));
        EXPECT_EQ(apptest::text(a->getTextObject()->getText()), c.result);
        EXPECT_EQ(a->getCursorPos(), c.cursorIndex);
        EXPECT_EQ(place(), c.cursorPlace);
        EXPECT_EQ(log, c.told);
        EXPECT_EQ(b->getText().c_str(), std::string()) << "only the box with the focus types";
        unit()->flushEditBoxes();
    }
}

TEST_F(EditBoxUnit, TabMovesTheFocusOnPastDisabledBoxesAndShiftTabBack)
{
    CEditBox6* a = box(kRectA, "", toldA);
    box(kRectB, "", toldB)->enable(false);
    box(kRectC, "", toldC);
    type("Tab");
    EXPECT_EQ(unit()->getCurrentEditBoxIndex(), -1) << "nothing moves without a box that has the focus";
    unit()->activateEditBox(a);
    log.clear();
    type("Tab");
    EXPECT_EQ(log, "A.off C.on");
    type("Tab Tab");
    EXPECT_EQ(unit()->getCurrentEditBoxIndex(), 2);
    log.clear();
    type("Shift+Tab");
    EXPECT_EQ(log, "C.off A.on");
    type("Shift+Tab");
    EXPECT_EQ(log, "C.off A.on A.off C.on");
    EXPECT_EQ(unit()->getCurrentEditBoxIndex(), 2);
}

TEST_F(EditBoxUnit, AClickOverABoxGivesItTheFocusAndAClickElsewhereTakesIt)
{
    CEditBox6* a = box(kRectA, "ab", toldA);
    CEditBox6* b = box(kRectB, "cd", toldB);
    unit()->activateEditBox(a);
    log.clear();
    click(205, 60);
    EXPECT_EQ(log, "A.off B.on");
    EXPECT_TRUE(b->isActive());
    click(205, 60);
    EXPECT_EQ(log, "A.off B.on") << "a click over the box with the focus changes nothing";
    click(500, 300);
    EXPECT_EQ(log, "A.off B.on B.off");
    EXPECT_FALSE(a->isActive() || b->isActive());
    EXPECT_EQ(unit()->getCurrentEditBoxIndex(), -1);
    type("x");
    EXPECT_EQ(apptest::text(b->getText()), "cd");
}

TEST_F(EditBoxUnit, DisablingTheBoxWithTheFocusTellsItsLossOnce)
{
    CEditBox6* a = box(kRectA, "", toldA);
    box(kRectB, "", toldB);
    unit()->activateEditBox(a);
    log.clear();
    a->enable(false);
    a->enable(false);
    unit()->nextEditBox();
    EXPECT_EQ(log, "A.off B.on");
    a->enable(true);
    unit()->activateEditBox(nullptr);
    EXPECT_EQ(log, "A.off B.on B.off") << "enabling a box gives it no focus";
}

TEST_F(EditBoxUnit, TheCursorBlinksEvery400MillisecondsWhileTheBoxHasTheFocus)
{
    CEditBox6* a = box(kRectA, "ab", toldA);
    unit()->activateEditBox(a);
    std::string seen;
    for (int i = 0; i < 6; ++i) {
        turn(200);
        seen += cursor->isVisible() ? '#' : '.';
    }
    EXPECT_EQ(seen, "#..##.");
    unit()->activateEditBox(nullptr);
    turns(4, 200);
    EXPECT_FALSE(cursor->isVisible()) << "the blink stops with the focus";
    unit()->activateEditBox(a);
    unit()->activateEditBox(a);
    turn(400);
    EXPECT_TRUE(cursor->isVisible()) << "asked twice, the box blinks once";
}

TEST_F(EditBoxUnit, AnEditBoxCodeOfAMultilineTextMakesItsBoxInTheUnit)
{
    auto text = std::make_unique<CMultilineText6>(window(), false, unit());
    text->setFont(fonts());
    text->setJustify(CXRect(10, 20, 200, 100), JUSTIFY_LEFT, JUSTIFY_TOP);
    text->setText("ab <E,40,NAME,hi>");
    ASSERT_EQ(unit()->getEditBoxCount(), 1);
    CEditBox6* made = unit()->getEditBox(0);
    // After "ab" (8 pixels) and the ink of a blank (2), the 40-pixel field, one line high.
    EXPECT_EQ(made->getBoundingRect(), CXRect(20, 20, 60, 28));
    EXPECT_EQ(apptest::text(made->getText()), "hi");
    unit()->activateEditBox(made);
    type("x");
    EXPECT_EQ(apptest::text(made->getText()), "hix");
    text->setText("cd");
    EXPECT_EQ(unit()->getEditBoxCount(), 0) << "laid out again, the text gives its box back";
    text->setText("<E,40>");
    text.reset();
    EXPECT_EQ(unit()->getEditBoxCount(), 0);
}

} // namespace
