#pragma once

#include "platform/Clock.h"
#include "platform/Thread.h"

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

namespace platform {

// Periodic callbacks on one timer thread, as multimedia timers give them (stream refills).
//
// Each timer is due every period after it was added, on the service's clock. When the service
// falls behind (a busy machine, a manual clock moved far), every missed period is still run, in
// the order of their due times (timers added earlier first at equal times), but a timer more than
// kMaxCatchUp periods behind runs kMaxCatchUp times and then starts its periods afresh from now.
//
// In Threaded mode the service's own thread runs the callbacks; in Manual mode nothing runs until
// runDue(), which tests call after advancing a ManualClock. Callbacks run without the service's
// lock held, so they may add and remove timers, their own included.
class TimerService {
public:
    enum class Mode { Threaded, Manual };
    using TimerId = uint32_t;
    static constexpr uint32_t kMaxCatchUp = 100;

    // A null clock is the process clock of the moment (clock()).
    explicit TimerService(Mode mode, Clock* clock = nullptr);
    // Stops the thread; no callback runs afterwards.
    ~TimerService();
    TimerService(const TimerService&) = delete;
    TimerService& operator=(const TimerService&) = delete;

    // A period of 0 counts as 1 ms. Returns the timer's id, never 0.
    TimerId add(uint32_t periodMs, std::function<void()> callback);
    // Once this returns the callback is not running and never runs again; called from inside the
    // timer's own callback it returns at once and the current call is the last. False for an
    // unknown id.
    bool remove(TimerId id);
    // Manual mode: runs every callback due by the clock's present time and returns how many ran.
    // Does nothing in Threaded mode.
    size_t runDue();

private:
    struct Timer {
        uint32_t periodMs;
        uint64_t dueMs;
        std::shared_ptr<std::function<void()>> callback;
    };

    uint64_t nowMs();
    // The timer due first at or before now, or end().
    std::map<TimerId, Timer>::iterator nextDue(uint64_t now);
    // Runs one callback due by now, the lock released around it; false when none is due.
    bool runOne(std::unique_lock<std::mutex>& lock, uint64_t now);
    void threadLoop();

    const Mode mode_;
    Clock* clock_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::map<TimerId, Timer> timers_;
    TimerId nextId_ = 1;
    TimerId runningId_ = 0;
    std::thread::id runningThread_;
    // The clock's 32-bit tick extended to 64 bits, so periods span its wrap.
    uint32_t lastTick_ = 0;
    uint64_t elapsedMs_ = 0;
    bool stopping_ = false;
    Thread thread_;
};

// The timer service of the process (Threaded, started on first use).
TimerService& timers();
// Installs a timer service for the whole process (tests use a Manual one); null restores the real one.
void setTimers(TimerService* replacement);

} // namespace platform
