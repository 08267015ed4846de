#include "AnimoFixture.h"
#include "WindowHarness.h"

#include "graphics/CCollisionInspector.h"
#include "graphics/CCollisionObserver.h"

#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace {

// Writes "A+B" when A, after a move, starts meeting B and "A-B" when it leaves it.
struct CollisionLog : CCollisionObserver {
    void onCollision(CGraphicsObject* moved, CGraphicsObject* other) override { add(moved, "+", other); }
    void onCollisionFinished(CGraphicsObject* moved, CGraphicsObject* other) override { add(moved, "-", other); }
    void add(CGraphicsObject* moved, const char* change, CGraphicsObject* other)
    {
        text += (text.empty() ? "" : " ") + names[moved] + change + names[other];
        if (during)
            during();
    }
    std::string take() { return std::exchange(text, ""); }

    std::map<CGraphicsObject*, std::string> names;
    std::string text;
    std::function<void()> during;
};

class CollisionTest : public ::testing::Test {
protected:
    void SetUp() override { inspector.addNotifier(&log); }

    // A 10 × 10 object at (x, y) with an alpha plane of `alpha` everywhere.
    CGraphicsObject* object(const char* name, int x, int y, int alpha = 255)
    {
        objects.push_back(std::make_unique<CGraphicsObject>(nullptr, CXSize(10, 10), 16));
        CGraphicsObject* made = objects.back().get();
        made->AlphaChannel() = new uint8_t[100];
        std::memset(made->AlphaChannel(), alpha, 100);
        made->SetPosition(x, y);
        log.names[made] = name;
        return made;
    }

    void moveTo(CGraphicsObject* moved, int x, int y)
    {
        moved->SetPosition(x, y);
        inspector.onPositionChanged(moved);
    }

    std::string tick()
    {
        inspector.tick();
        return log.take();
    }

    std::vector<std::unique_ptr<CGraphicsObject>> objects;
    CollisionLog log;
    CCollisionInspector inspector;
};

TEST_F(CollisionTest, CollisionsStartAndFinishOnceEach)
{
    CGraphicsObject* a = object("A", 0, 0);
    CGraphicsObject* b = object("B", 30, 0);
    CGraphicsObject* unwatched = object("U", 0, 0);
    inspector.addMonitoredObject(a, false);
    inspector.addMonitoredObject(b, false);
    struct Step {
        CGraphicsObject* moved;
        int x;
        int y;
        const char* reported;
    };
    const Step steps[] = {
        {a, 20, 0, ""},      // edges touch: no shared area
        {a, 21, 9, "A+B"},   // one pixel column and row shared
        {a, 25, 0, ""},      // still meeting
        {b, 26, 0, ""},      // the other moves, still meeting
        {a, 25, 10, "A-B"},  // touching again
        {a, 25, 10, ""},     // no change
        {b, 25, 5, "B+A"},   // the mover is named first
        {unwatched, 25, 5, ""},
    };
    for (const Step& step : steps) {
        moveTo(step.moved, step.x, step.y);
        EXPECT_EQ(tick(), step.reported) << log.names[step.moved] << " to " << step.x << "," << step.y;
    }
    EXPECT_EQ(tick(), "");
}

TEST_F(CollisionTest, TheMovedObjectsAlphaFlagChoosesThePixelTest)
{
    struct Case {
        const char* what;
        bool moverAlpha;
        bool stillAlpha;
        int stillOpacity;
        _compression stillCompression;
        bool stillHasAlpha;
        const char* reported;
    };
    const Case cases[] = {
        {"boxes only", false, true, 0, COMPRESSION_NONE, true, "M+S"},
        {"transparent where sampled", true, false, 0, COMPRESSION_NONE, true, ""},
        {"opaque", true, false, 255, COMPRESSION_NONE, true, "M+S"},
        {"packed", true, false, 255, COMPRESSION_RLE, true, ""},
        {"no alpha plane", true, false, 255, COMPRESSION_NONE, false, ""},
    };
    for (const Case& c : cases) {
        CCollisionInspector fresh;
        fresh.addNotifier(&log);
        CGraphicsObject* still = object("S", 0, 0, c.stillOpacity);
        still->SetCompression(c.stillCompression);
        if (!c.stillHasAlpha) {
            delete[] still->AlphaChannel();
            still->AlphaChannel() = nullptr;
        }
        CGraphicsObject* mover = object("M", 50, 50);
        fresh.addMonitoredObject(still, c.stillAlpha);
        fresh.addMonitoredObject(mover, c.moverAlpha);
        mover->SetPosition(4, 4);
        fresh.onPositionChanged(mover);
        fresh.tick();
        EXPECT_EQ(log.take(), c.reported) << c.what;
        still->SetCompression(COMPRESSION_NONE);
    }
}

