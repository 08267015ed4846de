#include "sound/CMovieClock.h"

#include "platform/Clock.h"

void CMovieClock::start(int64_t timeUs)
{
    std::lock_guard lock(mutex_);
    originUs_ = timeUs;
    originTick_ = platform::clock().tickMs();
    running_ = true;
}

void CMovieClock::set(int64_t timeUs)
{
    std::lock_guard lock(mutex_);
    originUs_ = timeUs;
    originTick_ = platform::clock().tickMs();
}

void CMovieClock::hold()
{
    std::lock_guard lock(mutex_);
    originUs_ = nowLocked();
    running_ = false;
}

void CMovieClock::release()
{
    std::lock_guard lock(mutex_);
    if (running_)
        return;
    originTick_ = platform::clock().tickMs();
    running_ = true;
}

int64_t CMovieClock::now() const
{
    std::lock_guard lock(mutex_);
    return nowLocked();
}

bool CMovieClock::isRunning() const
{
    std::lock_guard lock(mutex_);
    return running_;
}

int64_t CMovieClock::nowLocked() const
{
    if (!running_)
        return originUs_;
    // The tick wraps at 32 bits; the difference does not.
    const uint32_t elapsedMs = platform::clock().tickMs() - originTick_;
    return originUs_ + int64_t{elapsedMs} * 1000;
}
