#include "platform/Thread.h"

#include <chrono>

namespace platform {

Thread::~Thread()
{
    stop();
}

bool Thread::start(std::function<void(Thread&)> body)
{
    if (thread_.joinable() || !body)
        return false;
    stopRequested_.store(false, std::memory_order_release);
    thread_ = std::thread([this, body = std::move(body)] { body(*this); });
    return true;
}

void Thread::requestStop()
{
    {
        std::lock_guard lock(mutex_);
        stopRequested_.store(true, std::memory_order_release);
    }
    stopSignal_.notify_all();
}

bool Thread::waitForStop(uint32_t ms)
{
    std::unique_lock lock(mutex_);
    return stopSignal_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return stopRequested(); });
}

void Thread::join()
{
    if (!thread_.joinable())
        return;
    // A body that ends its own thread cannot wait for itself; it is finishing anyway.
    if (thread_.get_id() == std::this_thread::get_id())
        thread_.detach();
    else
        thread_.join();
}

void Thread::stop()
{
    requestStop();
    join();
}

} // namespace platform
