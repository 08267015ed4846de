#pragma once

#include "platform/AudioBuffer.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace platform {

class FileHandle;

// The 16-bit pixel layouts pictures are converted to: the display's 5-6-5 or 5-5-5.
enum class VideoPixels { Rgb565, Rgb555 };

// What one read of a video gives: the next picture (kept in the decoder until it is converted or
// the next read), a piece of its sound, or the end of what can be read.
struct VideoPiece {
    enum Kind { Picture, Sound, End };

    Kind kind = End;
    // From the start of the file, in microseconds: when the picture shows, or when the first
    // sound frame plays.
    int64_t timeUs = 0;
    // How long a picture shows; always above 0.
    int64_t durationUs = 0;
    // Sound: interleaved 16-bit frames of soundFormat(), valid until the next read.
    const int16_t* samples = nullptr;
    size_t frames = 0;
};

// One opened video file, read in file order from one thread at a time.
class VideoFile {
public:
    // The largest picture a video may have, either way.
    static constexpr int MAX_SIDE = 4096;
    // Converting may write this far past the end of the picture's last row (the converter works
    // in blocks of pixels), so the buffers pictures are converted into must be longer by it.
    static constexpr size_t PADDING_BYTES = 256;

    virtual ~VideoFile() = default;

    virtual int width() const = 0;
    virtual int height() const = 0;
    // 16-bit PCM of one or two channels at the track's own rate; no channels without sound.
    virtual AudioFormat soundFormat() const = 0;
    virtual VideoPiece read() = 0;
    // The picture the last read gave, scaled to width() x height() in the pixel layout asked for
    // at opening, into rows of pitchBytes followed by PADDING_BYTES.
    virtual void convertPicture(uint8_t* pixels, int pitchBytes) = 0;
    // Reading goes on from the last key picture at or before the time (0 and below: the start).
    virtual bool seek(int64_t timeUs) = 0;
};

// The outside video decoder: the container formats and codecs it knows.
class VideoDecoder {
public:
    virtual ~VideoDecoder() = default;
    // Reads the open file through its handle from its first byte; the handle must outlive the
    // result. Null for a file without a picture stream it can decode, or with pictures larger
    // than MAX_SIDE.
    virtual std::unique_ptr<VideoFile> open(FileHandle& file, VideoPixels pixels) = 0;
};

// The decoder of the process: FFmpeg when the engine was built with it, else one that opens
// nothing (unless one was installed).
VideoDecoder& videoDecoder();
// Installs a decoder for the whole process (tests); null restores the built-in one.
void setVideoDecoder(VideoDecoder* replacement);
// Whether the built-in decoder is FFmpeg's.
bool videoCodecsBuilt();

} // namespace platform
