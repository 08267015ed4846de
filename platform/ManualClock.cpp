#include "platform/ManualClock.h"

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

void ManualClock::advance(uint32_t ms)
{
    nowMs_ += ms;
}

void ManualClock::set(uint32_t ms)
{
    nowMs_ = ms;
}

} // namespace platform
