#include "platform/ManualClock.h"

#include <chrono>

namespace platform {

ManualClock::ManualClock(uint32_t startMs) : nowMs_(startMs) {}

uint32_t ManualClock::tickMs()
{
    return static_cast<uint32_t>(nowMs_.load());
}

uint64_t ManualClock::performanceCounter()
{
    return nowMs_.load();
}

uint64_t ManualClock::performanceFrequency()
{
    return 1000;
}

void ManualClock::sleepMs(uint32_t ms)
{
    advance(ms);
}

int64_t ManualClock::wallClockSeconds()
{
    const std::chrono::milliseconds wall(wallAtZeroMs_.load() + static_cast<int64_t>(nowMs_.load()));
    return std::chrono::floor<std::chrono::seconds>(wall).count();
}

void ManualClock::setWallClock(int64_t secondsSinceEpoch)
{
    wallAtZeroMs_ = secondsSinceEpoch * 1000 - static_cast<int64_t>(nowMs_.load());
}

void ManualClock::advance(uint32_t ms)
{
    nowMs_ += ms;
}

void ManualClock::set(uint32_t ms)
{
    nowMs_ = ms;
}

} // namespace platform
