#include "GraphicsTestSupport.h"
#include "graphics/CGraphicsObject.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

using namespace graphicstest;

namespace {

TEST(CGraphicsObject, PositionAnchorAndBoxes)
{
    CGraphicsObject object(nullptr, CXSize(20, 10), 16);
    object.setAnchor(4, 5);
    object.SetPosition(10, 20);
    EXPECT_EQ(object.GetPosition(), CXPoint(6, 15));
    EXPECT_EQ(object.getRect(), CXRect(6, 15, 26, 25));
    EXPECT_EQ(object.getAnchor(), CXPoint(4, 5));
    EXPECT_EQ(object.getCenterPoint(), CXPoint(10, 5));
    // Geometry centres it as a sized object.
    EXPECT_EQ(CXRect(0, 0, 100, 50).GetCenteredPosition(&object), CXPoint(40, 20));
    EXPECT_EQ(object.ClientCoords(CXPoint(7, 16)), CXPoint(1, 1));

    object.setAnchor(0, 0);
    object.SetPosition(-5, 3);
    EXPECT_EQ(object.GetBoundingBox(), CXRect(0, 3, 15, 13));
    EXPECT_EQ(object.GetAbsoluteBoundingBox(), CXRect(-5, 3, 15, 13));

    CGraphicsObject destiny(nullptr, CXSize(12, 8), 16);
    object.SetDestiny(&destiny);
    EXPECT_EQ(object.GetBoundingBox(), CXRect(0, 3, 12, 8));
    EXPECT_EQ(object.GetAbsoluteBoundingBox(), CXRect(-5, 3, 15, 13));
    object.SetDestiny(nullptr);

    // The clipping rectangle is in the object's own pixels.
    object.SetClippingRect(CXRect(2, 2, 6, 4));
    EXPECT_EQ(object.GetBoundingBox(), CXRect(0, 5, 1, 7));
    EXPECT_EQ(object.GetAbsoluteBoundingBox(), CXRect(-3, 5, 1, 7));
}

TEST(CGraphicsObject, NearnessAndOpacity)
{
    CGraphicsObject object(nullptr, CXSize(10, 10), 16);
    EXPECT_TRUE(object.isNear(CXRect(5, 0, 100, 100), 50));
    EXPECT_FALSE(object.isNear(CXRect(6, 0, 100, 100), 50));
    CGraphicsObject other(nullptr, CXSize(10, 10), 16);
    other.SetPosition(-5, 0);
    EXPECT_TRUE(object.isNear(&other, 50));
    CGraphicsObject empty(nullptr);
    EXPECT_FALSE(empty.isNear(CXRect(0, 0, 10, 10), 0));

    struct Case {
        unsigned char start;
        short delta;
        unsigned char result;
    };
    const Case cases[] = {{100, -300, 0}, {100, 200, 255}, {100, -100, 0}, {100, 155, 255}, {100, 27, 127}};
    for (const Case& c : cases) {
        object.SetOpacity(c.start);
        object.AddOpacity(c.delta);
        EXPECT_EQ(object.GetOpacity(), c.result) << c.delta;
    }
}

TEST(CGraphicsObject, HitTests)
{
    CGraphicsObject object(nullptr, CXSize(4, 4), 16);
    object.SetPosition(10, 10);
    EXPECT_TRUE(object.testHit(CXPoint(11, 11), false));
    EXPECT_FALSE(object.testHit(CXPoint(14, 11), false));
    // Without an alpha plane isAt reads alpha 0.
    EXPECT_FALSE(object.isAt(CXPoint(11, 11), true));
    EXPECT_TRUE(object.isAt(CXPoint(11, 11), false));

    object.AlphaChannel() = new uint8_t[16]();
    object.AlphaChannel()[1 * 4 + 2] = 9;
    EXPECT_FALSE(object.testHit(CXPoint(11, 11), false));
    EXPECT_TRUE(object.testHit(CXPoint(11, 11), true));
    EXPECT_TRUE(object.testHit(CXPoint(12, 11), false));
    EXPECT_TRUE(object.isAt(CXPoint(12, 11), true));
    EXPECT_TRUE(object.isInside(12, 11, true));
    EXPECT_FALSE(object.isInside(11, 11, true));
    EXPECT_EQ(object.GetPixel(CHANNEL_ALPHA, CXPoint(2, 1)), 9);
    EXPECT_EQ(object.GetPixel(CHANNEL_ALPHA, CXPoint(-1, 0)), 0);
    EXPECT_EQ(object.GetPixel(CHANNEL_ALPHA, CXPoint(0, 4)), 0);
    EXPECT_EQ(object.GetPixel(CHANNEL_RED, CXPoint(0, 0)), 0);
}

TEST(CGraphicsObject, FlipsAndCrop)
{
    CGraphicsObject object(nullptr, CXSize(3, 2), 16);
    const uint16_t start[] = {1, 2, 3, 4, 5, 6};
    std::memcpy(object.GetDataPtr(), start, sizeof start);
    object.AlphaChannel() = new uint8_t[6]{11, 12, 13, 14, 15, 16};

    object.FlipH();
    EXPECT_TRUE(object.isFlippedRows());
    EXPECT_EQ(std::vector<uint16_t>(pixelsOf(object), pixelsOf(object) + 6), (std::vector<uint16_t>{4, 5, 6, 1, 2, 3}));
    EXPECT_EQ(object.GetChannelAlpha()[0], 14);
    object.FlipH();
    EXPECT_FALSE(object.isFlippedRows());
    EXPECT_EQ(0, std::memcmp(object.GetDataPtr(), start, sizeof start));

    object.FlipV();
    EXPECT_EQ(std::vector<uint16_t>(pixelsOf(object), pixelsOf(object) + 6), (std::vector<uint16_t>{3, 2, 1, 6, 5, 4}));
    EXPECT_EQ(object.GetChannelAlpha()[3], 16);
    object.FlipH();
    object.resetFlips();
    EXPECT_FALSE(object.isFlippedRows() || object.isFlippedColumns());
    EXPECT_EQ(0, std::memcmp(object.GetDataPtr(), start, sizeof start));

    object.SetPosition(7, 7);
    object.crop(CXRect(1, -5, 9, 2));
    EXPECT_EQ(object.Size().cx, 2);
    EXPECT_EQ(object.Size().cy, 2);
    EXPECT_EQ(object.GetPosition(), CXPoint(7, 7));
    EXPECT_EQ(std::vector<uint16_t>(pixelsOf(object), pixelsOf(object) + 4), (std::vector<uint16_t>{2, 3, 5, 6}));
    EXPECT_EQ(object.GetChannelAlpha()[3], 16);
}

TEST(CGraphicsObject, InvalidationReachesScreenAndObservers)
{
    RecordingScreen screen;
    RecordingObserver observer;
    CGraphicsObject object(nullptr, CXSize(10, 10), 16);
    object.SetPosition(5, 5);
    object.SetCanvas(&screen);
    object.addInvalidateObserver(&observer);
    object.addInvalidateObserver(&observer);

    CXRect miss(100, 100, 110, 110);
    object.Invalidate(&miss);
    EXPECT_TRUE(observer.invalidated.empty());
    EXPECT_TRUE(screen.rects.empty());
    EXPECT_FALSE(object.isInvalidated());

    CXRect part(0, 0, 8, 8);
    object.Invalidate(&part);
    EXPECT_EQ(observer.invalidated, (std::vector<CXRect>{CXRect(5, 5, 8, 8)}));
    EXPECT_EQ(screen.rects, (std::vector<CXRect>{CXRect(5, 5, 8, 8)}));
    EXPECT_TRUE(object.isInvalidated());
    EXPECT_FALSE(object.isInvalidated());

    object.Invalidate();
    EXPECT_EQ(observer.invalidated.back(), CXRect(5, 5, 15, 15));

    // Moving invalidates both boxes on the screen and tells no observer.
    observer.invalidated.clear();
    screen.rects.clear();
    object.Move(3, -2);
    EXPECT_EQ(object.GetPosition(), CXPoint(8, 3));
    EXPECT_EQ(screen.rects, (std::vector<CXRect>{CXRect(5, 3, 18, 15)}));
    EXPECT_TRUE(observer.invalidated.empty());
    EXPECT_TRUE(object.isInvalidated());

    // Positions are not invalidations.
    object.SetPosition(50, 50);
    EXPECT_EQ(screen.rects.size(), 1u);

    object.removeInvalidateObserver(&observer);
    object.Invalidate();
    EXPECT_TRUE(observer.invalidated.empty());
}

TEST(CGraphicsObject, DestructionTellsEveryoneOnce)
{
    RecordingScreen screen;
    RecordingObserver first;
    RecordingObserver second;
    auto object = std::make_unique<CGraphicsObject>(nullptr, CXSize(2, 2), 16);
    CGraphicsObject* address = object.get();
    object->SetCanvas(&screen);
    object->addInvalidateObserver(&first);
    object->addInvalidateObserver(&second);
    object.reset();
    EXPECT_EQ(first.destroyed, std::vector<CGraphicsObject*>{address});
    EXPECT_EQ(second.destroyed, std::vector<CGraphicsObject*>{address});
    EXPECT_EQ(screen.left, std::vector<CGraphicsObject*>{address});
}

TEST(CGraphicsObject, ViewsShareButNeverFree)
{
    CGraphicsObject original(nullptr, CXSize(2, 2), 16);
    original.AlphaChannel() = new uint8_t[4]();
    original.SetPosition(3, 4);
    original.SetOpacity(7);
    {
        std::unique_ptr<CXObject> copy(original.clone());
        auto* view = static_cast<CGraphicsObject*>(copy.get());
        EXPECT_EQ(view->GetDataPtr(), original.GetDataPtr());
        EXPECT_EQ(view->GetChannelAlpha(), original.GetChannelAlpha());
        EXPECT_EQ(view->GetPosition(), CXPoint(3, 4));
        EXPECT_EQ(view->GetOpacity(), 7);
        EXPECT_FALSE(view->ownsData());
    }
    // The planes outlived the view (the sanitizer would see a double free otherwise).
    pixelsOf(original)[3] = 1;
}

// A composite picture: sub-objects drawn onto a restored backup, then the whole onto its destiny.
TEST(CGraphicsObject, SubObjectsCompose)
{
    CGraphicsObject picture(nullptr, CXSize(4, 1), 16);
    std::fill_n(pixelsOf(picture), 4, uint16_t(0x1111));
    CGraphicsObject low(nullptr, CXSize(2, 1), 16);
    std::fill_n(pixelsOf(low), 2, uint16_t(0x2222));
    CGraphicsObject high(nullptr, CXSize(2, 1), 16);
    std::fill_n(pixelsOf(high), 2, uint16_t(0x3333));
    high.SetPosition(1, 0);
    CGraphicsObject target(nullptr, CXSize(6, 1), 16);
    std::fill_n(pixelsOf(target), 6, uint16_t(0));
    picture.SetPosition(2, 0);
    picture.SetDestiny(&target);

    picture.addObject(&high, 5);
    picture.addObject(&low, 1);
    picture.Redraw();
    EXPECT_EQ(std::vector<uint16_t>(pixelsOf(picture), pixelsOf(picture) + 4),
              (std::vector<uint16_t>{0x2222, 0x3333, 0x3333, 0x1111}));
    EXPECT_EQ(std::vector<uint16_t>(pixelsOf(target), pixelsOf(target) + 6),
              (std::vector<uint16_t>{0, 0, 0x2222, 0x3333, 0x3333, 0x1111}));

    // A sub-object's change reaches the picture's observers through the picture.
    RecordingObserver observer;
    picture.addInvalidateObserver(&observer);
    high.Invalidate();
    EXPECT_EQ(observer.invalidated, (std::vector<CXRect>{CXRect(2, 0, 3, 1)}));

    // The backup brings the picture back before every composition.
    picture.removeObject(&low);
    high.SetPosition(2, 0);
    picture.Redraw();
    EXPECT_EQ(std::vector<uint16_t>(pixelsOf(picture), pixelsOf(picture) + 4),
              (std::vector<uint16_t>{0x1111, 0x1111, 0x3333, 0x3333}));

    // Dying sub-objects and dying pictures unhook from each other.
    {
        CGraphicsObject brief(nullptr, CXSize(1, 1), 16);
        picture.addObject(&brief, 0);
    }
    picture.Redraw();
    auto parent = std::make_unique<CGraphicsObject>(nullptr, CXSize(2, 2), 16);
    parent->addObject(&low, 0);
    parent.reset();
    low.Invalidate();
    picture.removeInvalidateObserver(&observer);
}

} // namespace
