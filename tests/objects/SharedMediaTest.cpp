// Pictures shared within a scene: one engine object per file with a use per object, released by
// its last user; objects deleted outside an unload leave nothing behind; a picture given up from
// its own signal outlives the signal; linked images and clones never show freed pixels.
#include "MediaScene.h"

#include "graphics/CAnimo6.h"
#include "graphics/CImage.h"

#include <memory>

using namespace objectstest;
using graphicstest::AnimationEvent;

namespace {

class SharedMedia : public MediaScene {
protected:
    void SetUp() override
    {
        MediaScene::SetUp();
        writePicture("BOX.IMG", 50, 20, 0xF800, 255, 100, 40);
        writePicture("DOT.IMG", 4, 4, 0x07E0, 128, 0, 0);
        writeAnimation("HERO.ANN", animationOf(2, 10, 20, {AnimationEvent("WALK", {{0}, {1}})}));
        writeAnimation("OTHER.ANN", animationOf(1, 10, 20, {AnimationEvent("WAIT", {{0}})}));
    }
    static std::weak_ptr<const void> lifeOf(CPlayable* medium) { return medium->lifetime(); }
    // Deletes an object as a script's DELETE or a loader's RELEASE does, outside any unload.
    static void destroy(CMC_Object* object) { CMC_Object::destroy(object); }
};

TEST_F(SharedMedia, ObjectsOfOneFileShareOnePictureUntilTheLastOneGoes)
{
    ASSERT_TRUE(startWith(declared("A", "IMAGE", {"FILENAME=BOX.IMG"}) + declared("B", "IMAGE", {"FILENAME=box.img"}) +
                          declared("C", "IMAGE", {"FILENAME=DOT.IMG"})));
    CImage* shared = image("A")->getImage();
    EXPECT_EQ(image("B")->getImage(), shared);
    EXPECT_NE(image("C")->getImage(), shared);
    std::weak_ptr<const void> life = lifeOf(shared);
    // The first user's done keeps the picture for the second; the second's release deletes it.
    image("A")->done(false);
    destroy(image("A"));
    EXPECT_FALSE(life.expired());
    EXPECT_EQ(run("B^GETWIDTH()"), "50");
    destroy(image("B"));
    EXPECT_TRUE(life.expired());
}

TEST_F(SharedMedia, ObjectsOutsideScenesOwnTheirPictures)
{
    // The episode's object shares nothing with the scene's.
    writeScript("E", declared("OWN", "IMAGE", {"FILENAME=BOX.IMG"}));
    ASSERT_TRUE(startWith(declared("A", "IMAGE", {"FILENAME=BOX.IMG"})));
    CMC_Image* own = image("OWN");
    ASSERT_NE(own, nullptr);
    EXPECT_NE(own->getImage(), image("A")->getImage());
    std::weak_ptr<const void> life = lifeOf(own->getImage());
    destroy(own);
    EXPECT_TRUE(life.expired());
}

TEST_F(SharedMedia, ADeletedObjectLeavesTheWindowAndTheWatcher)
{
    ASSERT_TRUE(startWith(declared("A", "IMAGE", {"FILENAME=BOX.IMG", "VISIBLE=TRUE", "ASBUTTON=TRUE",
                                                  "MONITORCOLLISION=TRUE", "ONCLICK=" + logs("a"),
                                                  "ONCOLLISION=" + logs("hit")}) +
                          declared("B", "IMAGE", {"FILENAME=BOX.IMG", "VISIBLE=TRUE", "MONITORCOLLISION=TRUE"}) +
                          declared("C", "IMAGE", {"FILENAME=DOT.IMG", "VISIBLE=TRUE", "MONITORCOLLISION=TRUE"})));
    destroy(image("A"));
    // The pointer, a move into the shared picture and the turns reach nobody that is gone.
    press(120, 50);
    run("C^SETPOSITION(110, 45)");
    turns(2);
    EXPECT_EQ(log(), "");
}

TEST_F(SharedMedia, APictureReplacedFromItsOwnSignalIsGivenUpAfterwards)
{
    ASSERT_TRUE(startWith(declared("HERO", "ANIMO", {"FILENAME=HERO.ANN", "VISIBLE=TRUE", "TOCANVAS=TRUE", "FPS=10",
                                                     "ONFINISHED={HERO^LOAD(\"OTHER.ANN\");LOG^ADD(\"loaded|\");}"})));
    std::weak_ptr<const void> walk = lifeOf(animo("HERO")->getAnimo());
    run("HERO^PLAY(\"WALK\")");
    turns(4, 100);
    EXPECT_EQ(log(), "loaded|");
    EXPECT_EQ(apptest::text(animo("HERO")->getAnimo()->getFileName()), "OTHER.ANN");
    // The old animation waits, hidden, for the window's trash.
    EXPECT_FALSE(walk.expired());
    turn(10000);
    EXPECT_TRUE(walk.expired());
}

TEST_F(SharedMedia, AnObjectDeletedByItsOwnSignalLeavesItsPictureToTheTrash)
{
    // Loaded by the script loader, the animation is the object's own; its ONFINISHED releases the
    // loaded script and with it the object.
    writeFile("Dane/PART.CNV", declared("HERO", "ANIMO", {"FILENAME=HERO.ANN", "VISIBLE=TRUE", "FPS=10",
                                                         "ONFINISHED={CNVLOADER^RELEASE(\"PART.CNV\");}"}));
    ASSERT_TRUE(startWith(""));
    run("CNVLOADER^LOAD(\"PART.CNV\")");
    CMC_ObjectRef hero(animo("HERO"));
    ASSERT_TRUE(hero.isAlive());
    std::weak_ptr<const void> walk = lifeOf(animo("HERO")->getAnimo());
    run("HERO^PLAY(\"WALK\")");
    turns(4, 100);
    EXPECT_FALSE(hero.isAlive());
    EXPECT_FALSE(walk.expired());
    turn(10000);
    EXPECT_TRUE(walk.expired());
}

} // namespace

