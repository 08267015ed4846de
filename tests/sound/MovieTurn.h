#pragma once

// One engine turn `ms` later for a test in which a movie plays, the same however the movie's
// decoder thread is scheduled. The decoder reads as far as it can before the clock moves, so the
// sound of the coming milliseconds is in the ring before the mixer passes it, and again after,
// so every picture due by the new time is queued: the turn finds it with nothing to do and shows
// the picture due by the movie's clock. (Waiting only before, a decoder waking while a slow turn
// runs could still queue a later picture due by then, or not.)

#include "platform/ManualClock.h"
#include "sound/CMovie.h"

#include <cstdint>

namespace soundtest {

template <typename Turn>
void movieTurn(CMovie& movie, platform::ManualClock& clock, uint32_t ms, Turn&& turn)
{
    movie.waitForDecoder();
    clock.advance(ms);
    movie.waitForDecoder();
    turn();
}

} // namespace soundtest
