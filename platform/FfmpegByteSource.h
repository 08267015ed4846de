#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

// Where FFmpeg's reader takes a container's bytes from: an open file, or bytes in memory.
class FfmpegByteSource {
public:
    virtual ~FfmpegByteSource() = default;
    // Bytes read; 0 at the end.
    virtual size_t read(uint8_t* buffer, size_t size) = 0;
    // The new position from the start (whence as fseek takes it); -1 when it cannot be reached.
    virtual int64_t seek(int64_t offset, int whence) = 0;
    virtual int64_t size() = 0;
};

} // namespace platform