namespace {

TEST_F(SharedMedia, ALinkedImageFollowsItsSourceAndShowsNothingOnceItIsGone)
{
    writePicture("RED.IMG", 4, 4, 0x7C00, 255, 0, 0);
    ASSERT_TRUE(startWith(declared("A", "IMAGE", {"FILENAME=DOT.IMG"}) + declared("B", "IMAGE", {"FILENAME=BOX.IMG"}) +
                          declared("C", "IMAGE", {"FILENAME=RED.IMG"})));
    run("B^LINK(\"A\")");
    // B keeps its place and shows A's pixels.
    EXPECT_EQ(run("B^GETPOSITIONX()"), "100");
    EXPECT_EQ(run("B^GETPIXEL(100, 40)"), run("A^GETPIXEL(0, 0)"));
    EXPECT_EQ(run("B^GETALPHA(100, 40)"), "-128");
    // A that shows C's pixels itself now: B follows.
    run("A^LINK(\"C\")");
    EXPECT_EQ(run("B^GETPIXEL(100, 40)"), "31744");
    // A link back would make a circle: refused.
    run("C^LINK(\"B\")");
    EXPECT_EQ(run("C^GETPIXEL(0, 0)"), "31744");
    // Once the pictures B follows are gone, B shows nothing.
    destroy(image("C"));
    EXPECT_EQ(run("B^GETWIDTH()"), "0");
    EXPECT_EQ(run("B^GETPIXEL(100, 40)"), "0");
}

TEST_F(SharedMedia, AReloadedSourceLeavesItsLinkedImageNoFreedPixels)
{
    ASSERT_TRUE(startWith(declared("A", "IMAGE", {"FILENAME=DOT.IMG"}) + declared("B", "IMAGE", {"FILENAME=BOX.IMG"})));
    run("B^LINK(\"A\")");
    std::weak_ptr<const void> dot = lifeOf(image("A")->getImage());
    run("A^LOAD(\"BOX.IMG\")");
    EXPECT_TRUE(dot.expired());
    EXPECT_EQ(run("B^GETWIDTH()"), "0");
    // B's own reload ends its link.
    run("B^LOAD(\"DOT.IMG\")");
    EXPECT_EQ(run("B^GETWIDTH()"), "4");
}

TEST_F(SharedMedia, AnImageCloneShowsItsSourcesPixelsAndKeepsThemWhileItLives)
{
    ASSERT_TRUE(startWith(declared("A", "IMAGE", {"FILENAME=DOT.IMG", "TOCANVAS=TRUE", "PRIORITY=4"})));
    run("A^CLONE(1)");
    CMC_Image* clone = image("A_1");
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(run("A_1^GETPRIORITY()"), "4");
    EXPECT_EQ(run("A_1^GETPIXEL(0, 0)"), run("A^GETPIXEL(0, 0)"));
    // The source loads another file: the clone keeps the picture it shows.
    std::weak_ptr<const void> dot = lifeOf(image("A")->getImage());
    run("A^LOAD(\"BOX.IMG\")");
    EXPECT_FALSE(dot.expired());
    EXPECT_EQ(run("A_1^GETWIDTH()"), "4");
    destroy(clone);
    EXPECT_TRUE(dot.expired());
}

TEST_F(SharedMedia, AnAnimationCloneOwnsItsCopy)
{
    ASSERT_TRUE(startWith(declared("HERO", "ANIMO", {"FILENAME=HERO.ANN", "VISIBLE=TRUE", "FPS=10",
                                                     "ONFINISHED=" + logs("finished")})));
    run("HERO^CLONE(1)");
    CMC_Animo* clone = animo("HERO_1");
    ASSERT_NE(clone, nullptr);
    EXPECT_NE(clone->getAnimo(), animo("HERO")->getAnimo());
    // Off the screen, the source puts its clone at 0; the clone hears its own copy.
    EXPECT_EQ(run("HERO_1^GETPRIORITY()"), "0");
    run("HERO_1^PLAY(\"WALK\")");
    turns(4, 100);
    EXPECT_EQ(log(), "finished|");
    std::weak_ptr<const void> copy = lifeOf(clone->getAnimo());
    destroy(clone);
    EXPECT_TRUE(copy.expired());
    EXPECT_EQ(run("HERO^GETNOF()"), "2");
}

} // namespace
