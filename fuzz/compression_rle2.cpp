// Row-wise run-length unpacking. The first byte's low bit picks the input's form:
//  - raw: bytes 1-2 give the width, byte 3 the height, then one 16-bit count per row, then the
//    packed rows (hostile tables);
//  - packets: byte 1 gives the width (1-256) and the rest is a packet stream, cut into rows where
//    a row's pixels reach the width, so that most inputs are tables the rows agree with. The
//    plane must then be what a plain reading of the packets gives, or null where that reading
//    fails.
#include "foundation/CRLECompression2.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

void check(bool holds)
{
    if (!holds)
        std::abort();
}

void rawTables(const uint8_t* data, size_t size)
{
    if (size < 3)
        return;
    int width = data[0] | data[1] << 8;
    int height = data[2];
    size_t tableEnd = 3 + size_t(height) * 2;
    if (size < tableEnd)
        return;
    auto* counts = new int16_t[size_t(height)];
    for (int row = 0; row < height; ++row)
        counts[row] = static_cast<int16_t>(data[3 + 2 * row] | data[4 + 2 * row] << 8);
    CRLECompression2 codec(CXSize(width, height), counts, data + tableEnd, static_cast<int>(size - tableEnd));
    std::unique_ptr<uint8_t[]> plane(codec.Decompress(0));
    if (plane != nullptr && width * height > 0)
        (void)plane[size_t(width * height) - 1];
}

// Pixels of one packet, and the packed bytes it takes.
size_t pixelsOf(int8_t control)
{
    return control >= 0 ? size_t(control) + 1 : size_t(1 - control);
}

size_t bytesOf(int8_t control)
{
    return control >= 0 ? size_t(control) + 2 : 2;
}

// Row ends where a row's pixels first reach the width; the last row takes what is left.
std::vector<int16_t> rowCounts(const uint8_t* packed, size_t size, size_t width)
{
    std::vector<int16_t> counts;
    size_t rowStart = 0;
    size_t pixels = 0;
    for (size_t in = 0; in < size;) {
        const int8_t control = static_cast<int8_t>(packed[in]);
        in += bytesOf(control);
        pixels += pixelsOf(control);
        if (pixels >= width || in >= size || in - rowStart >= 32767) {
            in = in < size ? in : size;
            counts.push_back(static_cast<int16_t>(in - rowStart));
            rowStart = in;
            pixels = 0;
        }
    }
    return counts;
}

// The plain reading: packets row by row into one plane; empty when a packet runs past its row
// or the plane, or the rows do not fill it.
std::vector<uint8_t> plainReading(const uint8_t* packed, const std::vector<int16_t>& counts, size_t total, bool& ok)
{
    std::vector<uint8_t> plane;
    size_t rowStart = 0;
    ok = true;
    for (int16_t count : counts) {
        const size_t rowEnd = rowStart + size_t(count);
        for (size_t in = rowStart; ok && in < rowEnd;) {
            const int8_t control = static_cast<int8_t>(packed[in++]);
            const size_t payload = control >= 0 ? pixelsOf(control) : 1;
            ok = rowEnd - in >= payload && total - plane.size() >= pixelsOf(control);
            if (!ok)
                break;
            for (size_t i = 0; i < pixelsOf(control); ++i)
                plane.push_back(control >= 0 ? packed[in + i] : packed[in]);
            in += payload;
        }
        rowStart = rowEnd;
    }
    ok = ok && plane.size() == total;
    return plane;
}

void packetRows(const uint8_t* data, size_t size)
{
    if (size < 1)
        return;
    const size_t width = size_t(data[0]) + 1;
    const uint8_t* packed = data + 1;
    const size_t packedSize = size - 1;
    std::vector<int16_t> counts = rowCounts(packed, packedSize, width);
    auto* table = new int16_t[counts.size() + 1];
    std::copy(counts.begin(), counts.end(), table);
    const int height = static_cast<int>(counts.size());
    CRLECompression2 codec(CXSize(static_cast<int>(width), height), table, packed, static_cast<int>(packedSize));
    std::unique_ptr<uint8_t[]> plane(codec.Decompress(0));
    bool ok = false;
    std::vector<uint8_t> expected = plainReading(packed, counts, width * size_t(height), ok);
    check((plane != nullptr) == ok);
    check(!ok || expected.empty() || std::memcmp(plane.get(), expected.data(), expected.size()) == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    if (data[0] & 1)
        packetRows(data + 1, size - 1);
    else
        rawTables(data + 1, size - 1);
    return 0;
}