TEST_F(CollisionTest, OnlyOneOfEightEdgePointsOfTheMoverNeedsAPixelBelow)
{
    CGraphicsObject* still = object("S", 0, 0, 0);
    CGraphicsObject* mover = object("M", 50, 50);
    inspector.addMonitoredObject(still, false);
    inspector.addMonitoredObject(mover, true);
    // The mover at (3, 3) samples its corners and edge midpoints: (3, 3) ... (12, 12).
    still->AlphaChannel()[4 * 10 + 4] = 255;
    moveTo(mover, 3, 3);
    EXPECT_EQ(tick(), "");
    still->AlphaChannel()[8 * 10 + 3] = 1;
    moveTo(mover, 3, 3);
    EXPECT_EQ(tick(), "M+S");
}

TEST_F(CollisionTest, ARemovedObjectLeavesNoTraceBehind)
{
    CGraphicsObject* a = object("A", 0, 0);
    CGraphicsObject* b = object("B", 5, 5);
    inspector.addMonitoredObject(a, false);
    inspector.addMonitoredObject(b, false);
    moveTo(a, 1, 1);
    EXPECT_EQ(tick(), "A+B");
    // Watched again at the same address, B is not "already colliding".
    inspector.removeMonitoredObject(b);
    inspector.addMonitoredObject(b, false);
    moveTo(a, 2, 2);
    EXPECT_EQ(tick(), "A+B");

    inspector.removeMonitoredObject(b);
    moveTo(b, 3, 3);
    moveTo(a, 40, 40);
    EXPECT_EQ(tick(), "");
    inspector.removeMonitoredObject(b);
}

TEST_F(CollisionTest, ObserversMayRemoveObjectsAndMoveThemWhileTold)
{
    CGraphicsObject* a = object("A", 0, 0);
    CGraphicsObject* b = object("B", 20, 0);
    CGraphicsObject* c = object("C", 20, 0);
    for (CGraphicsObject* o : {a, b, c})
        inspector.addMonitoredObject(o, false);
    CollisionLog second;
    second.names = log.names;
    inspector.addNotifier(&second);
    log.during = [&] {
        inspector.removeMonitoredObject(c);
        inspector.removeNotifier(&second);
        moveTo(a, 21, 1);
    };
    moveTo(a, 15, 0);
    EXPECT_EQ(tick(), "A+B");
    EXPECT_EQ(second.take(), "");
    log.during = nullptr;
    // The move made while told is tested in the next tick.
    EXPECT_EQ(tick(), "");
    moveTo(a, 60, 0);
    EXPECT_EQ(tick(), "A-B");
}

using CollisionWindowTest = graphicstest::WindowTest;

TEST_F(CollisionWindowTest, MonitoredObjectsAndAnimationsReportTheirMovesToTheWindowsInspector)
{
    CCollisionInspector* inspector = window->getCollisionInspectorInterface();
    CollisionLog reports;
    inspector->addNotifier(&reports);
    CGraphicsObject wall(window.get(), CXSize(10, 10), 16);
    CAnimo animo(window.get());
    animo.appendFrame(animotest::solidFrame(4, 4, 0x1234));
    animo.SetFrame(0);
    reports.names[&wall] = "wall";
    reports.names[&animo] = "cat";
    for (CGraphicsObject* o : {static_cast<CGraphicsObject*>(&wall), static_cast<CGraphicsObject*>(&animo)}) {
        o->setMonitorCollisions(true);
        inspector->addMonitoredObject(o, false);
    }
    wall.SetPosition(100, 0);
    window->Tick();
    EXPECT_EQ(reports.take(), "");
    animo.Move(98, 3);
    window->Tick();
    EXPECT_EQ(reports.take(), "cat+wall");
    animo.SetGlobalPosition(0, 0);
    window->Tick();
    EXPECT_EQ(reports.take(), "cat-wall");
    wall.Move(-100, 0);
    window->Tick();
    EXPECT_EQ(reports.take(), "wall+cat");
    inspector->removeMonitoredObject(&wall);
    inspector->removeMonitoredObject(&animo);
}

} // namespace
