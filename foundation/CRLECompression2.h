#pragma once

#include "foundation/CCompression.h"
#include "foundation/CXSize.h"

#include <cstdint>

// Row-wise run-length planes (one byte per pixel): each row has its own count of packed bytes in
// the row table. In a row, a signed control byte n of 0..127 is followed by n + 1 literal bytes,
// one of -128..-1 by one byte repeated 1 - n times.
class CRLECompression2 : public CCompression {
public:
    // Takes over `rowCounts` (height entries, new[]); the packed data stays the caller's.
    CRLECompression2(CXSize size, int16_t* rowCounts, const void* data, int length);
    CRLECompression2(const CRLECompression2&) = delete;
    CRLECompression2& operator=(const CRLECompression2&) = delete;
    ~CRLECompression2() override;

    // The plane of width times height bytes. Null when a row count is negative, the rows need
    // more bytes than the data holds, a packet runs past its row, or the rows do not fill the
    // plane exactly.
    uint8_t* Decompress(int unused = 0);

private:
    int width_;
    int height_;
    int16_t* rowCounts_;
};
