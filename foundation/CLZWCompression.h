#pragma once

#include "foundation/CCompression.h"

#include <cstdint>

// The engine's LZW codec. A packed block is a 12-byte header (raw size, code-stream size, code
// count; little-endian 32-bit) and the codes, packed least significant bit first. Codes 0-255 are
// bytes, 256 clears the dictionary (a 9-bit literal always follows it), dictionary codes start at
// 257; the width grows from 9 to 16 bits as the dictionary fills.
//
// The dictionary lives in each call, so codecs may run on any number of threads at once.
class CLZWCompression : public CCompression {
public:
    CLZWCompression(const void* data, int size);

    // Unpacks the block given to the constructor; the size becomes the raw size. `rawSize` is
    // the size the caller expects: when positive it must match the header. Null for a malformed
    // or truncated block.
    uint8_t* decompress(int rawSize = 0);
    // Packs the data given to the constructor into a new block, header included.
    uint8_t* compress(int& packedLength);

private:
    uint8_t* __compress(int& packedLength) const;
    uint8_t* __decompress(int expectedRawSize);
};
