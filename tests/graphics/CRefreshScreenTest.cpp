#include "ScreenHarness.h"
#include "foundation/CCommandLine6.h"
#include "foundation/CResourcesManager.h"
#include "foundation/CSharedMedium.h"
#include "graphics/CCanvasObserver.h"
#include "graphics/CColor.h"
#include "graphics/CDirectDrawSurface.h"
#include "graphics/CRefreshRegion.h"
#include "graphics/CImageFile.h"
#include "graphics/CScreenUnit.h"
#include "script/GameFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

namespace graphicstest {

namespace {

std::vector<CXRect> dirtyRects(CRefreshScreen* screen)
{
    std::vector<CXRect> rects;
    CRefreshRegion* region = screen->getRefreshList();
    for (int i = 0; i < region->getSize(); ++i)
        rects.push_back(region->rectAt(i) != nullptr ? *region->rectAt(i) : CXRect(-1, -1, -1, -1));
    return rects;
}

// The screen's dirty pixels as a bitmap.
std::vector<bool> dirtyPixels(CRefreshScreen* screen)
{
    std::vector<bool> dirty(800 * 600, false);
    for (const CXRect& rect : dirtyRects(screen)) {
        for (int y = rect.top; y < rect.bottom; ++y) {
            for (int x = rect.left; x < rect.right; ++x)
                dirty[y * 800 + x] = true;
        }
    }
    return dirty;
}

class RecordingUnit : public CScreenUnit, public CScreenUnitLink {
public:
    explicit RecordingUnit(std::vector<std::string>& log) : log_(log) {}
    bool wasInitiallyUpdated() override { return updated; }
    bool onInitialUpdate() override
    {
        log_.push_back("unit.initial");
        updated = true;
        return true;
    }
    void onCanvasRefreshed() override { log_.push_back("unit.refreshed"); }
    bool isActive() override { return true; }
    bool isDragging() const override { return false; }
    bool onStartDragging(CGraphicsObject*, CXPoint, CControl*) override { return false; }
    CScreenUnit* getDefUnit() override { return this; }

