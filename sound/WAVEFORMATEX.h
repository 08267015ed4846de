#pragma once

#include <cstdint>
#include <memory>

namespace platform {
class AudioBuffer;
}

// The format record of a WAVE file's "fmt " chunk, as a sound buffer is made from it.
struct WAVEFORMATEX {
    // The bytes of the record that a "fmt " chunk fills; longer chunks are cut to it.
    static constexpr int SIZE = 18;
    static constexpr uint16_t PCM = 1;

    uint16_t formatTag = 0;
    uint16_t channels = 0;
    uint32_t samplesPerSec = 0;
    uint32_t avgBytesPerSec = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
    uint16_t extraSize = 0;

    // Reads the record from up to SIZE little-endian bytes; missing fields stay 0.
    static WAVEFORMATEX fromBytes(const uint8_t* bytes, int count);
    // A silent buffer of this format on the process's audio device; null when it is no PCM the
    // device plays, when the size is out of its range or when no device is open.
    std::unique_ptr<platform::AudioBuffer> createBuffer(uint32_t bytes) const;
};
