#include "platform/TurnPacer.h"

#include "platform/Clock.h"

namespace platform {

TurnPacer::TurnPacer(uint32_t periodUs, Clock* source)
    : periodUs_(periodUs == 0 ? 1 : periodUs), clock_(source), nextDueUs_(clock().microseconds())
{
}

void TurnPacer::waitForNextTurn()
{
    const uint64_t now = clock().microseconds();
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

} // namespace platform
