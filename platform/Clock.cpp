#include "platform/Clock.h"

#include "platform/ServiceSlot.h"
#include "platform/SystemClock.h"

namespace platform {

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
