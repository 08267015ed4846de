#pragma once

#include "platform/Clock.h"

#include <atomic>

namespace platform {

// A clock that moves only when told to. Sleeping advances it, so code that waits still finishes.
class ManualClock final : public Clock {
public:
    explicit ManualClock(uint32_t startMs = 0);

    uint32_t tickMs() override;
    uint64_t performanceCounter() override;
    uint64_t performanceFrequency() override;
    void sleepMs(uint32_t ms) override;

    void advance(uint32_t ms);
    void set(uint32_t ms);

private:
    std::atomic<uint64_t> nowMs_;
};

} // namespace platform
