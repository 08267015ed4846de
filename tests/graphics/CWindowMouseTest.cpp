#include "WindowHarness.h"

#include "graphics/CHotSpot.h"

#include <map>

namespace graphicstest {
namespace {

using Handler = int (CWindow::*)(CXPoint, int);

struct MouseCase {
    const char* name;
    Handler handler;
    int flags;
    // Questions each listener answers true.
    std::map<std::string, std::vector<std::string>> takes;
    Log asked;
    int result;
};

// Three listeners: "low" at priority 1, then "first" and "later" both at 5, registered in that
// order, so they are asked later, first, low.
class MouseTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        window->registerMouseListener(&low, 1);
        window->registerMouseListener(&first, 5);
        window->registerMouseListener(&later, 5);
    }

    RecordingMouseListener low{log, "low"};
    RecordingMouseListener first{log, "first"};
    RecordingMouseListener later{log, "later"};
};

TEST_F(MouseTest, EventsGoFromTheHighestPriorityDownUntilOneIsTaken)
{
    const CXPoint point(40, 30);
    const MouseCase cases[] = {
        {"move, nobody takes", &CWindow::OnMouseMove, 0, {}, {"later.move", "first.move", "low.move"}, 0},
        {"move taken", &CWindow::OnMouseMove, 0, {{"first", {"move"}}}, {"later.move", "first.move"}, 1},
        {"left press, point form first", &CWindow::OnLButtonDown, 0, {{"first", {"click"}}},
         {"later.click", "later.click0", "first.click"}, 0},
        {"left press, button form after it", &CWindow::OnLButtonDown, 0, {{"later", {"click0"}}},
         {"later.click", "later.click0"}, 0},
        {"left press, nobody takes", &CWindow::OnLButtonDown, 0, {},
         {"later.click", "later.click0", "first.click", "first.click0", "low.click", "low.click0"}, 0},
        {"left release", &CWindow::OnLButtonUp, 0, {{"first", {"release0"}}},
         {"later.release", "later.release0", "first.release", "first.release0"}, 0},
        {"double click, even with flags", &CWindow::OnLButtonDblClk, 1, {{"low", {"dblclick"}}},
         {"later.dblclick", "first.dblclick", "low.dblclick"}, 0},
        {"middle press", &CWindow::OnMButtonDown, 0, {{"first", {"click1"}}}, {"later.click1", "first.click1"}, 0},
        {"middle release", &CWindow::OnMButtonUp, 0, {{"later", {"release1"}}}, {"later.release1"}, 0},
        {"right press", &CWindow::OnRButtonDown, 0, {}, {"later.click2", "first.click2", "low.click2"}, 0},
        {"right release", &CWindow::OnRButtonUp, 0, {{"low", {"release2"}}},
         {"later.release2", "first.release2", "low.release2"}, 0},
        {"move with flags", &CWindow::OnMouseMove, 2, {}, {}, 0},
        {"left press with flags", &CWindow::OnLButtonDown, 1, {}, {}, 0},
        {"left release with flags", &CWindow::OnLButtonUp, 1, {}, {}, 0},
        {"right press with flags", &CWindow::OnRButtonDown, 2, {}, {}, 0},
    };
    for (const MouseCase& c : cases) {
        SCOPED_TRACE(c.name);
        for (RecordingMouseListener* listener : {&low, &first, &later})
            listener->takes.clear();
        for (const auto& [name, questions] : c.takes)
            (name == "low" ? low : name == "first" ? first : later).takes = questions;
        takeLog();
        EXPECT_EQ(((*window).*c.handler)(point, c.flags), c.result);
        EXPECT_EQ(takeLog(), c.asked);
    }
}

// A spot over the whole window that takes every left press and release with the value 3.
class TakingSpot : public CHotSpot {
public:
    TakingSpot(CWindow* window, Log& log) : CHotSpot(window), log_(log)
    {
        SetActiveRect(CXRect(0, 0, 800, 600), CWindow::MOUSE_MOVE, 0);
    }
    int OnLButtonDown(CXPoint, int, void*) override { return record("spot.ldown"); }
    int OnLButtonUp(CXPoint, int, void*) override { return record("spot.lup"); }

private:
    int record(const char* what)
    {
        log_.push_back(what);
        return 3;
    }
    Log& log_;
};

