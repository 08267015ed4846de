#pragma once

#include <cstdint>

namespace platform {

// Plain PCM as a WAVE file's format record describes it.
struct AudioFormat {
    uint16_t channels = 0;
    uint32_t samplesPerSec = 0;
    uint32_t avgBytesPerSec = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;

    // 1 or 2 channels of 8 or 16 bits at 100 to 200000 Hz, with a block alignment and a byte rate
    // that agree with them.
    bool isValid() const;
};

// The one or two pieces of a buffer that a lock hands out: the second is the wrap to the start.
struct AudioLock {
    uint8_t* first = nullptr;
    uint32_t firstBytes = 0;
    uint8_t* second = nullptr;
    uint32_t secondBytes = 0;
};

// A ring of sample bytes that the device plays: once from a position, or looping until stopped.
// Positions are byte offsets. All calls are safe from any thread.
class AudioBuffer {
public:
    // Bits of status().
    static constexpr uint32_t PLAYING = 1;
    static constexpr uint32_t LOOPING = 4;
    // Volume in hundredths of a decibel (0 full, -10000 silent), panning from -10000 (left only)
    // to 10000 (right only), frequency in samples per second (0 the buffer's own).
    static constexpr int VOLUME_MIN = -10000;
    static constexpr int VOLUME_MAX = 0;
    static constexpr int PAN_LEFT = -10000;
    static constexpr int PAN_RIGHT = 10000;
    static constexpr uint32_t FREQUENCY_MIN = 100;
    static constexpr uint32_t FREQUENCY_MAX = 200000;

    virtual ~AudioBuffer() = default;

    virtual uint32_t size() const = 0;
    virtual AudioFormat format() const = 0;

    // Plays from the current position; a buffer that does not loop stops at its end, its position
    // going back to 0.
    virtual void play(bool loop) = 0;
    virtual void stop() = 0;
    virtual uint32_t status() = 0;
    // Where the device reads next.
    virtual uint32_t playCursor() = 0;
    // Offsets past the end are refused.
    virtual bool setPosition(uint32_t offset) = 0;

    // Values out of range are refused and leave the old one in force.
    virtual bool setVolume(int hundredthsOfDb) = 0;
    virtual int volume() = 0;
    virtual bool setPan(int pan) = 0;
    virtual int pan() = 0;
    virtual bool setFrequency(uint32_t samplesPerSec) = 0;
    virtual uint32_t frequency() = 0;

    // Hands out `bytes` from `offset` on, wrapping at the end, for writing; what was there is
    // handed out too. Nothing reaches the device until unlock. One lock at a time; false for a
    // second one, an offset past the end or more bytes than the buffer holds.
    virtual bool lock(uint32_t offset, uint32_t bytes, AudioLock& locked) = 0;
    virtual void unlock(const AudioLock& locked) = 0;
};

} // namespace platform
