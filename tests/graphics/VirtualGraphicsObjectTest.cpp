// Virtual graphics objects: a source shown through a mask's alpha where the object stands, the
// part picked by where the mask stands, sizes from both, repaints when either changes inside the
// mask's box, pictures forgotten when destroyed, off-screen sources brought up to date once a
// frame, and hits tested on the mask.
#include "ScreenHarness.h"
#include "graphics/CAnimo.h"
#include "graphics/CColor.h"
#include "graphics/CPixelLoops.h"
#include "graphics/CVirtualGraphicsObject.h"

#include <gtest/gtest.h>

#include <memory>

namespace graphicstest {

namespace {

// A source whose pixel (x, y) is x + 64 × y.
std::unique_ptr<CGraphicsObject> numbered(CWindow* window, int width, int height)
{
    auto made = std::make_unique<CGraphicsObject>(window, CXSize(width, height), 16);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            pixelsOf(*made)[y * width + x] = uint16_t(x + 64 * y);
    }
    return made;
}

class VirtualGraphicsObjectTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        window->SetBackground(&black);
        shownObject = std::make_unique<CVirtualGraphicsObject>(window.get());
        shownObject->SetPosition(300, 200);
        screen->put(shownObject.get(), 5);
    }
    void TearDown() override
    {
        shownObject.reset();
        ScreenTest::TearDown();
    }

    CColor black{0, 0, 0};
    std::unique_ptr<CVirtualGraphicsObject> shownObject;
};

TEST_F(VirtualGraphicsObjectTest, AnOpaqueMaskShowsTheSourcePartWhereTheMaskStands)
{
    auto source = numbered(window.get(), 40, 30);
    auto mask = plain(window.get(), 8, 6, 0, 10, 5, 255);
    shownObject->setSource(source.get());
    shownObject->setMask(mask.get());
    EXPECT_EQ(sizeOf(*shownObject), std::make_pair(8, 6));
    frame();
    EXPECT_EQ(shown(300, 200), 10 + 64 * 5);
    EXPECT_EQ(shown(307, 205), 17 + 64 * 10);
    EXPECT_EQ(shown(308, 205), 0);
    // Moving the mask, not the object, picks another part.
    mask->SetPosition(20, 0);
    shownObject->Invalidate();
    frame();
    EXPECT_EQ(shown(300, 200), 20);
    // Past the source's edge nothing is drawn.
    mask->SetPosition(36, 0);
    shownObject->Invalidate();
    frame();
    EXPECT_EQ(shown(303, 200), 39);
    EXPECT_EQ(shown(304, 200), 0);
}

TEST_F(VirtualGraphicsObjectTest, PartialAlphaMixesAndZeroKeepsWhatIsBelow)
{
    auto below = plain(window.get(), 4, 1, 0x8410, 300, 200);
    screen->put(below.get(), 1);
    auto source = plain(window.get(), 4, 1, 0xF81F);
    auto mask = plain(window.get(), 4, 1, 0, 0, 0, 255);
    mask->AlphaChannel()[1] = 128;
    mask->AlphaChannel()[2] = 0;
    shownObject->setSource(source.get());
    shownObject->setMask(mask.get());
    frame();
    EXPECT_EQ(shown(300, 200), 0xF81F);
    EXPECT_EQ(shown(301, 200), CPixelLoops::mixPixel(0x8410, 0xF81F, 128, 16));
    EXPECT_EQ(shown(302, 200), 0x8410);
    // Clipped to its clipping rectangle.
    shownObject->SetClippingRect(CXRect(3, 0, 4, 1));
    source->Fill(&black);
    screen->Invalidate(static_cast<CXRect*>(nullptr));
    frame();
    EXPECT_EQ(shown(300, 200), 0x8410);
    EXPECT_EQ(shown(303, 200), 0);
}

TEST_F(VirtualGraphicsObjectTest, TheSizeComesFromBothAndADestroyedPictureIsForgotten)
{
    auto source = numbered(window.get(), 12, 40);
    auto mask = plain(window.get(), 20, 10, 0, 0, 0, 255);
    shownObject->setSource(source.get());
    EXPECT_EQ(sizeOf(*shownObject), std::make_pair(12, 40));
    EXPECT_EQ(shownObject->GetBpp(), 16);
    shownObject->setMask(mask.get());
    EXPECT_EQ(sizeOf(*shownObject), std::make_pair(12, 10));
    frame();
    source.reset();
    EXPECT_EQ(shownObject->getSource(), nullptr);
    EXPECT_EQ(sizeOf(*shownObject), std::make_pair(20, 10));
    frame();
    EXPECT_EQ(shown(305, 205), 0);
    mask.reset();
    EXPECT_EQ(shownObject->getMask(), nullptr);
    EXPECT_EQ(sizeOf(*shownObject), std::make_pair(0, 0));
}