TEST_F(MouseTest, AHotSpotTakingALeftPressEndsItButItsReleaseStillReachesTheListeners)
{
    TakingSpot spot(window.get(), log);
    later.takes = {"release"};
    EXPECT_EQ(window->OnLButtonDown(CXPoint(40, 30), 0), 3);
    EXPECT_EQ(takeLog(), Log{"spot.ldown"});
    EXPECT_EQ(window->OnLButtonUp(CXPoint(40, 30), 0), 3);
    EXPECT_EQ(takeLog(), (Log{"spot.lup", "later.release"}));
    // Presses of the other buttons pass the spot by and reach the listeners.
    EXPECT_EQ(window->OnRButtonDown(CXPoint(40, 30), 0), 0);
    EXPECT_EQ(takeLog(), (Log{"later.click2", "first.click2", "low.click2"}));
    CHotSpot::resetStatics();
}

TEST_F(MouseTest, ADisabledMouseReachesNobody)
{
    window->enableMouse(false);
    for (Handler handler : {&CWindow::OnMouseMove, &CWindow::OnLButtonDown, &CWindow::OnLButtonUp,
                            &CWindow::OnLButtonDblClk, &CWindow::OnMButtonDown, &CWindow::OnRButtonUp})
        EXPECT_EQ(((*window).*handler)(CXPoint(1, 1), 0), 0);
    EXPECT_TRUE(log.empty());
    window->enableMouse(true);
    window->OnRButtonDown(CXPoint(1, 1), 0);
    EXPECT_EQ(log.size(), 3u);
}

TEST_F(MouseTest, RegisteringTwiceKeepsTheFirstPriorityAndRemovingForgets)
{
    window->registerMouseListener(&low, 100);
    window->removeMouseListener(&first);
    window->removeMouseListener(&first);
    window->OnMouseMove(CXPoint(1, 1), 0);
    EXPECT_EQ(takeLog(), (Log{"later.move", "low.move"}));
}

TEST_F(MouseTest, CaptureLiftsTheListenerAboveEveryOther)
{
    window->setMouseCaption(&low);
    EXPECT_EQ(takeLog(), (Log{"later.loosefocus", "low.setfocus"}));
    window->OnMouseMove(CXPoint(1, 1), 0);
    EXPECT_EQ(takeLog(), (Log{"low.move", "later.move", "first.move"}));

    // The owner of the mouse asking again changes nothing; a newcomer is registered.
    window->setMouseCaption(&low);
    RecordingMouseListener newcomer(log, "newcomer");
    window->setMouseCaption(&newcomer);
    EXPECT_EQ(takeLog(), (Log{"low.loosefocus", "newcomer.setfocus"}));
    window->OnMouseMove(CXPoint(1, 1), 0);
    EXPECT_EQ(takeLog(), (Log{"newcomer.move", "low.move", "later.move", "first.move"}));
    window->removeMouseListener(&newcomer);
}

TEST_F(MouseTest, ListenersChangedByAHandlerAreSkippedOnceGoneAndNewcomersWaitForTheNextEvent)
{
    RecordingMouseListener newcomer(log, "newcomer");
    later.onAsked = [&] {
        window->removeMouseListener(&first);
        window->registerMouseListener(&newcomer, 3);
    };
    window->OnMouseMove(CXPoint(1, 1), 0);
    EXPECT_EQ(takeLog(), (Log{"later.move", "low.move"}));
    later.onAsked = nullptr;
    window->OnMouseMove(CXPoint(1, 1), 0);
    EXPECT_EQ(takeLog(), (Log{"later.move", "newcomer.move", "low.move"}));
    window->removeMouseListener(&newcomer);
}

} // namespace
} // namespace graphicstest
