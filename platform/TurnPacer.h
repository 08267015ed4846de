#pragma once

#include <cstdint>

namespace platform {

class Clock;

// Spaces the engine's turns. The games were written for a loop that ran turns back to back, with
// software timers of 1 ms period that step once per turn in which their period passed; so a turn
// is due every period (1 ms by default) and the loop sleeps to the next due time, never spinning.
// A turn that ran late is followed by the next one at once; one more than a whole period late
// starts the count afresh, so the loop never races to catch up.
class TurnPacer {
public:
    // A null clock is the process clock of the moment.
    explicit TurnPacer(uint32_t periodUs = 1000, Clock* clock = nullptr);

    // Returns when the next turn is due.
    void waitForNextTurn();

private:
    Clock& clock() const;

    uint32_t periodUs_;
    Clock* clock_;
    uint64_t nextDueUs_;
};

} // namespace platform
