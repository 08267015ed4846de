#include "platform/ManualClock.h"
#include "platform/SystemClock.h"
#include "platform/TimerService.h"

#include <gtest/gtest.h>

#include <future>
#include <string>
#include <thread>

namespace {

using platform::ManualClock;
using platform::TimerService;

class ManualTimers : public ::testing::Test {
protected:
    // Starts just below the 32-bit wrap of the tick, so periods span it.
    ManualClock clock_{0xFFFFFFF0u};
    TimerService timers_{TimerService::Mode::Manual, &clock_};
    std::string log_;

    TimerService::TimerId logging(uint32_t period, char mark)
    {
        return timers_.add(period, [this, mark] { log_ += mark; });
    }
    std::string advance(uint32_t ms)
    {
        log_.clear();
        clock_.advance(ms);
        timers_.runDue();
        return log_;
    }
};

TEST_F(ManualTimers, ManualClockDrivesTimersDeterministically)
{
    logging(50, 'A');
    logging(30, 'B');
    EXPECT_EQ(advance(29), "");
    EXPECT_EQ(advance(1), "B");
    // t=100: B60, A50 in due order, then B90, and A100.
    EXPECT_EQ(advance(70), "ABBA");
    // t=150: B120, then A150 and B150 due together: the earlier timer first.
    EXPECT_EQ(advance(50), "BAB");
    EXPECT_EQ(advance(0), "");
}

TEST_F(ManualTimers, RemovedTimersNeverRunAgain)
{
    const auto a = logging(10, 'A');
    TimerService::TimerId selfRemoving = 0;
    selfRemoving = timers_.add(10, [&] {
        log_ += 'S';
        EXPECT_TRUE(timers_.remove(selfRemoving));
    });
    TimerService::TimerId late = 0;
    timers_.add(5, [&] {
        log_ += 'K';
        timers_.remove(late); // due in the same pass, removed before its turn
    });
    late = logging(10, 'L');

    // K at 5, then at 10 A, S and K in the order they were added; L was removed by K.
    EXPECT_EQ(advance(10), "KASK");
    EXPECT_TRUE(timers_.remove(a));
    EXPECT_FALSE(timers_.remove(a));
    EXPECT_FALSE(timers_.remove(12345));
    EXPECT_EQ(advance(100), std::string(20, 'K'));
}

TEST_F(ManualTimers, CallbacksMayAddTimers)
{
    bool added = false;
    timers_.add(10, [&] {
        if (!added)
            logging(10, 'N');
        added = true;
        log_ += 'P';
    });
    EXPECT_EQ(advance(10), "P");
    EXPECT_EQ(advance(10), "PN");
}

TEST_F(ManualTimers, CatchUpIsBounded)
{
    logging(1, '.');
    clock_.advance(1000000);
    EXPECT_EQ(timers_.runDue(), TimerService::kMaxCatchUp);
    // The periods start afresh from there.
    EXPECT_EQ(advance(1), ".");
    EXPECT_EQ(advance(3), "...");
}

TEST_F(ManualTimers, ACallbackThatMovesTheClockDoesNotKeepThePassGoing)
{
    timers_.add(5, [this] { clock_.advance(10); });
    clock_.advance(5);
    EXPECT_EQ(timers_.runDue(), 1u);
    EXPECT_EQ(timers_.runDue(), 2u); // t=15: due at 10 and 15
}

TEST(ThreadedTimers, RemoveWaitsForARunningCallback)
{
    platform::SystemClock clock;
    std::atomic<int> calls{0};
    std::atomic<bool> inCallback{false};
    std::atomic<bool> release{false};
    std::promise<void> started;
    int callsWhenRemoved = 0;
    {
        TimerService timers(TimerService::Mode::Threaded, &clock);
        const auto id = timers.add(1, [&] {
            inCallback = true;
            if (calls++ == 0) {
                started.set_value();
                while (!release)
                    std::this_thread::yield();
            }
            inCallback = false;
        });
        EXPECT_EQ(timers.runDue(), 0u); // the thread runs them, not the caller
        started.get_future().wait();
        std::thread releaser([&] { release = true; });
        EXPECT_TRUE(timers.remove(id));
        EXPECT_FALSE(inCallback);
        callsWhenRemoved = calls;
        releaser.join();
    }
    // The service and its thread are gone: no call came after the removal.
    EXPECT_EQ(calls, callsWhenRemoved);
}

TEST(ThreadedTimers, ProcessServiceCanBeReplaced)
{
    ManualClock clock;
    TimerService manual(TimerService::Mode::Manual, &clock);
    platform::setTimers(&manual);
    int calls = 0;
    platform::timers().add(10, [&] { ++calls; });
    clock.advance(20);
    EXPECT_EQ(platform::timers().runDue(), 2u);
    EXPECT_EQ(calls, 2);
    platform::setTimers(nullptr);
    EXPECT_NE(&platform::timers(), &manual);
}

} // namespace
