#include "platform/AudioDevice.h"

#include "platform/SdlAudioDevice.h"
#include "platform/ServiceSlot.h"

namespace platform {

namespace {
AudioDevice& sdlAudio()
{
    static SdlAudioDevice instance;
    return instance;
}

constinit ServiceSlot<AudioDevice> slot(sdlAudio);
} // namespace

AudioDevice& audio()
{
    return slot.get();
}

void setAudio(AudioDevice* replacement)
{
    slot.set(replacement);
}

} // namespace platform
