#include "platform/Clock.h"
#include "platform/ManualClock.h"
#include "platform/TurnPacer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A clock in microseconds that records each sleep and moves by it; a test moves it between turns
// by the time the turn took.
class MicrosecondClock : public platform::Clock {
public:
    uint32_t tickMs() override { return static_cast<uint32_t>(nowUs / 1000); }
    uint64_t performanceCounter() override { return nowUs; }
    uint64_t performanceFrequency() override { return 1000000; }
    void sleepMs(uint32_t ms) override { sleepUs(ms * 1000); }
    void sleepUs(uint32_t us) override
    {
        sleeps.push_back(us);
        nowUs += us;
    }

    uint64_t nowUs = 5000000000ull; // far on, so the counter's scaling is exercised
    std::vector<uint32_t> sleeps;
};

TEST(TurnPacer, SleepsToEachMillisecondAndNeverCatchesUpInABurst)
{
    MicrosecondClock clock;
    platform::TurnPacer pacer(1000, &clock);
    const struct {
        uint32_t turnUs;
        std::vector<uint32_t> sleeps;
    } turns[] = {
        {300, {700}},  // on time: sleep to the next millisecond
        {0, {1000}},   // an empty turn: a whole period
        {1400, {}},    // 400 late: the next turn at once, still on the grid
        {100, {500}},  // back on the grid
        {3500, {}},    // far behind: afresh from now, no burst of turns
        {200, {800}},
    };
    for (const auto& turn : turns) {
        clock.sleeps.clear();
        clock.nowUs += turn.turnUs;
        pacer.waitForNextTurn();
        EXPECT_EQ(clock.sleeps, turn.sleeps) << turn.turnUs;
    }
}

TEST(TurnPacer, OnTheManualClockEveryTurnIsOneMillisecondOn)
{
    platform::ManualClock clock(100);
    platform::setClock(&clock);
    platform::TurnPacer pacer;
    for (int i = 0; i < 5; ++i)
        pacer.waitForNextTurn();
    platform::setClock(nullptr);
    EXPECT_EQ(clock.tickMs(), 105u);
}

} // namespace
