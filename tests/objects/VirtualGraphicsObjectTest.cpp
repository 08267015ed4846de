// VIRTUALGRAPHICSOBJECT objects in a live scene: made by definition and by the scene's
// CREATEOBJECT "VGO", a source and a mask set by name (an ANIMO masks with the frame it shows),
// every method of its table, collision watching left when the object goes, and clones.
#include "MediaScene.h"

#include "graphics/CRefreshScreen.h"
#include "graphics/CVirtualGraphicsObject.h"
#include "objects/CMC_VirtualGraphicsObject.h"

using namespace objectstest;

namespace {

class VirtualObject : public MediaScene {
protected:
    void SetUp() override
    {
        MediaScene::SetUp();
        writePicture("SRC.IMG", 40, 30, 0x07E0);
        // A mask of 10 x 6 standing at (5, 5), opaque but for its first column.
        graphicstest::StillImage mask(10, 6, filledColour(10, 6, 0), filledAlpha(10, 6, 255));
        for (int row = 0; row < 6; ++row)
            mask.alpha[size_t(row) * 10] = 0;
        mask.x = 5;
        mask.y = 5;
        graphicstest::Bytes bytes = mask.pik();
        writeFile(gameFolder + "Dane/MASK.IMG", std::string(bytes.begin(), bytes.end()));
    }
    // VGO of the properties, SRC and MASK as images off the screen, and the objects given.
    bool startVirtual(std::initializer_list<std::string> properties, const std::string& more = "")
    {
        return startWith(declared("VGO", "VIRTUALGRAPHICSOBJECT", properties) + declared("SRC", "IMAGE", {"FILENAME=SRC.IMG"}) +
                         declared("MASK", "IMAGE", {"FILENAME=MASK.IMG"}) + more);
    }
    CMC_VirtualGraphicsObject* virtualObject(const std::string& name = "VGO")
    {
        return dynamic_cast<CMC_VirtualGraphicsObject*>(object(name));
    }
    CVirtualGraphicsObject* graphics(const std::string& name = "VGO") { return virtualObject(name)->getGraphics(); }
    CRefreshScreen* screen() { return window()->GetRefreshScreenInterface(); }
    uint16_t shownAt(int x, int y) { return reinterpret_cast<uint16_t*>(display.primary()->pixels())[y * 800 + x]; }
};

TEST_F(VirtualObject, TheDefinitionShowsNothingUntilASourceAndAMaskAreSet)
{
    ASSERT_TRUE(startVirtual({"TOCANVAS=TRUE", "PRIORITY=4", "SOURCE=SRC", "MASK=MASK"}));
    EXPECT_EQ(screen()->GetPriority(graphics()), 4);
    EXPECT_EQ(run("VGO^ISVISIBLE()"), "FALSE");
    run("VGO^SHOW()");
    EXPECT_EQ(run("VGO^ISVISIBLE()"), "TRUE");
    EXPECT_EQ(graphics()->getSource(), nullptr);
    EXPECT_EQ(run("VGO^GETWIDTH()"), "0");
    run("VGO^SETSOURCE(\"NOBODY\")");
    EXPECT_EQ(graphics()->getSource(), nullptr);
    run("VGO^SETSOURCE(\"SRC\")");
    run("VGO^SETMASK(\"MASK\")");
    run("VGO^SETPOSITION(300, 200)");
    EXPECT_EQ(run("VGO^GETWIDTH()") + "x" + run("VGO^GETHEIGHT()"), "10x6");
    EXPECT_EQ(run("VGO^GETPOSITIONX()") + "," + run("VGO^GETPOSITIONY()"), "300,200");
    turn();
    EXPECT_EQ(shownAt(301, 200), 0x07E0);
    EXPECT_EQ(shownAt(300, 200), 0);
    EXPECT_EQ(shownAt(310, 200), 0);
    // Through the mask's alpha, or by the box alone.
    EXPECT_EQ(run("VGO^ISINSIDE(300, 200, TRUE)"), "FALSE");
    EXPECT_EQ(run("VGO^ISINSIDE(300, 200, FALSE)"), "TRUE");
    EXPECT_EQ(run("VGO^ISINSIDE(301, 200, TRUE)"), "TRUE");
    run("VGO^HIDE()");
    EXPECT_EQ(run("VGO^ISVISIBLE()"), "FALSE");
}

TEST_F(VirtualObject, ClippingMovingNearnessAndPriority)
{
    ASSERT_TRUE(startVirtual({"TOCANVAS=TRUE", "VISIBLE=TRUE"}));
    run("VGO^SETSOURCE(\"SRC\")");
    run("VGO^SETMASK(\"MASK\")");
    run("VGO^SETPOSITION(300, 200)");
    run("VGO^SETCLIPPING(1, 0, 3, 6)");
    turn();
    EXPECT_EQ(shownAt(302, 200), 0x07E0);
    EXPECT_EQ(shownAt(303, 200), 0);
    run("VGO^CLEARCLIPPING()");
    run("VGO^INVALIDATE()");
    turn();
    EXPECT_EQ(shownAt(305, 200), 0x07E0);
    run("VGO^MOVE(10, 20)");
    EXPECT_EQ(run("VGO^GETPOSITIONX()") + "," + run("VGO^GETPOSITIONY()"), "310,220");
    EXPECT_EQ(run("VGO^ISNEAR(305, 215, 330, 240, 100)"), "TRUE");
    EXPECT_EQ(run("VGO^ISNEAR(315, 220, 330, 240, 60)"), "FALSE");
    run("VGO^SETPRIORITY(9)");
    EXPECT_EQ(screen()->GetPriority(graphics()), 9);
    run("VGO^SETASBUTTON(TRUE, FALSE)");
    run("VGO^SETCLIPPING(\"NOBODY\")");
    EXPECT_EQ(graphics()->GetClippingRect(), CXRect(0, 0, 0, 0));
}

TEST_F(VirtualObject, AnAnimoMasksWithTheFrameItShowsAtThatMoment)
{
    graphicstest::AnimationFile animation = animationOf(2, 0, 0, {graphicstest::AnimationEvent("RUN", {{0}, {1}})});
    animation.frames[1].width = 5;
    animation.frames[1].colour = filledColour(5, 10, 0);
    animation.frames[1].alpha = filledAlpha(5, 10, 255);
    writeAnimation("HERO.ANN", animation);
    ASSERT_TRUE(startVirtual({"VISIBLE=TRUE"}, declared("HERO", "ANIMO", {"FILENAME=HERO.ANN"})));
    run("HERO^SETFRAME(\"RUN\", 1)");
    run("VGO^SETSOURCE(\"SRC\")");
    run("VGO^SETMASK(\"HERO\")");
    EXPECT_EQ(graphics()->getMaskOwner(), liveScene()->getGraphicsObject("HERO"));
    EXPECT_EQ(run("VGO^GETWIDTH()"), "5");
    run("HERO^SETFRAME(\"RUN\", 0)");
    EXPECT_EQ(run("VGO^GETWIDTH()"), "5");
}

TEST_F(VirtualObject, CreateObjectMakesAShownOneAndDeletingItEndsItsCollisionWatching)
{
    writePicture("WALL.IMG", 10, 10, 0x001F, 255, 0, 0);
    ASSERT_TRUE(startWith(declared("WALL", "IMAGE", {"FILENAME=WALL.IMG", "VISIBLE=TRUE", "TOCANVAS=TRUE", "MONITORCOLLISION=TRUE"}) +
                          declared("SRC", "IMAGE", {"FILENAME=SRC.IMG"})));
    run("S^CREATEOBJECT(\"VGO\", \"MADE\")");
    ASSERT_NE(virtualObject("MADE"), nullptr);
    EXPECT_EQ(screen()->GetPriority(graphics("MADE")), 0);
    EXPECT_EQ(run("MADE^ISVISIBLE()"), "TRUE");
    run("MADE^SETSOURCE(\"SRC\")");
    run("MADE^MONITORCOLLISION(FALSE)");
    EXPECT_TRUE(graphics("MADE")->getMonitorCollisionsFlag());
    run("MADE^MOVE(5, 5)");
    turn();
    // Watched and overlapping the wall, raising nothing; then deleted while watched.
    run("MADE^REMOVEMONITORCOLLISION()");
    EXPECT_FALSE(graphics("MADE")->getMonitorCollisionsFlag());
    run("MADE^MONITORCOLLISION(TRUE)");
    run("MADE^MOVE(1, 1)");
    CMC_Object* made = object("MADE");
    liveScene()->removeObject(made);
    CMC_Object::destroy(made);
    run("WALL^MOVE(1, 0)");
    turn();
    turn();
}

TEST_F(VirtualObject, AClonePutsItsCopyAtTheSamePriority)
{
    ASSERT_TRUE(startVirtual({"TOCANVAS=TRUE", "PRIORITY=6", "VISIBLE=TRUE"}));
    run("VGO^SETSOURCE(\"SRC\")");
    run("VGO^SETMASK(\"MASK\")");
    run("VGO^SETPOSITION(50, 60)");
    run("VGO^CLONE(1)");
    ASSERT_NE(virtualObject("VGO_1"), nullptr);
    CVirtualGraphicsObject* copy = graphics("VGO_1");
    EXPECT_NE(copy, graphics());
    EXPECT_EQ(screen()->GetPriority(copy), 6);
    EXPECT_EQ(copy->getSource(), graphics()->getSource());
    EXPECT_EQ(copy->getMask(), graphics()->getMask());
    EXPECT_EQ(run("VGO_1^GETPOSITIONX()") + "," + run("VGO_1^GETWIDTH()"), "50,10");
}

} // namespace
