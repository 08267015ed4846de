#pragma once

#include "foundation/CCompression.h"

// Run-length packing of 8-bit and 16-bit elements. A packet is a control byte c and its payload:
// c with bit 7 set repeats the one element that follows c & 0x7F times; otherwise c elements
// follow as they are. 16-bit elements are stored in memory order (little-endian).
class CRLECompression : public CCompression {
public:
    using CCompression::CCompression;

    // Pack `size` bytes; the length of the result goes to packedLength (0 and null on bad input).
    static uint8_t* __compresschar(const void* data, int size, int& packedLength);
    // Pack 16-bit elements given `size` bytes. An odd last byte is packed as an element whose
    // high byte is 0; unpacking to the odd raw size gives the bytes back.
    static uint8_t* __compress(const void* data, int size, int& packedLength);

    // Unpack to exactly rawSize bytes, never reading past packedLength bytes. A packet that runs
    // past the raw size is cut there; data that ends short of it gives null.
    static uint8_t* __decompresschar(const void* packed, int packedLength, int rawSize);
    static uint8_t* __decompress(const void* packed, int packedLength, int rawSize);
};
