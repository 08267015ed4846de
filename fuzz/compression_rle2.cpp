// Row-wise run-length unpacking of hostile data: bytes 0-1 give the width, byte 2 the height,
// then one 16-bit count per row, then the packed rows.
#include "foundation/CRLECompression2.h"

#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    int width = data[0] | data[1] << 8;
    int height = data[2];
    size_t tableEnd = 3 + size_t(height) * 2;
    if (size < tableEnd)
        return 0;
    auto* counts = new int16_t[size_t(height)];
    for (int row = 0; row < height; ++row)
        counts[row] = static_cast<int16_t>(data[3 + 2 * row] | data[4 + 2 * row] << 8);
    CRLECompression2 codec(CXSize(width, height), counts, data + tableEnd, static_cast<int>(size - tableEnd));
    std::unique_ptr<uint8_t[]> plane(codec.Decompress(0));
    if (plane != nullptr && width * height > 0)
        (void)plane[size_t(width * height) - 1];
    return 0;
}
