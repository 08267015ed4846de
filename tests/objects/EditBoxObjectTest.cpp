// EDITBOX objects in a live scene: the field made from its definition in the scene's unit, the
// signals it raises as the player types, its method table, its stored record, and a field that
// outlives its box.
#include "MediaScene.h"

#include "application/CMC_Episode.h"
#include "application/CUnit6.h"
#include "graphics/CColor.h"
#include "graphics/CEditBox6.h"
#include "graphics/CImage.h"
#include "graphics/CMultilineText6.h"
#include "graphics/CRefreshScreen.h"
#include "objects/CMC_EditBox.h"

using namespace objectstest;

namespace {

// Letters 4 pixels wide, 8 high.
const std::string kFont = declared("F", "FONT", {"DEF_BLOCK_STANDARD_10=PLAIN.FNT"});

class EditBoxObject : public MediaScene {
protected:
    void SetUp() override
    {
        MediaScene::SetUp();
        writeFont("PLAIN.FNT", graphicstest::blockFont(2, 8, 4));
        writePicture("CUR.IMG", 1, 6, 0xFFFF);
        writePicture("BOX.IMG", 40, 20, 0x001F, -1, 300, 200);
    }

    CMC_EditBox* editBox(const std::string& name) { return dynamic_cast<CMC_EditBox*>(object(name)); }
    CEditBox6* box(const std::string& name) { return editBox(name) != nullptr ? editBox(name)->getEditBox() : nullptr; }
    CUnit6* unit() { return CMC_Scene::getDefUnit(); }
};

TEST_F(EditBoxObject, TheFieldIsMadeInTheUnitFromItsDefinition)
{
    ASSERT_TRUE(startWith(kFont + declared("CUR", "IMAGE", {"FILENAME=CUR.IMG"}) + declared("BOX", "IMAGE", {"FILENAME=BOX.IMG"}) +
                          declared("E", "EDITBOX", {"FONT=F", "RECT=100,50,120,90", "TEXT=ab", "PRIORITY=7", "CURSOR=CUR"}) + declared("INBOX", "EDITBOX", {"FONT=F", "RECT=BOX", "CURSOR=NOBODY"}) +
                          declared("NOFONT", "EDITBOX", {"RECT=100,50,120,90", "FONT=NOBODY"})));
    CEditBox6* e = box("E");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(unit()->getEditBoxCount(), 3);
    EXPECT_EQ(e->getBoundingRect(), CXRect(100, 50, 120, 90));
    EXPECT_EQ(apptest::text(e->getText()), "ab");
    EXPECT_EQ(window()->GetRefreshScreenInterface()->GetPriority(e->getTextObject()), 7);
    EXPECT_EQ(box("INBOX")->getBoundingRect(), CXRect(300, 200, 340, 220));

    run("E^ACTIVE()");
    EXPECT_EQ(image("CUR")->getImage()->GetPosition(), CXPoint(108, 51)) << "the CURSOR object is the cursor";
    // Without a font nothing is measured or drawn, but the field still takes letters.
    run("NOFONT^ACTIVE()");
    type("xy");
    EXPECT_EQ(run("NOFONT^GETTEXT()"), "xy");
    EXPECT_FALSE(box("E")->isActive()) << "a script's focus moves through the unit";
}

TEST_F(EditBoxObject, TheTextIsDrawnWithinTheField)
{
    ASSERT_TRUE(startWith(kFont + declared("E", "EDITBOX", {"FONT=F", "RECT=100,50,120,90", "TEXT=abcdefgh", "PRIORITY=3"})));
    CColor black(0, 0, 0);
    window()->SetBackground(&black);
    run("F^SETCOLOR(255, 255, 255)");
    turn();
    auto inked = [this](int left, int right) {
        const uint16_t* pixels = reinterpret_cast<const uint16_t*>(display.primary()->pixels());
        int count = 0;
        for (int y = 50; y < 90; ++y)
            for (int x = left; x < right; ++x)
                count += pixels[y * 800 + x] == 0xFFFF;
        return count;
    };
    EXPECT_GT(inked(100, 120), 0);
    EXPECT_EQ(inked(120, 140), 0) << "a text wider than the field is cut at its edge";
    run("E^SETTEXT(\"\")");
    turn();
    EXPECT_EQ(inked(100, 140), 0);
}

TEST_F(EditBoxObject, HandledSignalsAreRaisedAsThePlayerTypes)
{
    ASSERT_TRUE(startWith(kFont + behaviour("ENTERED", "LOG^ADD(\"enter|\");") +
                          declared("E", "EDITBOX", {"FONT=F", "RECT=100,50,120,90", "TEXT=ab", "ONFOCUSON=" + logs("on"), "ONFOCUSOFF=" + logs("off"), "ONCHANGED=" + logs("changed"),
                                      "ONESC=" + logs("esc")}) +
                          declared("OTHER", "EDITBOX", {"FONT=F", "RECT=200,50,220,90"})));
    run("E^ACTIVE()");
    type("c Enter Back");
    EXPECT_EQ(run("E^GETTEXT()"), "abc");
    EXPECT_EQ(log(), "on|changed|") << "Enter raises nothing while ONENTER is not handled, Backspace never does";
    run("E^ADDBEHAVIOUR(\"ONENTER\", \"ENTERED\")");
    clearLog();
    type("Enter Esc");
    EXPECT_EQ(log(), "enter|esc|");
    EXPECT_EQ(run("E^GETTEXT()"), "abc|");

    run("E^SETREADONLY(TRUE)");
    clearLog();
    type("Enter Esc x");
    EXPECT_EQ(log(), "") << "a read-only field raises nothing";
    EXPECT_EQ(run("E^GETTEXT()"), "abc|");
    run("E^SETREADONLY(FALSE)");
    run("E^ENABLENL(FALSE)");
    type("Enter");
    EXPECT_EQ(run("E^GETTEXT()"), "abc|");
    run("E^ENABLENL(TRUE)");
    type("Enter");
    EXPECT_EQ(run("E^GETTEXT()"), "abc||");

    clearLog();
    run("OTHER^ACTIVE()");
    run("E^ACTIVE()");
    run("E^DEACTIVE()");
    run("E^DISABLE()");
    EXPECT_EQ(log(), "off|on|off|");
}

TEST_F(EditBoxObject, MethodsDriveTheField)
{
    ASSERT_TRUE(startWith(kFont + declared("CUR", "IMAGE", {"FILENAME=CUR.IMG"}) + declared("E", "EDITBOX", {"FONT=F", "RECT=100,50,120,90", "CURSOR=CUR"})));
    struct Case {
        const char* line;
        const char* answer;
    };
    const Case cases[] = {
        {"E^GETTEXT()", ""},
        {"E^ADDTEXT(\"ab\")", "none"},
        {"E^ADDTEXT(\"cd\")", "none"},
        {"E^GETTEXT()", "abcd"},
        {"E^SETTEXT(\"xyz\")", "none"},
        {"E^GETTEXT()", "xyz"},
        {"E^SETCURSORPOS(2)", "none"},
        {"E^SETCURSORPOS(99)", "none"},
        {"E^MOVE(10, 5)", "none"},
        {"E^SETPOSITION(0, 0)", "none"},
        {"E^SETRECT(10, 20, 50, 60)", "none"},
        {"E^SETPRIORITY(9)", "none"},
        {"E^SETCOLOR(0, 255, 0)", "none"},
        {"E^DISABLE()", "none"},
        {"E^ENABLE()", "none"},
        {"E^NOSUCHMETHOD()", "none"},
        {"E^GETNAME()", "E"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(run(c.line), c.answer) << c.line;
    CEditBox6* e = box("E");
    EXPECT_EQ(e->getCursorPos(), 3) << "the cursor stays within the text";
    EXPECT_EQ(image("CUR")->getImage()->GetPosition(), CXPoint(22, 21)) << "placed again in the new rectangle";
    EXPECT_EQ(e->getBoundingRect(), CXRect(10, 20, 50, 60));
    EXPECT_EQ(e->getTextObject()->GetPosition(), CXPoint(10, 20));
    EXPECT_EQ(window()->GetRefreshScreenInterface()->GetPriority(e->getTextObject()), 9);
    EXPECT_EQ(e->getTextObject()->getColor(), 0x07E0);
    EXPECT_TRUE(e->isEnabled());
    run("E^MOVE(10, 5)");
    EXPECT_EQ(e->getBoundingRect(), CXRect(20, 25, 60, 65));
    run("E^SETPOSITION(100, 50)");
    EXPECT_EQ(e->getBoundingRect(), CXRect(100, 50, 140, 90));
}

TEST_F(EditBoxObject, AFieldOutlivesItsFont)
{
    ASSERT_TRUE(startWith(kFont + declared("CUR", "IMAGE", {"FILENAME=CUR.IMG"}) +
                          declared("E", "EDITBOX", {"FONT=F", "RECT=100,50,120,90", "TEXT=ab", "CURSOR=CUR"})));
    run("E^ACTIVE()");
    ASSERT_EQ(image("CUR")->getImage()->GetPosition(), CXPoint(108, 51));
    CMC_Object::destroy(object("F"));
    // Typed, wrapped, drawn and placed with its font freed: nothing is measured any more.
    type("c Back x Enter y");
    turn();
    EXPECT_EQ(run("E^GETTEXT()"), "abx|y");
    EXPECT_EQ(image("CUR")->getImage()->GetPosition(), CXPoint(108 - 8, 51));
    run("E^SETTEXT(\"xyz\")");
    turn();
}

TEST_F(EditBoxObject, AStoredFieldComesBackEmptyAtItsRectangle)
{
    ASSERT_TRUE(startWith(kFont + declared("CUR", "IMAGE", {"FILENAME=CUR.IMG"}) +
                          declared("E", "EDITBOX", {"FONT=F", "TEXT=ab", "PRIORITY=7", "CURSOR=CUR", "RECT=1,2,33,44"})));
    run("E^ADDTEXT(\"c\")");
    std::string record = stored(editBox("E"));
    auto text = [](const std::string& value) { return std::string{char(value.size()), 0, 0, 0} + value; };
    std::string fields = text("F") + std::string("\x01\0\0\0\x02\0\0\0\x21\0\0\0\x2C\0\0\0", 16) + text("abc") + text("CUR");
    EXPECT_EQ(record.substr(record.size() - fields.size()), fields);

    auto* copy = dynamic_cast<CMC_EditBox*>(restored("EDITBOX", record));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(apptest::text(copy->getName()), "E");
    CEditBox6* restoredBox = copy->getEditBox();
    ASSERT_NE(restoredBox, nullptr);
    EXPECT_EQ(restoredBox->getBoundingRect(), CXRect(1, 2, 33, 44));
    EXPECT_EQ(apptest::text(restoredBox->getText()), "");
    EXPECT_EQ(window()->GetRefreshScreenInterface()->GetPriority(restoredBox->getTextObject()), 0);
    unit()->activateEditBox(restoredBox);
    EXPECT_EQ(image("CUR")->getImage()->GetPosition(), CXPoint(1, 3)) << "its cursor is found again";
    type("z");
    EXPECT_EQ(apptest::text(restoredBox->getText()), "z");
    EXPECT_EQ(image("CUR")->getImage()->GetPosition(), CXPoint(5, 3)) << "and its font";
}

TEST_F(EditBoxObject, AFieldOfAnEpisodeLosesItsBoxWhenTheSceneChanges)
{
    writeDefinition(apptest::treeElement("GAME", "APPLICATION", {"EPISODES=EP"}) + apptest::treeElement("EP", "EPISODE", {"SCENES=S1,S2"}) +
                    apptest::treeElement("S1", "SCENE", {}) + apptest::treeElement("S2", "SCENE", {}));
    writeScript("EP", kFont + declared("HELD", "EDITBOX", {"FONT=F", "RECT=100,50,120,90", "TEXT=ab"}));
    writeScript("S1", declared("OWN", "EDITBOX", {"FONT=F", "RECT=100,50,120,90"}));
    ASSERT_TRUE(start());
    ASSERT_NE(box("HELD"), nullptr);
    EXPECT_EQ(unit()->getEditBoxCount(), 2);
    run("HELD^ACTIVE()");
    episode("EP")->next();
    turn();
    EXPECT_EQ(liveSceneName(), "S2");
    EXPECT_EQ(unit()->getEditBoxCount(), 0);
    EXPECT_EQ(box("HELD"), nullptr);
    EXPECT_EQ(run("HELD^GETTEXT()"), "none");
    run("HELD^SETTEXT(\"x\")");
    type("x Tab");
}

} // namespace
