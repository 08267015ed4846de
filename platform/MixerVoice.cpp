#include "platform/MixerVoice.h"

#include "platform/AudioMixer.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

namespace platform {

static_assert(std::endian::native == std::endian::little, "16-bit samples are read in place");

namespace {

int weightOf(int hundredthsOfDb)
{
    if (hundredthsOfDb <= AudioBuffer::VOLUME_MIN)
        return 0;
    return static_cast<int>(std::lround(MixerVoice::UNITY * std::pow(10.0, hundredthsOfDb / 2000.0)));
}

template <bool Wide>
int sampleAt(const uint8_t* data, uint32_t index)
{
    if constexpr (Wide) {
        int16_t sample;
        std::memcpy(&sample, data + size_t(index) * 2, 2);
        return sample;
    } else {
        return (data[index] - 128) * 256;
    }
}

// fraction in 1/65536; the difference times 15 bits of it stays inside 32 bits.
int between(int from, int to, uint32_t fraction)
{
    return from + (((to - from) * static_cast<int>(fraction >> 1)) >> 15);
}

} // namespace

MixerVoice::MixerVoice(AudioMixer& mixer, const AudioFormat& format, uint32_t bytes)
    : mixer_(mixer), format_(format), bytes_(bytes, format.bitsPerSample == 8 ? 0x80 : 0)
{
    std::lock_guard lock(mixer_.mutex_);
    mixer_.voices_.push_back(this);
}

MixerVoice::~MixerVoice()
{
    std::lock_guard lock(mixer_.mutex_);
    std::erase(mixer_.voices_, this);
}

void MixerVoice::play(bool loop)
{
    std::lock_guard lock(mixer_.mutex_);
    mixer_.pace();
    playing_ = frameCount() > 0;
    looping_ = loop;
}

void MixerVoice::stop()
{
    std::lock_guard lock(mixer_.mutex_);
    mixer_.pace();
    playing_ = false;
}

uint32_t MixerVoice::status()
{
    std::lock_guard lock(mixer_.mutex_);
    mixer_.pace();
    return playing_ ? PLAYING | (looping_ ? LOOPING : 0) : 0;
}

uint32_t MixerVoice::playCursor()
{
    std::lock_guard lock(mixer_.mutex_);
    mixer_.pace();
    return frame_ * format_.blockAlign;
}

bool MixerVoice::setPosition(uint32_t offset)
{
    std::lock_guard lock(mixer_.mutex_);
    mixer_.pace();
    if (offset >= size())
        return false;
    frame_ = std::min(offset / format_.blockAlign, frameCount() - 1);
    fraction_ = 0;
    return true;
}

bool MixerVoice::setVolume(int hundredthsOfDb)
{
    std::lock_guard lock(mixer_.mutex_);
    mixer_.pace();
    if (hundredthsOfDb < VOLUME_MIN || hundredthsOfDb > VOLUME_MAX)
        return false;
    volume_ = hundredthsOfDb;
    updateWeights();
    return true;
}

int MixerVoice::volume()
{
    std::lock_guard lock(mixer_.mutex_);
    return volume_;
}

bool MixerVoice::setPan(int pan)
{
    std::lock_guard lock(mixer_.mutex_);
    mixer_.pace();
    if (pan < PAN_LEFT || pan > PAN_RIGHT)
        return false;
    pan_ = pan;
    updateWeights();
    return true;
}

int MixerVoice::pan()
{
    std::lock_guard lock(mixer_.mutex_);
    return pan_;
}

bool MixerVoice::setFrequency(uint32_t samplesPerSec)
{
    std::lock_guard lock(mixer_.mutex_);
    mixer_.pace();
    if (samplesPerSec != 0 && (samplesPerSec < FREQUENCY_MIN || samplesPerSec > FREQUENCY_MAX))
        return false;
    frequency_ = samplesPerSec;
    return true;
}

uint32_t MixerVoice::frequency()
{
    std::lock_guard lock(mixer_.mutex_);
    return frequency_ ? frequency_ : format_.samplesPerSec;
}

bool MixerVoice::lock(uint32_t offset, uint32_t bytes, AudioLock& locked)
{
    std::lock_guard lock(mixer_.mutex_);
    mixer_.pace();
    if (locked_ || offset >= size() || bytes == 0 || bytes > size())
        return false;
    const uint32_t firstBytes = std::min(bytes, size() - offset);
    staging_.assign(bytes_.begin() + offset, bytes_.begin() + offset + firstBytes);
    staging_.insert(staging_.end(), bytes_.begin(), bytes_.begin() + (bytes - firstBytes));
    locked = AudioLock{staging_.data(), firstBytes, nullptr, bytes - firstBytes};
    if (locked.secondBytes > 0)
        locked.second = staging_.data() + firstBytes;
    lockedOffset_ = offset;
    locked_ = true;
    return true;
}

void MixerVoice::unlock(const AudioLock& locked)
{
    std::lock_guard lock(mixer_.mutex_);
    mixer_.pace();
    if (!locked_)
        return;
    const uint32_t stagedFirst = std::min(static_cast<uint32_t>(staging_.size()), size() - lockedOffset_);
    const uint32_t firstBytes = std::min(locked.firstBytes, stagedFirst);
    const uint32_t secondBytes = std::min(locked.secondBytes, static_cast<uint32_t>(staging_.size()) - stagedFirst);
    std::copy_n(staging_.begin(), firstBytes, bytes_.begin() + lockedOffset_);
    std::copy_n(staging_.begin() + stagedFirst, secondBytes, bytes_.begin());
    locked_ = false;
}

void MixerVoice::updateWeights()
{
    leftWeight_ = weightOf(volume_ - std::max(pan_, 0));
    rightWeight_ = weightOf(volume_ + std::min(pan_, 0));
    monoWeight_ = weightOf(volume_);
}

void MixerVoice::mixInto(int32_t* sums, uint32_t frames, uint32_t outputRate, uint16_t outputChannels)
{
    if (!playing_ || outputRate == 0)
        return;
    const uint32_t rate = frequency_ ? frequency_ : format_.samplesPerSec;
    const uint32_t step = std::max<uint32_t>(1, static_cast<uint32_t>((uint64_t(rate) << 16) / outputRate));
    const bool wide = format_.bitsPerSample == 16;
    const bool stereo = format_.channels == 2;
    if (outputChannels == 2) {
        if (stereo)
            wide ? mixFormat<2, true, 2>(sums, frames, step) : mixFormat<2, false, 2>(sums, frames, step);
        else
            wide ? mixFormat<1, true, 2>(sums, frames, step) : mixFormat<1, false, 2>(sums, frames, step);
    } else {
        if (stereo)
            wide ? mixFormat<2, true, 1>(sums, frames, step) : mixFormat<2, false, 1>(sums, frames, step);
        else
            wide ? mixFormat<1, true, 1>(sums, frames, step) : mixFormat<1, false, 1>(sums, frames, step);
    }
}

template <int SourceChannels, bool Wide, int OutputChannels>
void MixerVoice::mixFormat(int32_t* sums, uint32_t frames, uint32_t step)
{
    const uint8_t* data = bytes_.data();
    const uint32_t count = frameCount();
    uint32_t frame = frame_;
    uint32_t fraction = fraction_;
    for (uint32_t i = 0; i < frames; ++i) {
        uint32_t next = frame + 1;
        if (next >= count)
            next = looping_ ? 0 : frame;
        const int left = between(sampleAt<Wide>(data, frame * SourceChannels),
                                 sampleAt<Wide>(data, next * SourceChannels), fraction);
        int right = left;
        if constexpr (SourceChannels == 2)
            right = between(sampleAt<Wide>(data, frame * 2 + 1), sampleAt<Wide>(data, next * 2 + 1), fraction);
        if constexpr (OutputChannels == 2) {
            sums[0] += (left * leftWeight_) >> 14;
            sums[1] += (right * rightWeight_) >> 14;
            sums += 2;
        } else {
            *sums++ += (((left + right) >> 1) * monoWeight_) >> 14;
        }
        fraction += step;
        frame += fraction >> 16;
        fraction &= 0xFFFF;
        if (frame >= count) {
            if (!looping_) {
                playing_ = false;
                frame = 0;
                fraction = 0;
                break;
            }
            frame %= count;
        }
    }
    frame_ = frame;
    fraction_ = fraction;
}

} // namespace platform
