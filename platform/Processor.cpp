#include "platform/Processor.h"

#include <cerrno>
#include <sched.h>
#include <sys/resource.h>

#if defined(__x86_64__) || defined(__i386__)
#include <x86intrin.h>
#else
#include <chrono>
#endif

namespace platform {

namespace {

// The most favoured nice value.
constexpr int kTopNice = -20;

} // namespace

uint64_t timeStampCounter()
{
#if defined(__x86_64__) || defined(__i386__)
    return __rdtsc();
#else
    // Without a readable cycle counter, nanoseconds stand in: a 1000 MHz processor.
    auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(sinceStart).count());
#endif
}

TopPriority::TopPriority()
{
    // Linux applies both to the calling thread only.
    errno = 0;
    const int nice = getpriority(PRIO_PROCESS, 0);
    if (errno == 0 && setpriority(PRIO_PROCESS, 0, kTopNice) == 0) {
        niceRaised_ = true;
        oldNice_ = nice;
    }
    sched_param old{};
    const int policy = sched_getscheduler(0);
    if (policy < 0 || sched_getparam(0, &old) != 0)
        return;
    sched_param top{};
    top.sched_priority = sched_get_priority_max(SCHED_FIFO);
    if (sched_setscheduler(0, SCHED_FIFO, &top) == 0) {
        policyRaised_ = true;
        oldPolicy_ = policy;
        oldPolicyPriority_ = old.sched_priority;
    }
}

TopPriority::~TopPriority()
{
    if (policyRaised_) {
        sched_param old{};
        old.sched_priority = oldPolicyPriority_;
        sched_setscheduler(0, oldPolicy_, &old);
    }
    if (niceRaised_)
        setpriority(PRIO_PROCESS, 0, oldNice_);
}

} // namespace platform
