#include "platform/Clock.h"

#include "platform/SystemClock.h"

#include <atomic>

namespace platform {

namespace {
std::atomic<Clock*> installedClock{nullptr};

Clock& systemClock()
{
    static SystemClock instance;
    return instance;
}
} // namespace

Clock& clock()
{
    Clock* installed = installedClock.load(std::memory_order_acquire);
    return installed ? *installed : systemClock();
}

void setClock(Clock* replacement)
{
    installedClock.store(replacement, std::memory_order_release);
}

} // namespace platform
