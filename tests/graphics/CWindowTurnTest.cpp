#include "WindowHarness.h"

#include "foundation/CUnitTimerTarget.h"
#include "foundation/CXTimer.h"
#include "graphics/CAnimationManager.h"
#include "graphics/CMouseObjectLink.h"
#include "graphics/CPlayable.h"
#include "graphics/CSoundManagerLink.h"

namespace graphicstest {
namespace {

using TurnTest = WindowTest;

// A playable that plays at 1000 frames per second and records its steps.
class SteppedAnimation : public CPlayable {
public:
    explicit SteppedAnimation(Log& log) : CPlayable(nullptr), log_(log) { setStatus(StatusPlaying); }
    void play() override {}
    void stop(bool) override {}
    void pause() override {}
    void resume() override {}
    void seek(int) override {}
    int getFPS() const override { return 1000; }
    int next() override
    {
        log_.push_back("animations");
        return 0;
    }

private:
    Log& log_;
};

class RecordingSoundManager : public CSoundManagerLink {
public:
    explicit RecordingSoundManager(Log& log) : log_(log) {}
    int domodal() override
    {
        log_.push_back("sounds");
        return 0;
    }

private:
    Log& log_;
};

TEST_F(TurnTest, ActiveTurnRunsItsStepsInTheFixedOrder)
{
    CAnimationManager animations;
    SteppedAnimation animation(log);
    animations.add(&animation, nullptr);
    CAnimationManager::install(&animations);
    RecordingSoundManager sounds(log);
    CSoundManagerLink::install(&sounds);
    RecordingHost host(log);
    RecordingPoller mouse(log, "mouse");
    RecordingPoller keyboard(log, "keyboard");
    RecordingTimer timer(log);
    FlushedObject listening(log, "OBJ");
    window->SetApplicationInterface(&host);
    window->addIPoller(&mouse);
    window->addIPoller(&keyboard);
    window->addIPoller(&mouse); // once only
    window->GetTimerInterface()->add(7, 1, &timer);
    window->registerMCListener(&listening);

    clock.advance(1);
    EXPECT_FALSE(window->domodal());
    EXPECT_EQ(takeLog(), (Log{"redraw", "tick:mouse", "tick:keyboard", "timer7", "animations", "sounds",
                              "flush:mouse", "flush:keyboard", "mcflush:OBJ", "host"}));

    window->removeIPoller(&keyboard);
    window->removeMCListener(&listening);
    clock.advance(1);
    window->Tick();
    EXPECT_EQ(takeLog(), (Log{"redraw", "tick:mouse", "timer7", "animations", "sounds", "flush:mouse"}));
    CSoundManagerLink::install(nullptr);
    CAnimationManager::install(nullptr);
}

TEST_F(TurnTest, InactiveTurnDoesNothingButTheHostStillRunsAndQuitEndsTheProgram)
{
    RecordingHost host(log);
    RecordingPoller poller(log, "mouse");
    RecordingTimer timer(log);
    window->SetApplicationInterface(&host);
    window->addIPoller(&poller);
    window->GetTimerInterface()->add(7, 1, &timer);
    window->OnActivateApp(false);

    clock.advance(5);
    EXPECT_EQ(window->Tick(), 0);
    EXPECT_FALSE(window->domodal());
    EXPECT_EQ(takeLog(), Log{"host"});

    window->quit();
    EXPECT_TRUE(window->domodal());
    host.endsProgram = true;
    window = makeWindow(true);
    window->SetApplicationInterface(&host);
    EXPECT_TRUE(window->domodal());
}

TEST_F(TurnTest, AWindowWithoutHostOrPollersStillTurns)
{
    clock.advance(1);
    EXPECT_EQ(window->Tick(), 0);
    EXPECT_FALSE(window->domodal());
    EXPECT_TRUE(window->OnExit());
    EXPECT_EQ(window->OnKeyDown(30, 0), 0);
    EXPECT_EQ(takeLog(), (Log{"redraw", "redraw"}));
}

TEST_F(TurnTest, PollersAndListenersChangedDuringDeliveryAreSkippedOnceGone)
{
    RecordingPoller first(log, "first");
    RecordingPoller second(log, "second");
    auto* doomed = new FlushedObject(log, "DOOMED");
    FlushedObject survivor(log, "SURVIVOR");
    window->addIPoller(&first);
    window->addIPoller(&second);
    window->registerMCListener(doomed);
    window->registerMCListener(&survivor);
    first.onFlush = [&] {
        window->removeIPoller(&second);
        window->removeMCListener(doomed);
        CMC_Object::destroy(doomed);
    };

    window->Tick();
    EXPECT_EQ(takeLog(), (Log{"redraw", "tick:first", "tick:second", "flush:first", "deleted:DOOMED",
                              "mcflush:SURVIVOR"}));
}

class RecordingMouseObject : public CMouseObjectLink {
public:
    explicit RecordingMouseObject(Log& log) : log_(log) {}
    void reset(CWindow*, bool clear) override { log_.push_back(clear ? "mouse.reset(true)" : "mouse.reset(false)"); }
    void restore(CWindow*) override { log_.push_back("mouse.restore"); }

private:
    Log& log_;
};

TEST_F(TurnTest, ActivationActsOnlyOnAChangeAndEndsWindowDragging)
{
    // Before any display or MOUSE object exists.
    window->OnActivateApp(false);
    window->OnActivateApp(true);

    RecordingMouseObject mouseObject(log);
    CMouseObjectLink::install(&mouseObject);
    window->startDraggingWindow(CXPoint(5, 5));
    window->OnActivateApp(true);
    EXPECT_TRUE(window->isWindowDragged());
    window->OnActivateApp(false);
    EXPECT_FALSE(window->isWindowDragged());
    window->OnActivateApp(false);
    window->startDraggingWindow(CXPoint(5, 5));
    window->OnActivateApp(true);
    EXPECT_FALSE(window->isWindowDragged());
    CMouseObjectLink::install(nullptr);
    EXPECT_EQ(takeLog(), (Log{"mouse.reset(false)", "mouse.restore"}));
}

TEST_F(TurnTest, DestroyEndsThePollerThreadPostsQuitAndIsHarmlessTwice)
{
    window = makeWindow(false);
    window->OnActivateApp(true);
    RecordingPoller poller(log, "mouse");
    window->addIPoller(&poller);
    EXPECT_TRUE(window->hasPollerThread());

    window->OnDestroy();
    EXPECT_FALSE(window->hasPollerThread());
    EXPECT_TRUE(windowSystem.quitPosted());
    window->OnDestroy();

    // With the thread gone the turn reads the devices itself.
    takeLog();
    window->Tick();
    EXPECT_EQ(takeLog(), (Log{"redraw", "tick:mouse", "flush:mouse"}));
}

TEST_F(TurnTest, TimersOfTheWindowAndOfUnits)
{
    struct Unit : CUnitTimerTarget {
        explicit Unit(Log& log) : log(log) {}
        bool isActive() override { return true; }
        bool wasInitiallyUpdated() override { return true; }
        void onTimer(int id) override { log.push_back("unit" + std::to_string(id)); }
        Log& log;
    } unit(log);
    window->OnCreate();
    window->SetTimer(3, 10, &unit, false);
    window->SetTimer(4, 10, nullptr, false);
    EXPECT_NE(window->GetTimerInterface()->find(0), nullptr);
    EXPECT_NE(window->GetTimerInterface()->find(4), nullptr);

    clock.advance(10);
    window->Tick();
    window->KillTimer(3);
    clock.advance(10);
    window->Tick();
    EXPECT_EQ(takeLog(), (Log{"redraw", "unit3", "redraw"}));
}

} // namespace
} // namespace graphicstest
