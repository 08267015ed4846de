#include "foundation/CTimerNotificator.h"
#include "foundation/CTimerObject.h"
#include "foundation/CUnitTimerTarget.h"
#include "foundation/CWindowTimerTarget.h"
#include "foundation/CXTimer.h"
#include "platform/ManualClock.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using platform::ManualClock;

// Every target kind records the id and tick of each call, and may act inside it.
struct CallLog {
    explicit CallLog(ManualClock& c) : clock(c) {}
    void record(int id)
    {
        ids.push_back(id);
        ticks.push_back(clock.tickMs());
        if (during)
            during(id);
    }
    ManualClock& clock;
    std::vector<int> ids;
    std::vector<uint32_t> ticks;
    std::function<void(int)> during;
};

struct Notificator : CTimerNotificator {
    explicit Notificator(CallLog& l) : log(l) {}
    void onTimer(int id) override { log.record(id); }
    CallLog& log;
};

struct Window : CWindowTimerTarget {
    explicit Window(CallLog& l) : log(l) {}
    int OnTimer(int id) override
    {
        log.record(id);
        return 0;
    }
    CallLog& log;
};

struct Unit : CUnitTimerTarget {
    explicit Unit(CallLog& l) : log(l) {}
    bool isActive() override { return active; }
    bool wasInitiallyUpdated() override { return drawn; }
    void onTimer(int id) override { log.record(id); }
    CallLog& log;
    bool active = true;
    bool drawn = true;
};

class TimerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setClock(&clock);
        CXTimer::enable(true);
    }
    void TearDown() override
    {
        CXTimer::enable(true);
        platform::setClock(nullptr);
    }

    ManualClock clock{5000};
    CallLog log{clock};
    Notificator notificator{log};
    CXTimer timers;
};

enum class Target { Notificator, Window, Unit, UnitAlways };

enum class Op { PollAt, Pause, Resume, Disable, Enable, ActivateUnit };

struct Step {
    Op op;
    uint32_t at = 0; // milliseconds after the timers were added, for PollAt
};

Step pollAt(uint32_t ms)
{
    return {Op::PollAt, ms};
}

struct TimerCase {
    const char* name;
    Target target;
    int timerCount;
    uint32_t startTick;
    unsigned interval;
    bool unitActive;
    bool removeInCallback;
    uint32_t callbackMs; // how long each call takes
    std::vector<Step> steps;
    std::vector<uint32_t> firedAt; // per timer, milliseconds after start
    unsigned skippedPasses = 0;    // due passes that did not call an inactive unit (still counted)
};

const TimerCase timerCases[] = {
    {"DueExactlyOnTime", Target::Notificator, 1, 5000, 1000, true, false, 0,
     {pollAt(999), pollAt(1000), pollAt(1999), pollAt(2000)}, {1000, 2000}},
    {"NextIntervalCountsFromTheEndOfTheCall", Target::Notificator, 1, 5000, 1000, true, false, 50,
     {pollAt(1000), pollAt(2049), pollAt(2050)}, {1000, 2050}},
    {"LateByThreeAndAHalfSecondsFiresOnce", Target::Notificator, 1, 5000, 1000, true, false, 0,
     {pollAt(4500), pollAt(4500), pollAt(5499), pollAt(5500)}, {4500, 5500}},
    {"RemovedFromItsOwnCallbackNeverFiresAgain", Target::Notificator, 1, 5000, 1000, true, true, 0,
     {pollAt(1000), pollAt(2000), pollAt(3000)}, {1000}},
    {"WindowTimer", Target::Window, 1, 5000, 1000, true, false, 0, {pollAt(1000)}, {1000}},
    {"InactiveUnitSkippedButItsPhaseMoves", Target::Unit, 1, 5000, 1000, false, false, 0,
     {pollAt(1000), {Op::ActivateUnit}, pollAt(1500), pollAt(1999), pollAt(2000)}, {2000}, 1},
    {"UnitCalledWhileInactiveWhenNotOnlyWhenActive", Target::UnitAlways, 1, 5000, 1000, false, false, 0,
     {pollAt(1000)}, {1000}},
    {"PauseDisableResumeKeepsTheTimeLeft", Target::Notificator, 1, 5000, 5000, true, false, 0,
     {pollAt(2000), {Op::Pause}, {Op::Disable}, pollAt(7000), pollAt(12000), {Op::Enable}, {Op::Resume},
      pollAt(14999), pollAt(15000)},
     {15000}},
    {"DueTestSurvivesTheWrapAt2To32", Target::Notificator, 1, 0xFFFFFC18u, 1500, true, false, 0,
     {pollAt(999), pollAt(1000), pollAt(1499), pollAt(1500), pollAt(2999), pollAt(3000)}, {1500, 3000}},
    {"ThreeHundredTimers", Target::Notificator, 300, 5000, 1000, true, false, 0,
     {pollAt(999), pollAt(1000), pollAt(2000)}, {1000, 2000}},
    {"ThreeHundredTimersRemovingThemselves", Target::Notificator, 300, 5000, 1000, true, true, 0,
     {pollAt(1000), pollAt(2000), pollAt(3000)}, {1000}},
};

void PrintTo(const TimerCase& c, std::ostream* os)
{
    *os << c.name;
}

