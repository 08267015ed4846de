#include "platform/Event.h"

#include <chrono>

namespace platform {

void Event::set()
{
    {
        std::lock_guard lock(mutex_);
        flag_ = true;
    }
    raised_.notify_all();
}

bool Event::wait(uint32_t ms)
{
    std::unique_lock lock(mutex_);
    bool raised = raised_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return flag_; });
    flag_ = false;
    return raised;
}

} // namespace platform
