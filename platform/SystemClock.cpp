#include "platform/SystemClock.h"

#include <thread>

namespace platform {

SystemClock::SystemClock() : start_(std::chrono::steady_clock::now()) {}

uint32_t SystemClock::tickMs()
{
    auto elapsed = std::chrono::steady_clock::now() - start_;
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

uint64_t SystemClock::performanceCounter()
{
    auto elapsed = std::chrono::steady_clock::now() - start_;
    return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(elapsed).count());
}

uint64_t SystemClock::performanceFrequency()
{
    return 1000000000ull;
}

void SystemClock::sleepMs(uint32_t ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void SystemClock::sleepUs(uint32_t us)
{
    std::this_thread::sleep_for(std::chrono::microseconds(us));
}

} // namespace platform