class TimerTable : public TimerTest, public ::testing::WithParamInterface<TimerCase> {
protected:
    void addTimer(const TimerCase& c, int id)
    {
        switch (c.target) {
        case Target::Notificator:
            timers.add(id, c.interval, &notificator);
            break;
        case Target::Window:
            timers.add(id, c.interval, &window);
            break;
        case Target::Unit:
        case Target::UnitAlways:
            timers.add(id, c.interval, &unit, c.target == Target::Unit);
            break;
        }
    }

    void run(const Step& step, uint32_t start)
    {
        switch (step.op) {
        case Op::PollAt:
            clock.set(start + step.at);
            EXPECT_EQ(timers.domodal(), 0);
            break;
        case Op::Pause:
            timers.pause();
            break;
        case Op::Resume:
            timers.resume();
            break;
        case Op::Disable:
            CXTimer::enable(false);
            break;
        case Op::Enable:
            CXTimer::enable(true);
            break;
        case Op::ActivateUnit:
            unit.active = true;
            break;
        }
    }

    Window window{log};
    Unit unit{log};
};

TEST_P(TimerTable, FiresOnTheManualClock)
{
    const TimerCase& c = GetParam();
    clock.set(c.startTick);
    unit.active = c.unitActive;
    log.during = [&](int id) {
        if (c.removeInCallback)
            timers.remove(id);
        clock.advance(c.callbackMs);
    };
    for (int id = 1; id <= c.timerCount; ++id)
        addTimer(c, id);
    for (const Step& step : c.steps)
        run(step, c.startTick);

    std::vector<int> expectedIds;
    std::vector<uint32_t> expectedTicks;
    for (uint32_t offset : c.firedAt) {
        for (int id = 1; id <= c.timerCount; ++id) {
            expectedIds.push_back(id);
            // Each call takes callbackMs, so later timers of one pass see a later clock.
            expectedTicks.push_back(c.startTick + offset + static_cast<uint32_t>(id - 1) * c.callbackMs);
        }
    }
    EXPECT_EQ(log.ids, expectedIds);
    EXPECT_EQ(log.ticks, expectedTicks);
    for (int id = 1; id <= c.timerCount; ++id) {
        CTimerObject* timer = timers.find(id);
        if (c.removeInCallback) {
            EXPECT_EQ(timer, nullptr);
        } else {
            ASSERT_NE(timer, nullptr);
            EXPECT_EQ(timer->getCount(), c.firedAt.size() + c.skippedPasses);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, TimerTable, ::testing::ValuesIn(timerCases),
                         [](const ::testing::TestParamInfo<TimerCase>& info) { return info.param.name; });

TEST_F(TimerTest, FindRemoveAndResetActOnTheFirstLiveTimerWithTheId)
{
    timers.add(7, 1000, &notificator);
    timers.add(7, 3000, &notificator);
    EXPECT_EQ(timers.find(7)->getInterval(), 1000u);
    EXPECT_EQ(timers.find(8), nullptr);

    // The second removal must reach the second timer, not mark the first one again.
    timers.remove(7);
    EXPECT_EQ(timers.find(7)->getInterval(), 3000u);
    timers.remove(7);
    EXPECT_EQ(timers.find(7), nullptr);
    timers.remove(7);
    timers.reset(7);

    clock.advance(5000);
    timers.domodal();
    timers.domodal();
    EXPECT_TRUE(log.ids.empty());
}

TEST_F(TimerTest, ResetAndIntervalChangeTakeEffectFromTheNextDueTest)
{
    timers.add(1, 1000, &notificator);
    clock.advance(900);
    timers.reset(1);
    clock.advance(900);
    timers.domodal();
    EXPECT_TRUE(log.ids.empty());

    timers.find(1)->setInterval(200);
    timers.domodal();
    EXPECT_EQ(log.ids, std::vector<int>{1});
}

TEST_F(TimerTest, TimersAddedOrRemovedDuringAPassAreSeenInTheNextOne)
{
    bool added = false;
    log.during = [&](int id) {
        if (id == 1 && !added) {
            timers.add(3, 0, &notificator);
            timers.remove(2);
            added = true;
        }
    };
    timers.add(1, 100, &notificator);
    timers.add(2, 100, &notificator);
    clock.advance(100);
    timers.domodal();
    EXPECT_EQ(log.ids, std::vector<int>{1});
    timers.domodal();
    EXPECT_EQ(log.ids, (std::vector<int>{1, 3}));
}

TEST_F(TimerTest, PollingFromInsideACallbackDoesNothing)
{
    log.during = [&](int) { timers.domodal(); };
    timers.add(1, 0, &notificator);
    timers.add(2, 0, &notificator);
    timers.domodal();
    EXPECT_EQ(log.ids, (std::vector<int>{1, 2}));
}

TEST_F(TimerTest, NullTargetsAddNoTimer)
{
    timers.add(1, 10, static_cast<CTimerNotificator*>(nullptr));
    timers.add(2, 10, static_cast<CWindowTimerTarget*>(nullptr));
    timers.add(3, 10, static_cast<CUnitTimerTarget*>(nullptr), true);
    EXPECT_EQ(timers.find(1), nullptr);
    EXPECT_EQ(timers.find(2), nullptr);
    EXPECT_EQ(timers.find(3), nullptr);
}

TEST_F(TimerTest, NewIdsAreFreshAndClearOfFixedIds)
{
    timers.add(0x10000, 10, &notificator);
    timers.add(0x10001, 10, &notificator);
    int first = timers.newId();
    int second = timers.newId();
    EXPECT_EQ(first, 0x10002);
    EXPECT_EQ(second, 0x10003);
    EXPECT_NE(timers.newId(), second);
}

} // namespace
