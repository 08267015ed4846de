#include "platform/TurnPacer.h"

#include "platform/Clock.h"

namespace platform {

TurnPacer::TurnPacer(uint32_t periodUs, Clock* clock) : periodUs_(periodUs == 0 ? 1 : periodUs), clock_(clock)
{
    nextDueUs_ = nowUs();
}

void TurnPacer::waitForNextTurn()
{
    const uint64_t now = nowUs();
    nextDueUs_ += periodUs_;
    if (now < nextDueUs_) {
        clock().sleepUs(static_cast<uint32_t>(nextDueUs_ - now));
        return;
    }
    if (now - nextDueUs_ >= periodUs_)
        nextDueUs_ = now;
}

Clock& TurnPacer::clock() const
{
    return clock_ ? *clock_ : platform::clock();
}

uint64_t TurnPacer::nowUs() const
{
    Clock& source = clock();
    const uint64_t counter = source.performanceCounter();
    const uint64_t frequency = source.performanceFrequency();
    // Split so that a large counter times a million does not overflow.
    return counter / frequency * 1000000u + counter % frequency * 1000000u / frequency;
}

} // namespace platform
