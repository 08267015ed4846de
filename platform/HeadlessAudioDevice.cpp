#include "platform/HeadlessAudioDevice.h"

namespace platform {

HeadlessAudioDevice::HeadlessAudioDevice(uint32_t outputRate, uint16_t outputChannels, Clock* clock)
    : mixer_(outputRate, outputChannels, clock)
{
}

bool HeadlessAudioDevice::open()
{
    if (!open_ && available_) {
        mixer_.start();
        open_ = true;
    }
    return open_;
}

void HeadlessAudioDevice::close()
{
    mixer_.stop();
    open_ = false;
}

std::unique_ptr<AudioBuffer> HeadlessAudioDevice::createBuffer(const AudioFormat& format, uint32_t bytes)
{
    return open_ ? mixer_.createBuffer(format, bytes) : nullptr;
}

} // namespace platform
