#pragma once

#include <cstdint>

namespace platform {

// The processor's time-stamp counter: cycles at the processor's rated speed, counted on while the
// thread sleeps.
uint64_t timeStampCounter();

// While it lives, the calling thread runs at the highest priority the system grants it, for a
// measurement that should not be interrupted; each raise the system refuses (as it does for a
// normal user) is skipped quietly. Its end restores what it raised.
class TopPriority {
public:
    TopPriority();
    ~TopPriority();
    TopPriority(const TopPriority&) = delete;
    TopPriority& operator=(const TopPriority&) = delete;

private:
    bool niceRaised_ = false;
    int oldNice_ = 0;
    bool policyRaised_ = false;
    int oldPolicy_ = 0;
    int oldPolicyPriority_ = 0;
};

} // namespace platform
