#include "platform/Clock.h"

#include "platform/ServiceSlot.h"
#include "platform/SystemClock.h"

#include <chrono>

namespace platform {

uint64_t Clock::microseconds()
{
    const uint64_t counter = performanceCounter();
    const uint64_t frequency = performanceFrequency();
    // Whole seconds first, so the product never overflows.
    return counter / frequency * 1000000u + counter % frequency * 1000000u / frequency;
}

int64_t Clock::wallClockSeconds()
{
    auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::floor<std::chrono::seconds>(sinceEpoch).count();
}

namespace {
Clock& systemClock()
{
    static SystemClock instance;
    return instance;
}

constinit ServiceSlot<Clock> slot(systemClock);
} // namespace

Clock& clock()
{
    return slot.get();
}

void setClock(Clock* replacement)
{
    slot.set(replacement);
}

} // namespace platform
