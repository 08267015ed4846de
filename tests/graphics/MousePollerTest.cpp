#include "PollerHarness.h"

#include "graphics/CDXMouse.h"
#include "platform/TimerService.h"

namespace graphicstest {
namespace {

using platform::InputDevice;
using platform::kInputPressed;
namespace MouseOffset = platform::MouseOffset;

class MousePollerTest : public PollerTest {
protected:
    void SetUp() override
    {
        PollerTest::SetUp();
        mouse = std::make_unique<CDXMouse>(window.get());
        window->registerMouseListener(&listener, 0);
    }
    void TearDown() override
    {
        window->removeMouseListener(&listener);
        mouse.reset();
        PollerTest::TearDown();
    }

    // Mouse words: "@x,y" puts the pointer there, "mx" and "my" move along an axis, "w" turns the
    // wheel, "L+" / "L-" press and release the left button ("R" right, "M" middle). Returns what
    // the mouse listener was told.
    std::string use(const std::string& steps)
    {
        run(steps, [this](const std::string& word) {
            if (word[0] == '@') {
                const size_t comma = word.find(',');
                input.setPointer({std::stoi(word.substr(1, comma - 1)), std::stoi(word.substr(comma + 1))});
            } else if (word == "mx" || word == "my" || word == "w") {
                const uint32_t axis = word == "mx" ? MouseOffset::X : word == "my" ? MouseOffset::Y : MouseOffset::Wheel;
                input.inject(InputDevice::Mouse, {axis, 3});
            } else {
                const uint32_t button = std::string("LRM").find(word[0]);
                input.inject(InputDevice::Mouse, {MouseOffset::Button0 + button, word[1] == '+' ? kInputPressed : 0});
            }
        });
        const std::string told = joined(log);
        log.clear();
        return told;
    }

    PointMouseListener listener{log};
    std::unique_ptr<CDXMouse> mouse;
};

TEST_F(MousePollerTest, RecordsBecomeMovesAndButtonEventsAtTheirPositions)
{
    struct Case {
        const char* what;
        const char* steps;
        const char* told;
    };
    const Case cases[] = {
        {"moves within one poll are one move, at the last position", "@10,10 mx @20,15 my @30,40 mx |", "move@30,40"},
        {"each poll's moves are told", "@1,2 mx | @3,4 my |", "move@1,2 move@3,4"},
        {"a press and release within one poll are both told in order", "@5,5 L+ L- |", "click@5,5 release@5,5"},
        {"a press after collapsed moves is told where it happened", "@1,1 mx @3,3 mx L+ |", "move@3,3 click@3,3"},
        {"moves around a press stay on their sides", "@1,1 mx L+ @2,2 mx @4,4 my L- @6,6 mx |",
         "move@1,1 click@1,1 move@4,4 release@4,4 move@6,6"},
        {"right and middle buttons", "@4,4 R+ R- M+ M- |", "click2@4,4 release2@4,4 click1@4,4 release1@4,4"},
        {"the wheel tells nothing", "w w |", ""},
        {"a lost device tells nothing until it is acquired again", "@1,1 mx lost | L+ | back | @2,2 mx | L+ |",
         "move@2,2 click@2,2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(use(c.steps), c.told);
        use("L- R- M- | |");
    }
}

TEST_F(MousePollerTest, ThePositionIsTheLastMoveQueuedAndTheNewestPollerIsTheSingleton)
{
    EXPECT_EQ(CDXMouse::getSingleton(), mouse.get());
    use("@7,8 mx @9,9 L+ |");
    EXPECT_EQ(mouse->getPosition(), CXPoint(7, 8));
    use("@12,13 my |");
    EXPECT_EQ(mouse->getPosition(), CXPoint(12, 13));

    // A released device reads nothing until it is initialised again.
    mouse->release();
    use("@1,1 mx |");
    mouse->initialize();
    EXPECT_EQ(use("@2,2 mx |"), "move@2,2");

    // Destroyed, a poller leaves the window and delivers nothing it queued.
    mouse->tick();
    use("@3,3 mx");
    mouse->tick();
    mouse.reset();
    EXPECT_EQ(CDXMouse::getSingleton(), nullptr);
    EXPECT_EQ(use("|"), "");
}

// The window's own input poller on the manual timers of a headless run.
class TimedPollerTest : public PollerTest {
protected:
    TimedPollerTest() { windowMessageMouse = false; }
    void SetUp() override
    {
        platform::setTimers(&timers);
        PollerTest::SetUp();
        window->registerMouseListener(&listener, 0);
    }
    void TearDown() override
    {
        window->removeMouseListener(&listener);
        PollerTest::TearDown();
        platform::setTimers(nullptr);
    }
    // One millisecond: the timers due by then, then the turn.
    void millisecond()
    {
        clock.advance(1);
        timers.runDue();
        window->Tick();
    }

    platform::TimerService timers{platform::TimerService::Mode::Manual, &clock};
    PointMouseListener listener{log};
};

TEST_F(TimedPollerTest, TheDevicesAreReadOncePerPeriodOfThePlatformTimersAndToldInTheNextTurn)
{
    ASSERT_TRUE(window->hasPollerThread());
    input.setPointer({5, 6});
    for (const auto& [state, told] : {std::pair{kInputPressed, "click@5,6"}, std::pair{0, "release@5,6"}}) {
        input.inject(InputDevice::Mouse, {MouseOffset::Button0, state});
        for (uint32_t ms = 1; ms < CWindow::pollerPeriodMs; ++ms)
            millisecond();
        EXPECT_EQ(input.buffered(InputDevice::Mouse), 1u) << "the record waits for the period's end";
        EXPECT_EQ(joined(log), "");
        clock.advance(1);
        timers.runDue();
        EXPECT_EQ(input.buffered(InputDevice::Mouse), 0u);
        EXPECT_EQ(joined(log), "") << "what the poller read waits for the turn";
        window->Tick();
        EXPECT_EQ(joined(log), told);
        log.clear();
    }
}

} // namespace
} // namespace graphicstest
