#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

namespace platform {

// A worker thread that is stopped by asking, never killed: the body polls stopRequested() (or
// waits in waitForStop()) and returns; whoever stops it wakes anything else the body blocks on
// (a socket shutdown, its own condition variable) between requestStop() and join().
class Thread {
public:
    Thread() = default;
    // Stops and joins a thread still running.
    ~Thread();
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    // False when a thread was already started and not joined.
    bool start(std::function<void(Thread&)> body);
    void requestStop();
    bool stopRequested() const { return stopRequested_.load(std::memory_order_acquire); }
    // Waits up to ms milliseconds of real time, less when a stop is requested; true when it was.
    bool waitForStop(uint32_t ms);
    void join();
    // requestStop() then join().
    void stop();
    bool joinable() const { return thread_.joinable(); }

private:
    std::thread thread_;
    std::atomic<bool> stopRequested_{false};
    std::mutex mutex_;
    std::condition_variable stopSignal_;
};

} // namespace platform
