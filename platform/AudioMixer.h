#pragma once

#include "platform/AudioBuffer.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace platform {

class MixerVoice;

// Our own software mixer: every playing buffer is read at its frequency (linear interpolation),
// weighted by its volume and panning, and summed into signed 16-bit output of one rate, mono or
// stereo, clipped at full scale. A buffer at its own rate, full volume and centred comes out
// sample for sample. Volumes and panning follow the decibel scale of the buffers: panning
// attenuates only the opposite side.
//
// The devices drive it: SDL's audio thread asks for blocks, the headless device mixes what the
// clock says is due. One lock guards the voices; pace() runs under it before every operation of
// a voice, so a device can bring the output up to date first.
class AudioMixer {
public:
    AudioMixer(uint32_t outputRate, uint16_t outputChannels);
    virtual ~AudioMixer();
    AudioMixer(const AudioMixer&) = delete;
    AudioMixer& operator=(const AudioMixer&) = delete;

    // Null for a format that is not valid or a size outside 4 bytes to 256 MB.
    std::unique_ptr<AudioBuffer> createBuffer(const AudioFormat& format, uint32_t bytes);
    // Interleaved output frames of all playing voices.
    void mix(int16_t* out, uint32_t frames);
    // Another output (a device that opened at another rate); voices keep their own rates.
    void setOutput(uint32_t outputRate, uint16_t outputChannels);
    uint32_t outputRate() const { return outputRate_; }
    uint16_t outputChannels() const { return outputChannels_; }
    // Runs f under the lock, after pace().
    template <class F>
    void locked(F f)
    {
        std::lock_guard lock(mutex_);
        pace();
        f();
    }

    static constexpr uint32_t MIN_BYTES = 4;
    static constexpr uint32_t MAX_BYTES = 0x0FFFFFFF;

protected:
    // Runs with the lock held before a voice is used; the headless device mixes what is due.
    virtual void pace() {}
    void mixLocked(int16_t* out, uint32_t frames);

private:
    friend class MixerVoice;

    std::mutex mutex_;
    std::vector<MixerVoice*> voices_;
    std::vector<int32_t> sums_;
    uint32_t outputRate_;
    uint16_t outputChannels_;
};

} // namespace platform
