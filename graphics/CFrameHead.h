#pragma once

#include <cstdint>

class CByteReader;
class CByteWriter;

// The head of one frame in an animation file, in any of its layouts: old 1 ("PIK" files, 20
// bytes), old 2 ("PI2" and "PI3", 32 bytes), short new ("PAK", "NV+", 32 bytes) and long new
// ("NVP", "NVI", 52 bytes, room for nine channel sizes). The fourth channel size is the alpha
// plane's byte length.
struct CFrameHead {
    enum Layout { OLD_1 = 1, OLD_2 = 2, SHORT_NEW = 4, LONG_NEW = 5 };

    int width = 0;
    int height = 0;
    int x = 0;
    int y = 0;
    // The compression code (new layouts).
    int code = 0;
    // The pixel-format flag code (old layouts).
    int bppFlag = 0;
    // Bytes of the colour data that follows with the frame's data.
    int colourLength = 0;
    int channelCount = 0;
    int channelSizes[4] = {};

    int alphaLength() const { return channelSizes[3]; }

    // False when the head is cut short.
    bool read(CByteReader& in, Layout layout);
    // The long new layout, the one the engine writes.
    void write(CByteWriter& out) const;
};
