#include "sound/CMusicLoopLink.h"

void CMusicLoopLink::deliverPending()
{
    for (int loops = pending.exchange(0, std::memory_order_relaxed); loops > 0 && installed(); --loops)
        installed()->onMusicLooped();
}
