#include "platform/CriticalSection.h"
#include "platform/Thread.h"

#include <gtest/gtest.h>

#include <future>

namespace {

using platform::Thread;

TEST(Thread, StopFlagEndsTheBodyAndJoinWaitsForIt)
{
    std::promise<void> started;
    std::atomic<bool> finished{false};
    Thread worker;
    ASSERT_TRUE(worker.start([&](Thread& self) {
        started.set_value();
        while (!self.waitForStop(60000)) {
        }
        finished = true;
    }));
    started.get_future().wait();
    EXPECT_FALSE(worker.start([](Thread&) {})); // still running
    EXPECT_FALSE(worker.stopRequested());
    worker.stop();
    EXPECT_TRUE(finished);
    EXPECT_FALSE(worker.joinable());

    // A stopped thread object can run again.
    std::atomic<int> runs{0};
    ASSERT_TRUE(worker.start([&](Thread& self) { runs += self.stopRequested() ? 100 : 1; }));
    worker.join();
    EXPECT_EQ(runs, 1);
}

TEST(Thread, DestructorStopsARunningThread)
{
    std::atomic<bool> finished{false};
    {
        Thread worker;
        worker.start([&](Thread& self) {
            while (!self.stopRequested())
                self.waitForStop(60000);
            finished = true;
        });
    }
    EXPECT_TRUE(finished);
}

TEST(CriticalSection, OwnerMayReenterOthersWait)
{
    platform::CriticalSection section;
    auto tryFromOtherThread = [&section] {
        return std::async(std::launch::async, [&section] {
                   const bool entered = section.tryEnter();
                   if (entered)
                       section.leave();
                   return entered;
               })
            .get();
    };
    {
        platform::CriticalSection::Scoped outer(section);
        platform::CriticalSection::Scoped inner(section); // the same thread again
        EXPECT_FALSE(tryFromOtherThread());
    }
    EXPECT_TRUE(tryFromOtherThread());
}

} // namespace
