#pragma once

#include <cstdint>

namespace platform {

// The one clock of the process: software timers, animation pacing, sound ends and statistics all
// read it, so tests swap in a ManualClock and never sleep.
class Clock {
public:
    virtual ~Clock() = default;

    // Milliseconds since an arbitrary start; wraps at 2^32 like the tick count games were written for.
    virtual uint32_t tickMs() = 0;
    virtual uint64_t performanceCounter() = 0;
    virtual uint64_t performanceFrequency() = 0;
    virtual void sleepMs(uint32_t ms) = 0;
    // The same in microseconds, for pacing finer than the tick; clocks without a finer sleep round
    // up to whole milliseconds.
    virtual void sleepUs(uint32_t us) { sleepMs((us + 999) / 1000); }
    // The calendar: seconds since 1970-01-01 00:00 UTC. The system's own unless the clock keeps one.
    virtual int64_t wallClockSeconds();

    // The performance counter in microseconds.
    uint64_t microseconds();
};

// The clock in use: the system clock unless one was installed.
Clock& clock();
// Installs a clock for the whole process (tests); null restores the system clock.
void setClock(Clock* replacement);

} // namespace platform
