// The stored record of ANIMO and IMAGE objects through CXArchive: what is written, and the object
// an empty one becomes when it reads it back.
#include "MediaScene.h"

#include "graphics/CAnimo6.h"
#include "graphics/CImage.h"

#include <functional>

using namespace objectstest;
using graphicstest::AnimationEvent;

namespace {

const std::string kClick = behaviour("CLICK", "LOG^ADD(\"click|\");");
const std::string kFinished = behaviour("FINISHED", "LOG^ADD(\"finished|\");");

class StoredRecord : public MediaScene {
protected:
    void SetUp() override
    {
        MediaScene::SetUp();
        writePicture("BOX.IMG", 50, 20, 0xF800, 255, 100, 40);
        writeAnimation("HERO.ANN", animationOf(2, 10, 20, {AnimationEvent("WALK", {{0}, {1}})}));
    }
};

TEST_F(StoredRecord, AnImageComesBackAsItWasStored)
{
    ASSERT_TRUE(startWith(declared("BOX", "IMAGE", {"FILENAME=BOX.IMG", "TOCANVAS=TRUE", "VISIBLE=TRUE", "PRIORITY=9",
                                                    "ASBUTTON=TRUE", "MONITORCOLLISIONALPHA=TRUE", "FLUSHAFTERPLAYED=TRUE",
                                                    "PRELOAD=TRUE", "ONCLICK=CLICK"}) +
                          kClick));
    std::string bytes = stored(image("BOX"));
    // After the name and the handler: the nine fields.
    std::string tail = bytes.substr(bytes.size() - (3 + 4 + 7 + 2 + 4 + 2));
    EXPECT_EQ(tail, std::string("\x01\x00\x01", 3) + std::string("\x07\0\0\0BOX.IMG", 11) + std::string("\x00\x01", 2) +
                        std::string("\x09\0\0\0", 4) + std::string("\x01\x01", 2));
    // Read back in a scene that never had the object.
    stop();
    ASSERT_TRUE(startWith(kClick));
    auto* copy = dynamic_cast<CMC_Image*>(restored("IMAGE", bytes));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(apptest::text(copy->getName()), "BOX");
    EXPECT_TRUE(copy->isAsButton());
    EXPECT_TRUE(copy->isMonitoringCollisions());
    EXPECT_EQ(copy->getScreenPriority(), 9);
    EXPECT_EQ(copy->getPriority(), 9);
    EXPECT_TRUE(copy->getImage()->releaseAfterUse());
    EXPECT_TRUE(copy->getImage()->CGraphicsObject::isVisible());
    // Its handler came back with it, and the button works.
    EXPECT_TRUE(copy->isListening());
    press(120, 50);
    EXPECT_EQ(log(), "click|");
}

TEST_F(StoredRecord, AnAnimationOffTheScreenStaysOffAndHearsItsFirstPlay)
{
    ASSERT_TRUE(startWith(declared("HERO", "ANIMO", {"FILENAME=HERO.ANN", "PRIORITY=3", "PRELOAD=FALSE",
                                                     "ONFINISHED=FINISHED"}) +
                          kFinished));
    std::string bytes = stored(animo("HERO"));
    stop();
    ASSERT_TRUE(startWith(kFinished));
    auto* copy = dynamic_cast<CMC_Animo*>(restored("ANIMO", bytes));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->getScreenPriority(), -1);
    EXPECT_FALSE(copy->getAnimo()->CGraphicsObject::isVisible());
    EXPECT_FALSE(copy->isAsButton());
    // Not read yet (PRELOAD=FALSE): shown, it reads its file.
    EXPECT_EQ(copy->getAnimo()->GetNOF(), 0);
    run("HERO^SHOW()");
    EXPECT_EQ(run("HERO^GETNOF()"), "2");
    run("HERO^PLAY()");
    turns(3, 100);
    EXPECT_EQ(log(), "");
    run("HERO^PLAY(\"WALK\")");
    turns(3, 100);
    EXPECT_EQ(log(), "finished|");
}

} // namespace
