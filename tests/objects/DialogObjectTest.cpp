// DIALOG objects in a live scene: a panel put together from the scene's pictures, animations and
// texts, shown, hidden and dragged as one by the strip along the top of its background.
#include "MediaScene.h"
#include "sound/SoundFixture.h"

#include "graphics/CAnimo6.h"
#include "graphics/CButton.h"
#include "graphics/CHotSpot.h"
#include "graphics/CImage.h"
#include "graphics/CMultilineText6.h"
#include "graphics/CRefreshScreen.h"
#include "graphics/CXDialog.h"
#include "objects/CMC_Button.h"
#include "objects/CMC_Dialog.h"
#include "objects/CMC_Text.h"

using namespace objectstest;

namespace {

class DialogObject : public MediaScene {
protected:
    void SetUp() override
    {
        MediaScene::SetUp();
        writeFont("PLAIN.FNT", graphicstest::blockFont(2, 8, 4));
        writePicture("BG.IMG", 100, 60, 0x1111, -1, 100, 100);
        writePicture("PIC.IMG", 10, 10, 0x2222, -1, 120, 140);
        writeAnimation("A.ANN", animationOf(1, 150, 140, {graphicstest::AnimationEvent("still", {{0}})}));
        writePicture("OTHER.IMG", 5, 5, 0x3333);
        writePicture("KEY.IMG", 20, 10, 0x4444, 255, 170, 110);
        writePicture("KEYLIT.IMG", 20, 10, 0x5555, 255, 170, 110);
        writeFile(gameFolder + "Wavs/BEEP.WAV", soundtest::wave({.data = soundtest::samples(soundtest::ramp(800))}));
    }
    // A background 100 x 60 at (100, 100) on the screen at 2, a picture at (120, 140) at 3, an
    // animation playing at (150, 140) at 1, a text at (110, 170), not yet on the screen, a button
    // of 20 x 10 at (170, 110) whose looks stand at 6 and 7, and a sound.
    bool startPanel()
    {
        return startWith(declared("F", "FONT", {"DEF_BLOCK_STANDARD_10=PLAIN.FNT"}) +
                         declared("BG", "IMAGE", {"FILENAME=BG.IMG", "TOCANVAS=TRUE", "PRIORITY=2", "VISIBLE=TRUE"}) +
                         declared("PIC", "IMAGE", {"FILENAME=PIC.IMG", "TOCANVAS=TRUE", "PRIORITY=3", "VISIBLE=TRUE"}) +
                         declared("A", "ANIMO", {"FILENAME=A.ANN", "TOCANVAS=TRUE", "PRIORITY=1", "VISIBLE=TRUE"}) +
                         declared("T", "TEXT", {"TEXT=ab", "FONT=F", "RECT=110,170,190,180", "HJUSTIFY=LEFT", "VJUSTIFY=TOP"}) +
                         declared("KEY", "IMAGE", {"FILENAME=KEY.IMG", "TOCANVAS=TRUE", "PRIORITY=6", "VISIBLE=TRUE"}) +
                         declared("KEYLIT", "IMAGE", {"FILENAME=KEYLIT.IMG", "TOCANVAS=TRUE", "PRIORITY=7"}) +
                         declared("B", "BUTTON", {"GFXSTANDARD=KEY", "GFXONMOVE=KEYLIT", "ENABLE=TRUE"}) +
                         declared("SND", "SOUND", {"FILENAME=BEEP.WAV"}) +
                         declared("D", "DIALOG")) &&
               run("A^PLAY(\"still\")") == "none";
    }

