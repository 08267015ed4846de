#pragma once

#include "platform/Clock.h"

#include <atomic>

namespace platform {

// A clock that moves only when told to. Sleeping advances it, so code that waits still finishes.
// Its calendar starts at 1970-01-01 00:00 UTC unless set, and moves with the ticks.
class ManualClock final : public Clock {
public:
    explicit ManualClock(uint32_t startMs = 0);

    uint32_t tickMs() override;
    uint64_t performanceCounter() override;
    uint64_t performanceFrequency() override;
    void sleepMs(uint32_t ms) override;
    int64_t wallClockSeconds() override;

    void advance(uint32_t ms);
    void set(uint32_t ms);
    // The calendar reads these seconds since 1970 now, and moves on from there with the ticks.
    void setWallClock(int64_t secondsSinceEpoch);

private:
    std::atomic<uint64_t> nowMs_;
    // The calendar in milliseconds at tick 0.
    std::atomic<int64_t> wallAtZeroMs_{0};
};

} // namespace platform
