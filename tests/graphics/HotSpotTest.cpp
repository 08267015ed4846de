#include "MouseScript.h"
#include "WindowHarness.h"

#include "graphics/CHotSpot.h"
#include "graphics/CScreenUnit.h"

#include <memory>

namespace graphicstest {
namespace {

// Writes "name.what" for every handler call and answers what it is told to.
class RecordingSpot : public CHotSpot {
public:
    RecordingSpot(CWindow* window, Log& log, std::string name, CXRect rect, int priority)
        : CHotSpot(window), log_(log), name_(std::move(name))
    {
        SetActiveRect(rect, CWindow::MOUSE_MOVE, 0);
        setPriority(priority);
    }

    int OnMouseMove(CXPoint, int, void*) override { return record("move"); }
    int OnFocusOn(CXPoint, int, void*) override { return record("on"); }
    int OnFocusOff(CXPoint, int, void*) override { return record("off"); }
    int OnLButtonDown(CXPoint, int, void*) override { return record("ldown"); }
    int OnLButtonUp(CXPoint, int, void*) override { return record("lup"); }
    int OnRButtonDown(CXPoint, int, void*) override { return record("rdown"); }

    int answer = 1;
    std::function<void()> after;

private:
    // The hook may destroy this spot: nothing of it is read afterwards.
    int record(const char* what)
    {
        log_.push_back(name_ + "." + what);
        const int answered = answer;
        if (const std::function<void()> hook = after)
            hook();
        return answered;
    }

    Log& log_;
    std::string name_;
};

class SwitchedUnit : public CScreenUnit {
public:
    bool wasInitiallyUpdated() override { return true; }
    bool onInitialUpdate() override { return true; }
    void onCanvasRefreshed() override {}
    bool isActive() override { return active; }
    bool isDragging() const override { return false; }
    bool onStartDragging(CGraphicsObject*, CXPoint, CControl*) override { return false; }

    bool active = true;
};

class HotSpotTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        window->SetActiveCursor(platform::CursorShape::Hand);
        window->registerMouseListener(&listener, 0);
    }
    void TearDown() override
    {
        if (window)
            window->removeMouseListener(&listener);
        spots.clear();
        CHotSpot::resetStatics();
        WindowTest::TearDown();
    }

    RecordingSpot& spot(const std::string& name, CXRect rect, int priority)
    {
        spots.push_back(std::make_unique<RecordingSpot>(window.get(), log, name, rect, priority));
        return *spots.back();
    }

    // Runs the mouse events (MouseScript.h) and answers what was told, one call after another.
    std::string mouse(const std::string& events)
    {
        runMouse(*window, events, at);
        std::string told;
        for (const std::string& entry : takeLog())
            told += (told.empty() ? "" : " ") + entry;
        return told;
    }

    RecordingMouseListener listener{log, "listener"};
    std::vector<std::unique_ptr<RecordingSpot>> spots;
    // Where the last move went.
    CXPoint at;
};

TEST_F(HotSpotTest, TheHighestPriorityUnderThePointTakesTheEventTheEarliestAmongEquals)
{
    struct Case {
        int first;
        int second;
        const char* told;
    };
    const Case cases[] = {
        {5, 7, "b.move b.on b.ldown"},
        {7, 5, "a.move a.on a.ldown"},
        {5, 5, "a.move a.on a.ldown"},
        {-1, 0, "b.move b.on b.ldown"},
        // No spot at all: the listeners hear it.
        {-1, -1, "listener.move listener.click listener.click0"},
    };
    for (const Case& c : cases) {
        spot("a", CXRect(0, 0, 10, 10), c.first);
        spot("b", CXRect(5, 5, 15, 15), c.second);
        EXPECT_EQ(mouse("m 7,7 l+"), c.told) << c.first << " " << c.second;
        spots.clear();
    }
}

TEST_F(HotSpotTest, MovesEnterAndLeaveSpotsAndOnlyTheLeftButtonAndMovesAreTaken)
{
    RecordingSpot& a = spot("a", CXRect(0, 0, 10, 10), 1);
    spot("b", CXRect(5, 5, 15, 15), 2);
    a.answer = 0;
    struct Step {
        const char* events;
        const char* told;
    };
    const Step steps[] = {
        {"m 1,1", "a.move a.on listener.move"},
        {"m 2,2", "a.move listener.move"},
        // Still over a: a is not left while b is entered.
        {"m 7,7", "b.move b.on"},
        {"m 12,12", "a.off b.move"},
        // A spot that takes its leaving takes the move.
        {"m 20,20", "b.off"},
        {"m 1,1 l+ l-", "a.move a.on listener.move a.ldown listener.click listener.click0 a.lup listener.release listener.release0"},
        // A release leaves the spot: the next move enters again.
        {"m 2,2", "a.move a.on listener.move"},
        // Every spot under the point hears a right press, in the order they were made, until one
        // takes it; the listeners hear it still.
        {"m 7,7 r+", "b.move b.on a.rdown b.rdown listener.click2"},
    };
    for (const Step& step : steps)
        EXPECT_EQ(mouse(step.events), step.told) << step.events;
}

