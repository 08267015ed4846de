#include "platform/AudioMixer.h"

#include "platform/MixerVoice.h"

#include <algorithm>

namespace platform {

AudioMixer::AudioMixer(uint32_t outputRate, uint16_t outputChannels)
    : outputRate_(outputRate), outputChannels_(outputChannels)
{
}

AudioMixer::~AudioMixer() = default;

std::unique_ptr<AudioBuffer> AudioMixer::createBuffer(const AudioFormat& format, uint32_t bytes)
{
    if (!format.isValid() || bytes < MIN_BYTES || bytes > MAX_BYTES)
        return nullptr;
    return std::make_unique<MixerVoice>(*this, format, bytes);
}

void AudioMixer::mix(int16_t* out, uint32_t frames)
{
    std::lock_guard lock(mutex_);
    mixLocked(out, frames);
}

void AudioMixer::setOutput(uint32_t outputRate, uint16_t outputChannels)
{
    std::lock_guard lock(mutex_);
    outputRate_ = outputRate;
    outputChannels_ = outputChannels;
}

void AudioMixer::mixLocked(int16_t* out, uint32_t frames)
{
    const size_t samples = size_t(frames) * outputChannels_;
    sums_.assign(samples, 0);
    for (MixerVoice* voice : voices_)
        voice->mixInto(sums_.data(), frames, outputRate_, outputChannels_);
    for (size_t i = 0; i < samples; ++i)
        out[i] = static_cast<int16_t>(std::clamp(sums_[i], -32768, 32767));
}

} // namespace platform
