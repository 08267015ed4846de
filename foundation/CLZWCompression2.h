#pragma once

#include "foundation/CCompression.h"

#include <cstdint>

// LZO1X pixel data behind an 8-byte header: raw size and packed size, little-endian 32-bit.
class CLZWCompression2 : public CCompression {
public:
    CLZWCompression2(const void* data, int size);

    // Unpacks the block given to the constructor with LZO's bounds-checking decompressor; the
    // size becomes the raw size. Null when the header does not fit the data or the stream is
    // corrupt or does not produce exactly the raw size.
    uint8_t* decompress();
    // Packs the data with LZO1X-1 into a new block; packedLength is the whole block's length,
    // header included. Null and 0 when the compressor fails.
    uint8_t* compress(int& packedLength);
};