    CXDialog* dialog(const std::string& name = "D")
    {
        auto* made = dynamic_cast<CMC_Dialog*>(object(name));
        return made != nullptr ? made->getDialog() : nullptr;
    }
    CGraphicsObject* background() { return image("BG")->getImage(); }
    CGraphicsObject* picture() { return image("PIC")->getImage(); }
    CGraphicsObject* animation() { return animo("A")->getAnimo(); }
    CGraphicsObject* text() { return dynamic_cast<CMC_Text*>(object("T"))->getText(); }
    CButton* button() { return dynamic_cast<CMC_Button*>(object("B"))->getButton(); }
    int priority(CGraphicsObject* graphics) { return window()->GetRefreshScreenInterface()->GetPriority(graphics); }
    static std::string at(CGraphicsObject* graphics)
    {
        return std::to_string(graphics->GetPosition().x) + "," + std::to_string(graphics->GetPosition().y);
    }
    void drag(CXPoint from, CXPoint to)
    {
        moveTo(from.x, from.y);
        press(from.x, from.y);
        moveTo(to.x, to.y);
        release(to.x, to.y);
    }
};

TEST_F(DialogObject, OnlyButtonsPicturesAndTextsJoinTheDialogAndOnlyOnce)
{
    ASSERT_TRUE(startPanel());
    run("D^SETBACKGROUND(\"T\")");
    run("D^SETBACKGROUND(\"NOBODY\")");
    EXPECT_EQ(dialog()->getBackground(), nullptr) << "only an IMAGE or an ANIMO is a background";
    run("D^SETBACKGROUND(\"BG\")");
    EXPECT_EQ(dialog()->getBackground(), background());
    EXPECT_EQ(priority(background()), CXDialog::backgroundPriority);

    for (const char* name : {"PIC", "PIC", "A", "T", "B", "B", "SND", "LOG", "F", "D", "NOBODY"})
        run("D^ADD(\"" + std::string(name) + "\")");
    EXPECT_EQ(priority(picture()), 3 + CXDialog::memberRaise) << "added twice, raised once";
    EXPECT_EQ(priority(button()->GetStandard()), 6 + CXDialog::memberRaise);
    EXPECT_EQ(priority(button()->GetOnMove()), 7 + CXDialog::memberRaise);
    EXPECT_EQ(priority(animation()), 1 + CXDialog::memberRaise);
    EXPECT_EQ(priority(text()), -1 + CXDialog::memberRaise);

    run("D^HIDE()");
    EXPECT_FALSE(picture()->isVisible() || animation()->isVisible() || text()->isVisible() || background()->isVisible() ||
                 button()->GetStandard()->isVisible());
    EXPECT_FALSE(button()->IsEnabled());
    run("D^SHOW()");
    EXPECT_TRUE(picture()->isVisible() && animation()->isVisible() && text()->isVisible() && button()->GetStandard()->isVisible());
    EXPECT_TRUE(button()->IsEnabled());
    EXPECT_FALSE(background()->isVisible()) << "showing leaves the background as it is";
}

TEST_F(DialogObject, DraggingTheStripMovesTheWholePanelAndTheStripFollows)
{
    ASSERT_TRUE(startPanel());
    run("D^SETBACKGROUND(\"BG\")");
    run("D^ADD(\"PIC\")");
    run("D^ADD(\"A\")");
    run("D^ADD(\"T\")");
    run("D^ADD(\"B\")");
    turn();
    CButton* strip = dialog()->getTitleButton();
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(strip->getHotSpot()->getActiveRect(), CXRect(100, 100, 200, 130));

    const std::vector<CGraphicsObject*> panel{background(), picture(), animation(), text(), button()->GetStandard(),
                                              button()->GetOnMove()};
    std::vector<CXRect> before;
    for (CGraphicsObject* member : panel)
        before.push_back(member->GetBoundingBox());
    drag(CXPoint(110, 105), CXPoint(120, 110));
    for (size_t i = 0; i < panel.size(); ++i)
        EXPECT_EQ(panel[i]->GetBoundingBox(), before[i] + CXPoint(10, 5)) << "member " << i;
    EXPECT_EQ(strip->getHotSpot()->getActiveRect(), CXRect(110, 105, 210, 135));
    EXPECT_EQ(priority(background()), CXDialog::backgroundPriority) << "back in place after the drag";

    // Below the strip the background is not a handle; on the moved strip it is.
    drag(CXPoint(150, 150), CXPoint(160, 160));
    EXPECT_EQ(at(background()), "110,105");
    drag(CXPoint(205, 130), CXPoint(200, 120));
    EXPECT_EQ(at(background()), "105,95");
    EXPECT_EQ(at(picture()), "125,135");

    run("D^HIDE()");
    drag(CXPoint(110, 100), CXPoint(150, 150));
    EXPECT_EQ(at(background()), "105,95") << "a hidden dialog is no handle";
    run("D^SHOW()");
    drag(CXPoint(110, 100), CXPoint(111, 101));
    EXPECT_EQ(at(background()), "106,96");
}

TEST_F(DialogObject, MembersThatGoLeaveTheDialog)
{
    ASSERT_TRUE(startPanel());
    run("D^SETBACKGROUND(\"BG\")");
    run("D^ADD(\"PIC\")");
    run("D^ADD(\"A\")");
    run("D^ADD(\"B\")");
    turn();
    CMC_Object::destroy(object("B"));
    // Loading another file deletes the picture each had.
    run("PIC^LOAD(\"OTHER.IMG\")");
    run("D^HIDE()");
    EXPECT_FALSE(animation()->isVisible());
    EXPECT_TRUE(picture()->isVisible()) << "the new picture is no member";
    run("BG^LOAD(\"OTHER.IMG\")");
    EXPECT_FALSE(dialog()->getTitleButton()->getHotSpot()->IsEnabled()) << "the strip is no handle without its picture";
    CXRect before = animation()->GetBoundingBox();
    run("D^SHOW()");
    EXPECT_FALSE(dialog()->getTitleButton()->getHotSpot()->IsEnabled());
    drag(CXPoint(110, 105), CXPoint(120, 110));
    EXPECT_TRUE(animation()->isVisible());
    EXPECT_EQ(animation()->GetBoundingBox(), before);
}

TEST_F(DialogObject, ADialogReadBackFromItsRecordIsEmptyButWorks)
{
    ASSERT_TRUE(startPanel());
    std::string record = stored(object("D"));
    EXPECT_EQ(record.substr(record.size() - 5), std::string("D\0\0\0\0", 5)) << "the common part alone";
    auto* copy = dynamic_cast<CMC_Dialog*>(restored("DIALOG", record));
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(copy->getDialog(), nullptr);
    run("D^SETBACKGROUND(\"BG\")");
    EXPECT_EQ(copy->getDialog()->getBackground(), background());
}

} // namespace
