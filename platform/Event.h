#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace platform {

// A flag one thread raises and another waits for: set() from any thread, wait() consumes it.
class Event {
public:
    void set();
    // Waits up to ms milliseconds of real time for the flag; true (and the flag lowered) when it
    // was raised.
    bool wait(uint32_t ms);

private:
    std::mutex mutex_;
    std::condition_variable raised_;
    bool flag_ = false;
};

} // namespace platform
