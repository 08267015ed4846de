#pragma once

#include "platform/Clock.h"

#include <chrono>

namespace platform {

class SystemClock final : public Clock {
public:
    SystemClock();

    uint32_t tickMs() override;
    uint64_t performanceCounter() override;
    uint64_t performanceFrequency() override;
    void sleepMs(uint32_t ms) override;
    void sleepUs(uint32_t us) override;

private:
    std::chrono::steady_clock::time_point start_;
};

} // namespace platform
