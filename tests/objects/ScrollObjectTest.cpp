// SCROLL objects in a live scene: pictures of other objects moved behind a viewport, clipped to
// it and hidden outside it, given back unclipped, dropped when their owners go, and the stored
// record.
#include "MediaScene.h"

#include "graphics/CRefreshRegion.h"
#include "graphics/CRefreshScreen.h"
#include "objects/CMC_Scroll.h"

using namespace objectstest;

namespace {

class ScrollObject : public MediaScene {
protected:
    void SetUp() override
    {
        MediaScene::SetUp();
        // Two 20 x 20 pictures: INSIDE at (150, 120), ABOVE at (150, 70).
        writePicture("INSIDE.IMG", 20, 20, 0x07E0, 255, 150, 120);
        writePicture("ABOVE.IMG", 20, 20, 0xF800, 255, 150, 70);
    }
    // SCR: the viewport (100, 100, 300, 200), and the two pictures on the screen.
    bool startScroll()
    {
        return startWith(declared("SCR", "SCROLL", {"VIEWPORT=100,100,300,200"}) +
                         declared("INSIDE", "IMAGE", {"FILENAME=INSIDE.IMG", "VISIBLE=TRUE", "TOCANVAS=TRUE"}) +
                         declared("ABOVE", "IMAGE", {"FILENAME=ABOVE.IMG", "VISIBLE=TRUE", "TOCANVAS=TRUE"}));
    }
    CMC_Scroll* scroll() { return dynamic_cast<CMC_Scroll*>(object("SCR")); }
    CGraphicsObject* picture(const std::string& name) { return liveScene()->getGraphicsObject(name.c_str()); }
    uint16_t shownAt(int x, int y) { return reinterpret_cast<uint16_t*>(display.primary()->pixels())[y * 800 + x]; }
};

TEST_F(ScrollObject, APictureOutsideIsHiddenAndScrolledInItIsShownClipped)
{
    ASSERT_TRUE(startScroll());
    EXPECT_EQ(scroll()->getViewport(), CXRect(100, 100, 300, 200));
    run("SCR^ADD(\"ABOVE\")");
    run("SCR^ADD(\"INSIDE\")");
    EXPECT_FALSE(picture("ABOVE")->isVisible());
    EXPECT_EQ(picture("INSIDE")->GetClippingRect(), CXRect(0, 0, 20, 20));
    run("SCR^SCROLLDOWN(20)");
    EXPECT_TRUE(picture("ABOVE")->isVisible());
    EXPECT_EQ(picture("ABOVE")->GetPosition(), CXPoint(150, 90));
    EXPECT_EQ(picture("ABOVE")->GetClippingRect(), CXRect(0, 10, 20, 20));
    // One step draws the whole screen again.
    EXPECT_TRUE(window()->GetRefreshScreenInterface()->getRefreshList()->isWhole());
    turn();
    EXPECT_EQ(shownAt(155, 95), 0);
    EXPECT_EQ(shownAt(155, 105), 0xF800);
    EXPECT_EQ(shownAt(155, 145), 0x07E0);
    // Scrolled wholly out again it hides.
    run("SCR^SCROLLRIGHT(200)");
    EXPECT_FALSE(picture("ABOVE")->isVisible());
    EXPECT_FALSE(picture("INSIDE")->isVisible());
    run("SCR^SCROLLLEFT(200)");
    EXPECT_TRUE(picture("INSIDE")->isVisible());
}

TEST_F(ScrollObject, UpThenDownReturnsEveryPictureToItsPlace)
{
    ASSERT_TRUE(startScroll());
    run("SCR^ADD(\"ABOVE\")");
    run("SCR^ADD(\"INSIDE\")");
    run("SCR^SCROLLUP(10)");
    EXPECT_EQ(picture("INSIDE")->GetPosition(), CXPoint(150, 110));
    EXPECT_EQ(picture("INSIDE")->GetClippingRect(), CXRect(0, 0, 20, 20));
    run("SCR^SCROLLDOWN(10)");
    EXPECT_EQ(picture("INSIDE")->GetPosition(), CXPoint(150, 120));
    EXPECT_EQ(picture("ABOVE")->GetPosition(), CXPoint(150, 70));
    EXPECT_FALSE(picture("ABOVE")->isVisible());
}

TEST_F(ScrollObject, RemoveLeavesThePictureUnclippedWhereAndAsItIs)
{
    ASSERT_TRUE(startScroll());
    run("SCR^ADD(\"INSIDE\")");
    run("SCR^SCROLLUP(30)");
    ASSERT_EQ(picture("INSIDE")->GetClippingRect(), CXRect(0, 10, 20, 20));
    run("SCR^REMOVE(\"INSIDE\")");
    EXPECT_EQ(picture("INSIDE")->GetClippingRect(), CXRect(0, 0, 0, 0));
    EXPECT_EQ(picture("INSIDE")->GetPosition(), CXPoint(150, 90));
    EXPECT_TRUE(picture("INSIDE")->isVisible());
    run("SCR^SCROLLDOWN(30)");
    EXPECT_EQ(picture("INSIDE")->GetPosition(), CXPoint(150, 90));
    EXPECT_TRUE(scroll()->getPictures().empty());
}

TEST_F(ScrollObject, AnEmptyViewportHidesEverythingAndMovesGoTogether)
{
    ASSERT_TRUE(startScroll());
    run("SCR^ADD(\"INSIDE\")");
    turn();
    run("SCR^MOVE(0, 0)");
    EXPECT_TRUE(window()->GetRefreshScreenInterface()->getRefreshList()->isWhole());
    run("SCR^MOVE(5, 5)");
    EXPECT_EQ(scroll()->getViewport(), CXRect(105, 105, 305, 205));
    EXPECT_EQ(picture("INSIDE")->GetPosition(), CXPoint(155, 125));
    run("SCR^MOVEVIEWPORT(40, 0)");
    EXPECT_EQ(picture("INSIDE")->GetClippingRect(), CXRect(0, 0, 20, 20));
    run("SCR^MOVEVIEWPORT(-40, 0)");
    run("SCR^SETVIEWPORT(0, 0, 0, 0)");
    EXPECT_FALSE(picture("INSIDE")->isVisible());
    run("SCR^SETVIEWPORT(160, 0, 800, 600)");
    run("SCR^INVALIDATE()");
    EXPECT_TRUE(picture("INSIDE")->isVisible());
    EXPECT_EQ(picture("INSIDE")->GetClippingRect(), CXRect(5, 0, 20, 20));
}

TEST_F(ScrollObject, PicturesWhoseOwnersWentOrChangedThemAreDropped)
{
    writePicture("OTHER.IMG", 20, 20, 0x001F, 255);
    ASSERT_TRUE(startScroll());
    run("SCR^ADD(\"INSIDE\")");
    run("SCR^ADD(\"ABOVE\")");
    run("SCR^ADD(\"NOBODY\")");
    EXPECT_EQ(scroll()->getPictures().size(), 2u);
    CMC_Object* inside = object("INSIDE");
    liveScene()->removeObject(inside);
    CMC_Object::destroy(inside);
    // A picture loaded anew is not the one listed.
    run("ABOVE^LOAD(\"OTHER.IMG\")");
    run("SCR^SCROLLDOWN(5)");
    EXPECT_TRUE(scroll()->getPictures().empty());
    EXPECT_EQ(picture("ABOVE")->GetPosition(), CXPoint(0, 0));
    turn();
}

TEST_F(ScrollObject, TheStoredRecordKeepsTheViewport)
{
    ASSERT_TRUE(startScroll());
    run("SCR^ADD(\"INSIDE\")");
    std::string bytes = stored(scroll());
    EXPECT_EQ(bytes.substr(bytes.size() - 16), std::string("\x64\0\0\0\x64\0\0\0\x2c\x01\0\0\xc8\0\0\0", 16));
    stop();
    ASSERT_TRUE(startWith(""));
    auto* copy = dynamic_cast<CMC_Scroll*>(restored("SCROLL", bytes));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->getViewport(), CXRect(100, 100, 300, 200));
    EXPECT_TRUE(copy->getPictures().empty());
}

} // namespace