    bool updated = false;

private:
    std::vector<std::string>& log_;
};

class RecordingCanvasObserver : public CCanvasObserver {
public:
    explicit RecordingCanvasObserver(std::vector<std::string>& log) : log_(log) {}
    void onInitialUpdate() override { log_.push_back("initialUpdate"); }
    void onInitialUpdated() override { log_.push_back("initialUpdated"); }
    void onUpdate() override { log_.push_back("update"); }
    void onUpdated() override { log_.push_back("updated"); }
    void onFocusOn() override { log_.push_back("focusOn"); }
    void onFocusOff() override { log_.push_back("focusOff"); }

private:
    std::vector<std::string>& log_;
};

// A picture shared through the resources manager, as loaded images and animations are.
struct SharedPicture : CGraphicsObject, CSharedMedium {
    explicit SharedPicture(CWindow* window) : CGraphicsObject(window, CXSize(4, 4), 16) {}
    CXString getFileName() const override { return "picture.img"; }
    void hide() override { Hide(); }
};

} // namespace

TEST_F(ScreenTest, ScreenFollowsTheDisplay)
{
    EXPECT_EQ(screen->Width(), 800);
    EXPECT_EQ(screen->Height(), 600);
    EXPECT_EQ(screen->GetBpp(), 16);
    // The first frame is whole; the window empties the region once it copied it.
    EXPECT_TRUE(screen->getRefreshList()->isWhole());
    frame();
    EXPECT_EQ(screen->getRefreshList()->getSize(), 0);
    EXPECT_EQ(screen->getRefreshCounter(), 1);
    EXPECT_EQ(screen->getRefreshDestiny(), window->getBackSurface());

    CXRect outside(900, 700, 950, 750);
    screen->Invalidate(&outside);
    EXPECT_EQ(screen->getRefreshList()->getSize(), 0);
    CXRect across(790, 590, 850, 650);
    screen->Invalidate(&across);
    EXPECT_EQ(dirtyRects(screen), std::vector<CXRect>{CXRect(790, 590, 800, 600)});
    window->Invalidate();
    EXPECT_TRUE(screen->getRefreshList()->isWhole());
    screen->validate();
    EXPECT_EQ(screen->getRefreshList()->getSize(), 0);

    // On a screen of another size the full-size rectangle is an ordinary one.
    window = std::make_unique<CWindow>(&hostWindow, nullptr, nullptr, CXSize(640, 480), platform::CursorShape::Arrow, "tamzora", true);
    ASSERT_EQ(window->CreateSurface(), 0);
    CRefreshScreen* small = window->GetRefreshScreenInterface();
    small->validate();
    CXRect full(0, 0, 800, 600);
    small->Invalidate(&full);
    EXPECT_FALSE(small->getRefreshList()->isWhole());
    EXPECT_EQ(dirtyRects(small), std::vector<CXRect>{CXRect(0, 0, 640, 480)});
}

// Moving one sprite makes only its old and new boxes dirty, and the frame drawn from them equals
// the frame drawn whole.
TEST_F(ScreenTest, MovedSpriteRedrawsItsBoxesToTheSameFrameAsAWholeRedraw)
{
    window->SetBackground(picture(800, 600, false));
    for (int i = 0; i < 12; ++i)
        screen->put(picture(64, 64, true, int(random() % 700), int(random() % 500)), int(random() % 4));
    CGraphicsObject* sprite = picture(64, 64, true, 300, 200);
    screen->put(sprite, 2);
    screen->put(picture(100, 30, false, 320, 230), 3);
    frame();

    sprite->Move(25, -17);
    CXRect expected(300, 183, 389, 264);
    std::vector<bool> dirty = dirtyPixels(screen);
    for (int y = 0; y < 600; ++y) {
        for (int x = 0; x < 800; ++x)
            ASSERT_EQ(dirty[y * 800 + x], expected.IsInRect(x, y)) << x << "," << y;
    }
    // Pixels outside the dirty boxes are not copied to the display again.
    uint16_t corner = shown(0, 0);
    reinterpret_cast<uint16_t*>(display.primary()->pixels())[0] = uint16_t(~corner);
    frame();
    EXPECT_EQ(shown(0, 0), uint16_t(~corner));
    reinterpret_cast<uint16_t*>(display.primary()->pixels())[0] = corner;
    std::vector<uint16_t> incremental = shownFrame();

    window->Invalidate();
    frame();
    EXPECT_EQ(shownFrame(), incremental);
}

TEST_F(ScreenTest, PrioritiesAndTies)
{
    CColor black(0, 0, 0);
    window->SetBackground(&black);
    CGraphicsObject* first = picture(10, 10, false, 0, 0);
    CGraphicsObject* second = picture(10, 10, false, 5, 0);
    CGraphicsObject* low = picture(10, 10, false, 2, 0);
    screen->put(first, 5);
    screen->put(second, 5);
    screen->put(low, 1);
    screen->put(first, 0); // already listed: nothing changes
    EXPECT_EQ(screen->GetPriority(first), 5);
    EXPECT_EQ(screen->getIndex(low), 0);
    EXPECT_EQ(screen->getIndex(first), 1);
    EXPECT_EQ(screen->getIndex(second), 2);
    frame();
    uint16_t* secondPixels = pixelsOf(*second);
    uint16_t* firstPixels = pixelsOf(*first);
    EXPECT_EQ(shown(6, 0), secondPixels[1]);
    EXPECT_EQ(shown(4, 0), firstPixels[4]);

    // The same priority again moves it behind its equals: drawn later, on top.
    screen->SetPriority(first, 5);
    EXPECT_EQ(screen->getIndex(first), 2);
    window->Invalidate();
    frame();
    EXPECT_EQ(shown(6, 0), firstPixels[6]);

    EXPECT_TRUE(screen->SetFlags(first, 9));
    EXPECT_EQ(screen->GetFlags(first), 9);
    EXPECT_FALSE(screen->SetFlags(picture(1, 1, false), 1));
    screen->SetPriority(first, 5);
    EXPECT_EQ(screen->GetFlags(first), 0);

    // Off the screen without clearing its area.
    *screen >> first;
    EXPECT_EQ(screen->GetPriority(first), -1);
    EXPECT_EQ(first->GetCanvas(), nullptr);
    EXPECT_EQ(screen->getRefreshList()->getSize(), 0);
}

TEST_F(ScreenTest, HiddenObjectsAreNeverDrawnAndTheGreyFlagTurnsTheFrameGrey)
{
    CColor black(0, 0, 0);
    window->SetBackground(&black);
    CGraphicsObject* hidden = picture(20, 20, false, 0, 0);
    hidden->Hide();
    screen->put(hidden, 1);
    window->Invalidate();
    frame();
    EXPECT_EQ(shown(5, 5), 0);

    CColor red(255, 0, 0);
    window->SetBackground(&red);
    screen->SetFlags(nullptr, 2);
    window->Invalidate();
    frame();
    EXPECT_EQ(shown(100, 100), (31 / 3) * 2113);
}

// An object invalidated in part is drawn in that part only, so it never covers the objects above
// it elsewhere, on the display nor in the picture the screen drew (which the screen saves).
TEST_F(ScreenTest, PartlyInvalidatedObjectsStayUnderTheObjectsAbove)
{
    CColor black(0, 0, 0);
    window->SetBackground(&black);
    CGraphicsObject* below = picture(40, 40, false, 0, 0);
    CGraphicsObject* above = picture(20, 20, false, 20, 20);
    screen->put(below, 1);
    screen->put(above, 2);
    frame();
    CXRect part(0, 0, 10, 10);
    below->Invalidate(&part);
    frame();
    EXPECT_EQ(shown(25, 25), pixelsOf(*above)[5 * 20 + 5]);
    EXPECT_EQ(pixelsOf(*screen->getRefreshDestiny())[25 * 800 + 25], pixelsOf(*above)[5 * 20 + 5]);
    EXPECT_EQ(shown(5, 5), pixelsOf(*below)[5 * 40 + 5]);
}

TEST_F(ScreenTest, ObjectsClippedOnTheirOwnAreDrawnThroughTheirRectangle)
{
    CColor black(0, 0, 0);
    window->SetBackground(&black);
    CGraphicsObject* clipped = picture(20, 20, false, 10, 10);
    clipped->SetClippingRect(CXRect(0, 0, 10, 20));
    screen->put(clipped, 1);
    frame();
    EXPECT_EQ(shown(15, 15), pixelsOf(*clipped)[5 * 20 + 5]);
    EXPECT_EQ(shown(25, 15), 0);
    EXPECT_EQ(clipped->GetClippingRect(), CXRect(0, 0, 10, 20));
}

TEST_F(ScreenTest, BackgroundsWrapAndStayInPlace)
{
    // Larger than the screen both ways, at (-10, -10): seen from (width - 10, height - 10),
    // wrapping at the right and bottom edges and in the corner.
    CGraphicsObject* large = picture(1000, 700, false);
    window->SetBackground(large);
    CDirectDrawSurface* background = screen->getBackgroundIfc();
    background->SetPosition(-10, -10);
    window->Invalidate();
    frame();
    EXPECT_EQ(background->GetPosition(), CXPoint(990, 690));
    uint16_t* pixels = pixelsOf(*large);
    const CXPoint probes[] = {{0, 0}, {9, 9}, {10, 10}, {500, 300}, {799, 599}, {5, 400}, {400, 5}};
    for (CXPoint p : probes)
        EXPECT_EQ(shown(p.x, p.y), pixels[((p.y + 690) % 700) * 1000 + (p.x + 990) % 1000]) << p.x << "," << p.y;

    // A partial repaint reads the same places.
    CXRect part(5, 5, 15, 15);
    reinterpret_cast<uint16_t*>(display.primary()->pixels())[7 * 800 + 7] = 0;
    window->Invalidate(&part);
    frame();
    EXPECT_EQ(shown(7, 7), pixels[697 * 1000 + 997]);

    // A screen-sized background wraps across when scrolled.
    CGraphicsObject* same = picture(800, 600, false);
    window->SetBackground(same);
    screen->getBackgroundIfc()->SetPosition(100, 0);
    window->Invalidate();
    frame();
    EXPECT_EQ(shown(0, 0), pixelsOf(*same)[100]);
    EXPECT_EQ(shown(750, 3), pixelsOf(*same)[3 * 800 + 50]);

    // A smaller one stands in the middle on whole and partial repaints alike.
    CGraphicsObject* small = picture(200, 100, false);
    window->SetBackground(small);
    window->Invalidate();
    frame();
    EXPECT_EQ(shown(300, 250), pixelsOf(*small)[0]);
    reinterpret_cast<uint16_t*>(display.primary()->pixels())[250 * 800 + 300] = 0;
    CXRect corner(300, 250, 301, 251);
    window->Invalidate(&corner);
    frame();
    EXPECT_EQ(shown(300, 250), pixelsOf(*small)[0]);

    // No colour is a dark grey.
    window->SetBackground(static_cast<CColor*>(nullptr));
    window->Invalidate();
    frame();
    EXPECT_EQ(shown(0, 0), CColor(7, 7, 7).GetInBPP(16));
    // No background paints nothing.
    window->SetBackground(static_cast<CGraphicsObject*>(nullptr));
    EXPECT_EQ(screen->getBackgroundIfc(), nullptr);
    window->Invalidate();
    frame();
}

TEST_F(ScreenTest, HitSearch)
{
    CGraphicsObject* opaque = picture(10, 10, false, 0, 0);
    CGraphicsObject* masked = picture(10, 10, true, 0, 0);
    CGraphicsObject* top = picture(10, 10, false, 5, 5);
    std::fill_n(masked->AlphaChannel(), 100, uint8_t(0));
    masked->AlphaChannel()[3 * 10 + 3] = 200;
    screen->put(opaque, 1);
    screen->put(masked, 2);
    screen->put(top, 3);
    // Opaque pictures without an alpha plane are found.
    EXPECT_EQ(screen->getGraphicsAt(1, 1, false, -1, -1, false), opaque);
    EXPECT_EQ(screen->getGraphicsAt(1, 1, false, -1, -1, true), masked);
    EXPECT_EQ(screen->getGraphicsAt(3, 3, false, -1, -1, false), masked);
    EXPECT_EQ(screen->getGraphicsAt(6, 6, false, -1, -1, false), top);
    EXPECT_EQ(screen->getGraphicsAt(6, 6, false, -1, 2, true), masked);
    EXPECT_EQ(screen->getGraphicsAt(6, 6, false, 4, -1, false), nullptr);
    top->Hide();
    EXPECT_EQ(screen->getGraphicsAt(6, 6, true, -1, -1, true), masked);
    EXPECT_EQ(screen->getGraphicsAt(50, 50, false, -1, -1, true), nullptr);
    // Of equal priorities the later one.
    CGraphicsObject* later = picture(10, 10, false, 0, 0);
    screen->put(later, 2);
    EXPECT_EQ(screen->getGraphicsAt(3, 3, false, -1, 2, false), later);
}

TEST_F(ScreenTest, TheFirstFrameOfASceneStartsItsUnit)
{
    std::vector<std::string> log;
    RecordingUnit unit(log);
    RecordingCanvasObserver observer(log);
    screen->addNotifier(&observer);
    screen->addNotifier(&observer);
    screen->put(picture(4, 4, false), 1);
    frame();
    EXPECT_EQ(log, (std::vector<std::string>{}));

    CScreenUnitLink::install(&unit);
    frame();
    // Without the notify flag only the end of the first frame is told; the next frame is whole.
    EXPECT_EQ(log, (std::vector<std::string>{"unit.initial", "initialUpdated"}));
    EXPECT_TRUE(screen->getRefreshList()->isWhole());
    log.clear();
    screen->enableNotifyFlag(true);
    frame();
    EXPECT_EQ(log, (std::vector<std::string>{"unit.refreshed", "update", "updated"}));
    EXPECT_EQ(screen->getRefreshList()->getSize(), 0);

    log.clear();
    unit.updated = false;
    frame();
    EXPECT_EQ(log, (std::vector<std::string>{"initialUpdate", "unit.initial", "update", "updated", "initialUpdated"}));

    log.clear();
    window->OnActivateApp(false);
    window->OnActivateApp(true);
    EXPECT_EQ(log, (std::vector<std::string>{"focusOff", "focusOn"}));
    screen->removeNotifier(&observer);
    CScreenUnitLink::install(nullptr);
}

TEST_F(ScreenTest, ObjectsAndMediaLeaveTheScreen)
{
    auto shared = new SharedPicture(window.get());
    screen->put(shared, 1);
    window->removeFromScreen(shared);
    EXPECT_EQ(screen->GetPriority(shared), -1);

    // The resources manager takes a medium off the window's screen before deleting it.
    CResourcesManager resources(window.get());
    resources.add(shared);
    screen->put(shared, 1);
    EXPECT_TRUE(resources.remove(shared));
    window->Invalidate();
    frame();

    // A listed object that dies leaves the list; a screen that dies first lets its objects go.
    auto brief = std::make_unique<CGraphicsObject>(window.get(), CXSize(2, 2), 16);
    screen->put(brief.get(), 1);
    brief.reset();
    window->Invalidate();
    frame();
    CGraphicsObject* survivor = picture(2, 2, false);
    screen->put(survivor, 1);
    window->CreateSurface();
    EXPECT_EQ(survivor->GetCanvas(), nullptr);
    survivor->Move(1, 1);
}

TEST_F(ScreenTest, BackgroundFromAFileAndTheScreenSaved)
{
    GameFolder folder;
    CGraphicsObject* stored = picture(800, 600, false);
    stored->Save(GameFolder::gamePath("back.img").c_str(), COMPRESSION_NONE);
    window->SetBackground(CXString(GameFolder::gamePath("back.img").c_str()));
    CGraphicsObject* sprite = picture(20, 20, true, 100, 100);
    screen->put(sprite, 1);
    // Nothing to save before a frame was drawn.
    screen->Save(GameFolder::gamePath("early.img").c_str(), COMPRESSION_NONE);
    EXPECT_FALSE(std::filesystem::exists(folder.temp / "early.img"));
    frame();
    EXPECT_EQ(shown(5, 5), pixelsOf(*stored)[5 * 800 + 5]);

    // A picture that does not load leaves the background as it was.
    window->SetBackground(CXString(GameFolder::gamePath("missing.img").c_str()));
    window->Invalidate();
    frame();
    EXPECT_EQ(shown(5, 5), pixelsOf(*stored)[5 * 800 + 5]);

    screen->Save(GameFolder::gamePath("screen.img").c_str(), COMPRESSION_NONE);
    CImageFile saved(window.get());
    ASSERT_EQ(saved.Load(GameFolder::gamePath("screen.img").c_str()), FILETYPE_IMAGE);
    std::unique_ptr<CGraphicsObject> copy(saved.GetGraphicsObject());
    ASSERT_EQ(copy->LastError(), 0);
    ASSERT_EQ(copy->Width(), 800);
    EXPECT_TRUE(std::equal(pixelsOf(*copy), pixelsOf(*copy) + 800 * 600, shownFrame().begin()));
    screen->flush();
}

TEST_F(ScreenTest, PageFlippingDrawsEveryFrameWhole)
{
    window.reset();
    CCommandLine6 options("-pf");
    window = std::make_unique<CWindow>(&hostWindow, &options, nullptr, CXSize(800, 600), platform::CursorShape::Arrow, "tamzora", true);
    ASSERT_EQ(window->SetDisplayMode(CXSize(800, 600), 16), 0);
    window->OnActivateApp(true);
    screen = window->GetRefreshScreenInterface();
    CColor white(255, 255, 255);
    window->SetBackground(&white);
    frame();
    EXPECT_EQ(shown(799, 599), 0xFFFF);
    EXPECT_TRUE(screen->getRefreshList()->isWhole());
    window.reset();
}

} // namespace graphicstest
