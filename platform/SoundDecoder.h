#pragma once

#include <cstdint>
#include <memory>

namespace platform {

class FileHandle;

// One compressed sound being decoded to interleaved signed 16-bit frames.
class DecodedSound {
public:
    virtual ~DecodedSound() = default;
    virtual int sampleRate() const = 0;
    virtual int channels() const = 0;
    // Frames the file says it holds (not to be trusted for allocation).
    virtual int64_t frames() const = 0;
    // Up to `frames` frames into out (channels() samples each); the number read, 0 at the end.
    virtual int64_t readFrames(int16_t* out, int64_t frames) = 0;
};

// The outside decoder of compressed WAVE files (MS-ADPCM and whatever else the library reads).
class SoundDecoder {
public:
    virtual ~SoundDecoder() = default;
    // Decodes an open file, read through its handle from its first byte; the handle must outlive
    // the result. Null when the decoder cannot read it.
    virtual std::unique_ptr<DecodedSound> open(FileHandle& file) = 0;
};

// The decoder of the process (libsndfile unless one was installed).
SoundDecoder& soundDecoder();
// Installs a decoder for the whole process (tests); null restores the real one.
void setSoundDecoder(SoundDecoder* replacement);

} // namespace platform