TEST_F(VirtualGraphicsObjectTest, OnlyChangesInsideTheMasksBoxRepaint)
{
    auto source = numbered(window.get(), 100, 100);
    source->SetPosition(0, 0);
    auto mask = plain(window.get(), 10, 10, 0, 20, 20, 255);
    shownObject->setSource(source.get());
    shownObject->setMask(mask.get());
    frame();
    RecordingObserver watcher;
    shownObject->addInvalidateObserver(&watcher);
    CXRect outside(50, 50, 60, 60);
    source->Invalidate(&outside);
    EXPECT_TRUE(watcher.invalidated.empty());
    CXRect inside(25, 25, 26, 26);
    source->Invalidate(&inside);
    ASSERT_EQ(watcher.invalidated.size(), 1u);
    EXPECT_EQ(watcher.invalidated[0], CXRect(300, 200, 310, 210));
    mask->Invalidate();
    EXPECT_EQ(watcher.invalidated.size(), 2u);
    shownObject->removeInvalidateObserver(&watcher);
    // Two virtual objects showing each other stop passing a change on.
    CVirtualGraphicsObject other(window.get());
    other.setSource(shownObject.get());
    shownObject->setSource(&other);
    other.Invalidate();
    frame();
}

TEST_F(VirtualGraphicsObjectTest, AnOffScreenSourceIsRedrawnOnceAFrameForAllItsViewers)
{
    CountedPicture source(window.get(), 0, 0);
    auto mask = plain(window.get(), 10, 10, 0, 0, 0, 255);
    CVirtualGraphicsObject second(window.get());
    second.SetPosition(400, 200);
    screen->put(&second, 5);
    for (CVirtualGraphicsObject* viewer : {shownObject.get(), &second}) {
        viewer->setSource(&source);
        viewer->setMask(mask.get());
    }
    frame();
    EXPECT_EQ(source.drawn, 1);
    frame();
    EXPECT_EQ(source.drawn, 1);
    screen->Invalidate(static_cast<CXRect*>(nullptr));
    frame();
    EXPECT_EQ(source.drawn, 2);
    // A source with a target of its own is drawn there, not here.
    CountedPicture onScreen(window.get(), 600, 0);
    screen->put(&onScreen, 0);
    frame();
    shownObject->setSource(&onScreen);
    second.setSource(&onScreen);
    screen->Invalidate(static_cast<CXRect*>(nullptr));
    frame();
    EXPECT_EQ(onScreen.drawn, 2);
}

TEST_F(VirtualGraphicsObjectTest, TheHitTestReadsTheMaskByItsOwnWidth)
{
    auto source = numbered(window.get(), 10, 10);
    auto mask = plain(window.get(), 20, 10, 0, 0, 0, 0);
    // Opaque only at the mask's (5, 1): its own width puts that at index 25.
    mask->AlphaChannel()[1 * 20 + 5] = 255;
    shownObject->setSource(source.get());
    shownObject->setMask(mask.get());
    ASSERT_EQ(shownObject->Width(), 10);
    EXPECT_TRUE(shownObject->testHit(CXPoint(305, 201), true));
    EXPECT_FALSE(shownObject->testHit(CXPoint(305, 202), true));
    EXPECT_FALSE(shownObject->testHit(CXPoint(315, 200), true));
    EXPECT_TRUE(shownObject->testHit(CXPoint(309, 209), false));
    EXPECT_FALSE(shownObject->testHit(CXPoint(310, 209), false));
    // Without a mask the source answers, by its alpha when asked.
    CVirtualGraphicsObject bare(window.get());
    auto holed = plain(window.get(), 4, 4, 0, 0, 0, 0);
    bare.setSource(holed.get());
    EXPECT_TRUE(bare.testHit(CXPoint(1, 1), false));
    EXPECT_FALSE(bare.testHit(CXPoint(1, 1), true));
}

TEST_F(VirtualGraphicsObjectTest, AnAnimationMasksWithTheFrameItShowsWhenSet)
{
    CAnimo animation(window.get());
    auto wide = plain(window.get(), 6, 2, 0, 0, 0, 255);
    auto narrow = plain(window.get(), 3, 2, 0, 0, 0, 255);
    animation.AddFrame(wide.get());
    animation.AddFrame(narrow.get());
    animation.SetFrame(1);
    auto source = numbered(window.get(), 10, 10);
    shownObject->setSource(source.get());
    shownObject->setMask(&animation);
    EXPECT_EQ(shownObject->getMask(), animation.GetFrame(1));
    EXPECT_EQ(sizeOf(*shownObject), std::make_pair(3, 2));
    animation.SetFrame(0);
    shownObject->setMask(&animation);
    EXPECT_EQ(sizeOf(*shownObject), std::make_pair(3, 2));
    frame();
    EXPECT_EQ(shown(302, 201), 2 + 64);
}

} // namespace

} // namespace graphicstest
