#pragma once

#include "platform/AudioBuffer.h"

#include <cstdint>
#include <vector>

namespace platform {

class AudioMixer;

// One buffer of an AudioMixer: its bytes, where the mixer reads them and how loud. Every call
// takes the mixer's lock; the mixer reads the fields directly while it holds it.
class MixerVoice final : public AudioBuffer {
public:
    MixerVoice(AudioMixer& mixer, const AudioFormat& format, uint32_t bytes);
    ~MixerVoice() override;

    uint32_t size() const override { return static_cast<uint32_t>(bytes_.size()); }
    AudioFormat format() const override { return format_; }
    void play(bool loop) override;
    void stop() override;
    uint32_t status() override;
    uint32_t playCursor() override;
    bool setPosition(uint32_t offset) override;
    bool setVolume(int hundredthsOfDb) override;
    int volume() override;
    bool setPan(int pan) override;
    int pan() override;
    bool setFrequency(uint32_t samplesPerSec) override;
    uint32_t frequency() override;
    bool lock(uint32_t offset, uint32_t bytes, AudioLock& locked) override;
    void unlock(const AudioLock& locked) override;

    // Adds `frames` output frames of this voice into sums (interleaved, outputChannels wide) and
    // moves on; a voice that does not loop stops at its end. Mixer lock held.
    void mixInto(int32_t* sums, uint32_t frames, uint32_t outputRate, uint16_t outputChannels);

    // Unity gain of the weights: 16384 (a weight times a 16-bit sample stays in 32 bits).
    static constexpr int UNITY = 1 << 14;

private:
    template <int SourceChannels, bool Wide, int OutputChannels>
    void mixFormat(int32_t* sums, uint32_t frames, uint32_t step);
    void updateWeights();
    uint32_t frameCount() const { return static_cast<uint32_t>(bytes_.size() / format_.blockAlign); }

    AudioMixer& mixer_;
    const AudioFormat format_;
    std::vector<uint8_t> bytes_;
    std::vector<uint8_t> staging_;
    uint32_t lockedOffset_ = 0;
    bool locked_ = false;

    bool playing_ = false;
    bool looping_ = false;
    uint32_t frame_ = 0;
    uint32_t fraction_ = 0; // 1/65536 of a frame
    int volume_ = 0;
    int pan_ = 0;
    uint32_t frequency_ = 0;
    int leftWeight_ = UNITY;
    int rightWeight_ = UNITY;
    int monoWeight_ = UNITY;
};

} // namespace platform
