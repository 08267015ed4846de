#include "platform/SoundDecoder.h"

#include "platform/ServiceSlot.h"
#include "platform/SndfileDecoder.h"

namespace platform {

namespace {
SoundDecoder& sndfileDecoder()
{
    static SndfileDecoder instance;
    return instance;
}

constinit ServiceSlot<SoundDecoder> slot(sndfileDecoder);
} // namespace

SoundDecoder& soundDecoder()
{
    return slot.get();
}

void setSoundDecoder(SoundDecoder* replacement)
{
    slot.set(replacement);
}

} // namespace platform
