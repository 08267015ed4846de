// Canvases: children drawn by priority into the canvas's planes and the canvas onto the screen,
// the invalidations it passes on, and the background it stamps into, erases and flattens into.
#include "ScreenHarness.h"
#include "graphics/CCanvas.h"
#include "graphics/CColor.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace graphicstest {

namespace {

uint16_t pixelAt(CGraphicsObject& picture, int x, int y)
{
    return pixelsOf(picture)[y * picture.Width() + x];
}

uint8_t alphaAt(CGraphicsObject& picture, int x, int y)
{
    return picture.GetChannelAlpha()[y * picture.Width() + x];
}

class CanvasTest : public ScreenTest {
protected:
    std::unique_ptr<CCanvas> canvas(int width, int height, bool alpha, bool background)
    {
        return std::make_unique<CCanvas>(window.get(), CXSize(width, height), 16, alpha, background);
    }
};

TEST_F(CanvasTest, ChildrenDrawInPriorityOrderEqualOnesAsAddedAndOnlyOnce)
{
    auto made = canvas(20, 20, false, false);
    auto five = plain(window.get(), 10, 10, 0x0005);
    auto threeFirst = plain(window.get(), 10, 10, 0x0031);
    auto threeSecond = plain(window.get(), 10, 10, 0x0032);
    made->add(five.get(), 5);
    made->add(threeFirst.get(), 3);
    made->add(threeSecond.get(), 3);
    made->add(five.get(), 1);
    ASSERT_EQ(made->getChildCount(), 3);
    EXPECT_EQ(made->getChild(0), threeFirst.get());
    EXPECT_EQ(made->getChild(1), threeSecond.get());
    EXPECT_EQ(made->getChild(2), five.get());
    made->compose();
    EXPECT_EQ(pixelAt(*made, 4, 4), 0x0005);
    made->remove(five.get());
    made->compose();
    EXPECT_EQ(pixelAt(*made, 4, 4), 0x0032);
    // Hidden children and the area nobody covers stay clear.
    threeSecond->Hide();
    made->compose();
    EXPECT_EQ(pixelAt(*made, 4, 4), 0x0031);
    EXPECT_EQ(pixelAt(*made, 15, 15), 0);
}

TEST_F(CanvasTest, RemoveAllLeavesTheBackgroundAlone)
{
    auto made = canvas(20, 20, true, true);
    auto child = plain(window.get(), 5, 5, 0x1111);
    made->add(child.get(), 2);
    ASSERT_EQ(made->getChildCount(), 2);
    EXPECT_EQ(made->getChild(0), made->getBackground());
    made->removeAll();
    ASSERT_EQ(made->getChildCount(), 1);
    EXPECT_EQ(made->getChild(0), made->getBackground());
    EXPECT_EQ(child->GetDestiny(), nullptr);
    // The background is still the lowest child.
    auto below = plain(window.get(), 5, 5, 0x2222);
    made->add(below.get(), -5);
    made->add(child.get(), -1);
    EXPECT_EQ(made->getChild(1), made->getBackground());
    EXPECT_EQ(made->getChild(2), child.get());
}

TEST_F(CanvasTest, TenChildChangesPassTheirRectanglesThenTheWholeCanvasOnce)
{
    auto made = canvas(300, 20, false, false);
    made->SetPosition(100, 200);
    screen->put(made.get(), 1);
    std::vector<std::unique_ptr<CGraphicsObject>> children;
    for (int i = 0; i < 12; ++i) {
        children.push_back(plain(window.get(), 4, 4, 0x0F0F, i * 20, 8));
        made->add(children.back().get(), i);
    }
    RecordingObserver outer;
    made->addInvalidateObserver(&outer);
    frame();
    ASSERT_EQ(made->getInvalidations(), 0);
    for (int i = 0; i < 10; ++i)
        children[size_t(i)]->Invalidate();
    EXPECT_EQ(dirtyArea(screen), 10 * 16);
    CXRect fourth = *screen->getRefreshList()->rectAt(3);
    EXPECT_EQ(fourth, CXRect(160, 208, 164, 212));
    children[10]->Invalidate();
    EXPECT_EQ(dirtyArea(screen), 300 * 20);
    children[11]->Invalidate();
    EXPECT_EQ(made->getInvalidations(), 12);
    EXPECT_EQ(outer.invalidated.size(), 11u);
    // A redraw starts counting again.
    frame();
    children[11]->Invalidate();
    EXPECT_EQ(dirtyArea(screen), 16);
    made->removeInvalidateObserver(&outer);
}

TEST_F(CanvasTest, AChildOutsideTheClippingRectangleIsNotDrawn)
{
    auto made = canvas(100, 100, false, false);
    CountedPicture inside(window.get(), 5, 5);
    CountedPicture outside(window.get(), 60, 60);
    made->add(&inside, 0);
    made->add(&outside, 0);
    made->SetClippingRect(CXRect(0, 0, 50, 50));
    made->compose();
    EXPECT_EQ(inside.drawn, 1);
    EXPECT_EQ(outside.drawn, 0);
    // Their own clipping comes back after the drawing.
    EXPECT_TRUE(inside.GetClippingRect().IsEmpty());
    made->SetClippingRect(CXRect());
    made->compose();
    EXPECT_EQ(outside.drawn, 1);
    made->remove(&inside);
    made->remove(&outside);
}

TEST_F(CanvasTest, TheCanvasShowsOnTheScreenWithItsChildren)
{
    CColor grey(100, 100, 100);
    window->SetBackground(&grey);
    auto made = canvas(40, 40, true, false);
    made->SetPosition(300, 100);
    auto child = plain(window.get(), 10, 10, 0x7BEF, 5, 6);
    made->add(child.get(), 0);
    screen->put(made.get(), 4);
    frame();
    EXPECT_EQ(shown(305, 106), 0x7BEF);
    // Its transparent area shows what lies below.
    uint16_t below = shown(700, 500);
    EXPECT_EQ(shown(330, 130), below);
    // Placed as scripts place pictures: the old and the new box are invalidated.
    child->Invalidate();
    child->SetPosition(25, 26);
    child->Invalidate();
    frame();
    EXPECT_EQ(shown(305, 106), below);
    EXPECT_EQ(shown(325, 126), 0x7BEF);
}

TEST_F(CanvasTest, EraseCutsTheStampOutOfBothAlphaPlanes)
{
    auto made = canvas(30, 30, true, true);
    CGraphicsObject* background = made->getBackground();
    std::memset(background->GetChannelAlpha(), 200, 30 * 30);
    std::memset(made->GetChannelAlpha(), 255, 30 * 30);
    auto brush = plain(window.get(), 10, 10, 0, 0, 0, 255);
    made->erase(brush.get(), 25, -4);
    for (auto [x, y, expected] : {std::tuple{25, 0, 0}, {29, 5, 0}, {24, 0, 200}, {25, 6, 200}})
        EXPECT_EQ(alphaAt(*background, x, y), expected) << x << "," << y;
    EXPECT_EQ(alphaAt(*made, 27, 3), 0);
    EXPECT_EQ(alphaAt(*made, 27, 8), 255);
    // A weaker stamp takes away its own amount, and nothing below 0.
    auto soft = plain(window.get(), 2, 2, 0, 0, 0, 150);
    made->erase(soft.get(), 0, 0);
    made->erase(soft.get(), 0, 0);
    EXPECT_EQ(alphaAt(*background, 0, 0), 0);
    EXPECT_EQ(alphaAt(*background, 1, 1), 0);
    made->erase(soft.get(), 10, 10);
    EXPECT_EQ(alphaAt(*background, 10, 10), 50);
}

TEST_F(CanvasTest, WithoutABackgroundStampingAndFlatteningChangeNothing)
{
    auto brush = plain(window.get(), 4, 4, 0xFFFF, 0, 0, 255);
    auto child = plain(window.get(), 4, 4, 0x1234);
    for (bool alpha : {true, false}) {
        auto made = canvas(10, 10, alpha, false);
        made->add(child.get(), 0);
        made->compose();
        std::vector<uint8_t> before(made->GetDataPtr(), made->GetDataPtr() + 200);
        made->erase(brush.get(), 0, 0);
        made->draw(brush.get(), 0, 0);
        made->capture();
        EXPECT_EQ(std::vector<uint8_t>(made->GetDataPtr(), made->GetDataPtr() + 200), before);
        if (alpha) {
            EXPECT_EQ(alphaAt(*made, 0, 0), 255);
        }
        // Nothing was flattened, so the child stays.
        EXPECT_EQ(made->getChildCount(), 1);
    }
}

TEST_F(CanvasTest, DrawStampsIntoTheBackgroundAndLeavesThePictureWhereItWas)
{
    auto made = canvas(30, 30, false, true);
    made->SetPosition(200, 100);
    screen->put(made.get(), 0);
    frame();
    auto stamp = plain(window.get(), 6, 4, 0x5555, 77, 88);
    stamp->SetClippingRect(CXRect(0, 0, 2, 2));
    CGraphicsObject* elsewhere = made->getBackground();
    stamp->SetDestiny(elsewhere);
    made->draw(stamp.get(), 20, 10);
    EXPECT_EQ(pixelAt(*made->getBackground(), 25, 13), 0x5555);
    EXPECT_EQ(pixelAt(*made->getBackground(), 26, 13), 0);
    EXPECT_EQ(stamp->GetPosition(), CXPoint(77, 88));
    EXPECT_EQ(stamp->GetClippingRect(), CXRect(0, 0, 2, 2));
    EXPECT_EQ(stamp->GetDestiny(), elsewhere);
    EXPECT_EQ(dirtyArea(screen), 24);
    frame();
    EXPECT_EQ(shown(225, 113), 0x5555);
}

TEST_F(CanvasTest, CaptureFlattensThePictureIntoTheBackground)
{
    for (bool alpha : {false, true}) {
        auto made = canvas(20, 20, alpha, true);
        CGraphicsObject* background = made->getBackground();
        std::fill_n(pixelsOf(*background), 400, uint16_t(0x0101));
        if (alpha)
            std::memset(background->GetChannelAlpha(), 255, 400);
        auto child = plain(window.get(), 5, 5, 0x2020, 2, 3, 255);
        made->add(child.get(), 1);
        made->capture();
        EXPECT_EQ(pixelAt(*background, 2, 3), 0x2020);
        EXPECT_EQ(pixelAt(*background, 10, 10), 0x0101) << "the background stays under the children";
        if (alpha) {
            EXPECT_EQ(alphaAt(*background, 10, 10), 255);
        }
        ASSERT_EQ(made->getChildCount(), 1);
        EXPECT_EQ(made->getChild(0), background);
        // What was captured shows from then on.
        made->compose();
        EXPECT_EQ(pixelAt(*made, 2, 3), 0x2020);
    }
}

TEST_F(CanvasTest, ACloneHoldsTheSameChildrenAndABackgroundLikeThisOne)
{
    auto made = canvas(20, 20, true, true);
    made->SetPosition(50, 60);
    screen->put(made.get(), 7);
    auto child = plain(window.get(), 4, 4, 0x3333, 1, 1, 255);
    made->add(child.get(), 2);
    auto stamp = plain(window.get(), 2, 2, 0x4444, 0, 0, 255);
    made->draw(stamp.get(), 10, 10);
    std::unique_ptr<CCanvas> copy(static_cast<CCanvas*>(made->clone()));
    EXPECT_EQ(screen->GetPriority(copy.get()), 7);
    EXPECT_EQ(copy->GetPosition(), CXPoint(50, 60));
    ASSERT_EQ(copy->getChildCount(), 2);
    EXPECT_EQ(copy->getChild(1), child.get());
    ASSERT_NE(copy->getBackground(), nullptr);
    EXPECT_NE(copy->getBackground(), made->getBackground());
    EXPECT_NE(copy->GetChannelAlpha(), nullptr);
    copy->compose();
    EXPECT_EQ(pixelAt(*copy, 10, 10), 0x4444);
    EXPECT_EQ(pixelAt(*copy, 2, 2), 0x3333);
    // Its children tell the copy of their changes too.
    int counted = copy->getInvalidations();
    child->Invalidate();
    EXPECT_EQ(copy->getInvalidations(), counted + 1);
}

TEST_F(CanvasTest, ChildrenAndCanvasesMayGoInEitherOrder)
{
    auto child = plain(window.get(), 4, 4, 0x1111);
    {
        auto made = canvas(10, 10, false, true);
        made->add(child.get(), 0);
        EXPECT_EQ(child->GetDestiny(), made.get());
    }
    // The canvas left no target behind: the child's box no longer asks it.
    EXPECT_EQ(child->GetDestiny(), nullptr);
    EXPECT_EQ(child->GetBoundingBox(), CXRect(0, 0, 4, 4));
    auto made = canvas(10, 10, false, false);
    auto passing = plain(window.get(), 4, 4, 0x2222);
    made->add(passing.get(), 0);
    passing.reset();
    EXPECT_EQ(made->getChildCount(), 0);
    made->compose();
}

TEST_F(CanvasTest, CanvasesInsideEachOtherStopDrawingAtTheRepeat)
{
    auto outer = canvas(10, 10, false, false);
    auto inner = canvas(10, 10, false, false);
    auto child = plain(window.get(), 4, 4, 0x1234);
    outer->add(outer.get(), 0);
    EXPECT_EQ(outer->getChildCount(), 0);
    inner->add(child.get(), 0);
    inner->add(outer.get(), 1);
    outer->add(inner.get(), 0);
    outer->Redraw();
    EXPECT_EQ(pixelAt(*outer, 1, 1), 0x1234);
    outer->remove(inner.get());
    inner->remove(outer.get());
}

TEST_F(CanvasTest, SizesBeyondReasonMakeAnEmptyCanvas)
{
    for (CXSize size : {CXSize(-1, 10), CXSize(100000, 100000), CXSize(1 << 30, 2)}) {
        CCanvas made(window.get(), size, 16, true, true);
        EXPECT_EQ(made.Width(), 0);
        EXPECT_EQ(made.Height(), 0);
        made.compose();
        made.capture();
    }
}

} // namespace

} // namespace graphicstest
