#include "platform/TimerService.h"

#include "platform/ServiceSlot.h"

#include <algorithm>
#include <chrono>

namespace platform {

TimerService::TimerService(Mode mode, Clock* clock) : mode_(mode), clock_(clock)
{
    lastTick_ = (clock_ ? *clock_ : platform::clock()).tickMs();
}

TimerService::~TimerService()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        timers_.clear();
    }
    changed_.notify_all();
    thread_.join();
}

uint64_t TimerService::nowMs()
{
    const uint32_t tick = (clock_ ? *clock_ : platform::clock()).tickMs();
    elapsedMs_ += static_cast<uint32_t>(tick - lastTick_);
    lastTick_ = tick;
    return elapsedMs_;
}

TimerService::TimerId TimerService::add(uint32_t periodMs, std::function<void()> callback)
{
    std::unique_lock lock(mutex_);
    while (nextId_ == 0 || timers_.count(nextId_))
        ++nextId_;
    const TimerId id = nextId_++;
    const uint32_t period = periodMs == 0 ? 1 : periodMs;
    timers_[id] = Timer{period, nowMs() + period, std::make_shared<std::function<void()>>(std::move(callback))};
    if (mode_ == Mode::Threaded && !thread_.joinable() && !stopping_)
        thread_.start([this](Thread&) { threadLoop(); });
    lock.unlock();
    changed_.notify_all();
    return id;
}

bool TimerService::remove(TimerId id)
{
    std::unique_lock lock(mutex_);
    const bool found = timers_.erase(id) > 0;
    changed_.wait(lock, [this, id] { return runningId_ != id || runningThread_ == std::this_thread::get_id(); });
    lock.unlock();
    changed_.notify_all();
    return found;
}

std::map<TimerService::TimerId, TimerService::Timer>::iterator TimerService::nextDue(uint64_t now)
{
    auto best = timers_.end();
    for (auto it = timers_.begin(); it != timers_.end(); ++it)
        if (it->second.dueMs <= now && (best == timers_.end() || it->second.dueMs < best->second.dueMs))
            best = it;
    return best;
}

bool TimerService::runOne(std::unique_lock<std::mutex>& lock, uint64_t now)
{
    auto due = nextDue(now);
    if (due == timers_.end())
        return false;
    Timer& timer = due->second;
    const uint64_t catchUpSpan = uint64_t(kMaxCatchUp - 1) * timer.periodMs;
    if (now - timer.dueMs > catchUpSpan)
        timer.dueMs = now - catchUpSpan;
    timer.dueMs += timer.periodMs;
    const auto callback = timer.callback;
    runningId_ = due->first;
    runningThread_ = std::this_thread::get_id();
    lock.unlock();
    (*callback)();
    lock.lock();
    runningId_ = 0;
    runningThread_ = std::thread::id();
    changed_.notify_all();
    return true;
}

size_t TimerService::runDue()
{
    if (mode_ != Mode::Manual)
        return 0;
    std::unique_lock lock(mutex_);
    // One reading of the clock: callbacks that move it are seen by the next call.
    const uint64_t now = nowMs();
    size_t count = 0;
    while (runOne(lock, now))
        ++count;
    return count;
}

void TimerService::threadLoop()
{
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        const uint64_t now = nowMs();
        if (runOne(lock, now))
            continue;
        uint64_t earliest = UINT64_MAX;
        for (const auto& [id, timer] : timers_)
            earliest = std::min(earliest, timer.dueMs);
        if (earliest == UINT64_MAX)
            changed_.wait(lock);
        else
            changed_.wait_for(lock, std::chrono::milliseconds(earliest - now));
    }
}

namespace {
TimerService& processTimers()
{
    static TimerService instance(TimerService::Mode::Threaded);
    return instance;
}

constinit ServiceSlot<TimerService> slot(processTimers);
} // namespace

TimerService& timers()
{
    return slot.get();
}

void setTimers(TimerService* replacement)
{
    slot.set(replacement);
}

} // namespace platform