TEST_F(HotSpotTest, ThePriorityBandAndInactiveUnitsKeepSpotsFromMovesAndLeftButtons)
{
    RecordingSpot& low = spot("low", CXRect(0, 0, 10, 10), 5);
    RecordingSpot& ranged = spot("ranged", CXRect(20, 0, 30, 10), 15);
    CHotSpot::setMinPriority(10);
    CHotSpot::setMaxPriority(15);
    EXPECT_EQ(CHotSpot::findAt({&low, &ranged}, CXPoint(25, 5)), &ranged);
    EXPECT_EQ(mouse("m 1,1 l+"), "listener.move listener.click listener.click0");
    // The right press knows no band.
    EXPECT_EQ(mouse("r+"), "low.rdown listener.click2");
    CHotSpot::setMaxPriority(14);
    EXPECT_EQ(mouse("m 25,5"), "listener.move");

    CHotSpot::setMaxPriority(CHotSpot::defaultMaxPriority);
    SwitchedUnit unit;
    ranged.setUnit(&unit);
    unit.active = false;
    EXPECT_EQ(mouse("m 25,5 l+"), "listener.move listener.click listener.click0");
    EXPECT_EQ(mouse("r+"), "ranged.rdown listener.click2");
    unit.active = true;
    // The right press counted as entering.
    EXPECT_EQ(mouse("m 26,5"), "ranged.move");
}

TEST_F(HotSpotTest, AreasHitByRectangleOnlyWhileEnabled)
{
    RecordingSpot& nowhere = spot("nowhere", CXRect(), 1);
    RecordingSpot& flat = spot("flat", CXRect(0, 0, 10, 0), 1);
    RecordingSpot& box = spot("box", CXRect(0, 0, 10, 10), 1);
    EXPECT_FALSE(nowhere.TestHit(CXPoint(0, 0)));
    EXPECT_FALSE(flat.TestHit(CXPoint(0, 0)));
    EXPECT_TRUE(box.TestHit(CXPoint(0, 0)));
    EXPECT_FALSE(box.TestHit(CXPoint(10, 5)));
    box.Enable(false);
    EXPECT_FALSE(box.TestHit(CXPoint(0, 0)));
    EXPECT_EQ(mouse("m 1,1 l+ r+"), "listener.move listener.click listener.click0 listener.click2");
}

TEST_F(HotSpotTest, SpotsSwitchTheWindowsCursor)
{
    RecordingSpot& a = spot("a", CXRect(0, 0, 10, 10), 1);
    RecordingSpot& quiet = spot("quiet", CXRect(20, 0, 30, 10), 1);
    quiet.EnableCursor(false);
    mouse("m 1,1");
    EXPECT_EQ(hostWindow.cursor(), platform::CursorShape::Hand);
    mouse("m 15,5");
    EXPECT_EQ(hostWindow.cursor(), platform::CursorShape::Arrow);
    mouse("m 25,5");
    EXPECT_EQ(hostWindow.cursor(), platform::CursorShape::Arrow);

    // Disabled while the mouse is over it, a spot leaves the cursor; otherwise the main one shows.
    mouse("m 1,1");
    a.Enable(false);
    EXPECT_EQ(hostWindow.cursor(), platform::CursorShape::Hand);
    a.Enable(true);
    mouse("m 15,5 m 1,1 l+ l-");
    window->SetCursor(platform::CursorShape::Hand);
    a.Enable(false);
    EXPECT_EQ(hostWindow.cursor(), platform::CursorShape::Arrow);
}

TEST_F(HotSpotTest, SpotsDestroyedByAHandlerAreNotToldAndTheRegistryOutlivesItsWindow)
{
    RecordingSpot& a = spot("a", CXRect(0, 0, 10, 10), 1);
    spot("b", CXRect(0, 0, 10, 10), 1);
    a.answer = 0;
    a.after = [this] { spots[1].reset(); };
    EXPECT_EQ(mouse("r+"), "a.rdown listener.click2");
    a.after = [this] { spots[0].reset(); };
    EXPECT_EQ(mouse("m 1,1"), "a.move listener.move");

    // A spot made after a prototype waits outside the registry until it is added.
    RecordingSpot& lone = spot("lone", CXRect(0, 0, 10, 10), 1);
    CHotSpot copy(window.get(), &lone, CWindow::MOUSE_MOVE, 0, nullptr);
    EXPECT_EQ(mouse("m 2,2"), "lone.move lone.on");

    // The window's end takes the registry with it; spots destroyed later leave it alone.
    window.reset();
    EXPECT_EQ(CHotSpot::OnMouseEvent(CWindow::MOUSE_MOVE, CXPoint(1, 1), 0), 0);
    spots.clear();
}

} // namespace
} // namespace graphicstest
