#include "platform/Clock.h"
#include "platform/ManualClock.h"

#include <gtest/gtest.h>

namespace {

TEST(ManualClock, TickWrapsAt32Bits)
{
    platform::ManualClock clock(0xFFFFFFF0u);
    clock.advance(0x20);
    EXPECT_EQ(clock.tickMs(), 0x10u);
    // Elapsed time across the wrap is still right in unsigned arithmetic.
    EXPECT_EQ(static_cast<uint32_t>(clock.tickMs() - 0xFFFFFFF0u), 0x20u);
}

TEST(ManualClock, SleepAdvancesAndInstalledClockServesProcess)
{
    platform::ManualClock manual(100);
    platform::setClock(&manual);
    platform::clock().sleepMs(50);
    EXPECT_EQ(platform::clock().tickMs(), 150u);
    platform::setClock(nullptr);
    EXPECT_NE(&platform::clock(), static_cast<platform::Clock*>(&manual));
}

TEST(ManualClock, CalendarMovesWithTheTicksFromWhereItWasSet)
{
    platform::ManualClock clock(5000);
    EXPECT_EQ(clock.wallClockSeconds(), 5);
    clock.setWallClock(1000000000);
    clock.advance(999);
    EXPECT_EQ(clock.wallClockSeconds(), 1000000000);
    clock.sleepMs(1);
    EXPECT_EQ(clock.wallClockSeconds(), 1000000001);
    // Before 1970 a part of a second still belongs to the second before.
    clock.setWallClock(-1);
    clock.advance(500);
    EXPECT_EQ(clock.wallClockSeconds(), -1);
}

} // namespace
