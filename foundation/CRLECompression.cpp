#include "foundation/CRLECompression.h"

#include "foundation/RunLengthPackets.h"

#include <cstdint>
#include <vector>

namespace {

constexpr size_t kMaxPacket = 127;

// The input as elements of `width` bytes; a last partial element reads as zeros past the end.
class Elements {
public:
    Elements(const uint8_t* bytes, size_t size, size_t width)
        : bytes_(bytes), size_(size), width_(width), count_((size + width - 1) / width)
    {
    }

    size_t count() const { return count_; }

    bool equal(size_t a, size_t b) const
    {
        for (size_t k = 0; k < width_; ++k) {
            if (byteOf(a, k) != byteOf(b, k))
                return false;
        }
        return true;
    }

    void append(std::vector<uint8_t>& out, size_t element) const
    {
        for (size_t k = 0; k < width_; ++k)
            out.push_back(byteOf(element, k));
    }

private:
    uint8_t byteOf(size_t element, size_t k) const
    {
        size_t at = element * width_ + k;
        return at < size_ ? bytes_[at] : 0;
    }

    const uint8_t* bytes_;
    size_t size_;
    size_t width_;
    size_t count_;
};

void appendLiteral(std::vector<uint8_t>& out, const Elements& elements, size_t first, size_t count)
{
    if (count == 0)
        return;
    out.push_back(static_cast<uint8_t>(count));
    for (size_t i = first; i < first + count; ++i)
        elements.append(out, i);
}

// Length of the run of elements equal to elements[first], at most one packet.
size_t runLength(const Elements& elements, size_t first)
{
    size_t run = 1;
    while (run < kMaxPacket && first + run < elements.count() && elements.equal(first, first + run))
        ++run;
    return run;
}

std::vector<uint8_t> pack(const Elements& elements)
{
    std::vector<uint8_t> out;
    out.reserve(elements.count() + elements.count() / kMaxPacket + 8);
    size_t pendingStart = 0;
    size_t pendingCount = 0;
    size_t i = 0;
    while (i < elements.count()) {
        bool pairFollows = i + 1 < elements.count() && elements.equal(i, i + 1);
        if (!pairFollows && pendingCount < kMaxPacket) {
            if (pendingCount++ == 0)
                pendingStart = i;
            ++i;
            continue;
        }
        appendLiteral(out, elements, pendingStart, pendingCount);
        pendingCount = 0;
        // The run is counted, not assumed: after a full literal packet the current element need
        // not equal the next one.
        size_t run = runLength(elements, i);
        if (run >= 4) {
            out.push_back(static_cast<uint8_t>(0x80 | run));
            elements.append(out, i);
        } else {
            appendLiteral(out, elements, i, run);
        }
        i += run;
    }
    appendLiteral(out, elements, pendingStart, pendingCount);
    return out;
}

uint8_t* packToBuffer(const void* data, int size, size_t width, int& packedLength)
{
    packedLength = 0;
    if (size < 0 || (data == nullptr && size > 0))
        return nullptr;
    std::vector<uint8_t> packed = pack(Elements(static_cast<const uint8_t*>(data), size_t(size), width));
    if (packed.size() > size_t(INT32_MAX))
        return nullptr;
    uint8_t* result = CCompression::newCopy(packed.data(), packed.size());
    if (result != nullptr)
        packedLength = static_cast<int>(packed.size());
    return result;
}

// Bit 7 of the control byte marks a run; the low bits count its elements.
struct PacketFormat {
    static bool repeats(uint8_t control) { return control & 0x80; }
    static size_t count(uint8_t control) { return control & 0x7F; }
    static constexpr bool kCutsAtEnd = true;
};

// Expands packets until rawSize bytes are out. Never reads past `packedLength` nor writes past
// `rawSize`; a run or literal that passes the raw size is cut there.
template <size_t Width>
uint8_t* unpackToBuffer(const void* packedData, int packedLength, int rawSize)
{
    if (rawSize < 0 || packedLength < 0 || (packedData == nullptr && packedLength > 0))
        return nullptr;
    size_t raw = size_t(rawSize);
    size_t packedSize = size_t(packedLength);
    // A packet of 1 + width bytes yields at most 127 elements: a larger claim cannot be met, and
    // is refused before anything is allocated.
    if (raw > (packedSize / (1 + Width) + 1) * kMaxPacket * Width)
        return nullptr;
    uint8_t* out = CCompression::newBuffer(raw);
    if (out == nullptr)
        return nullptr;
    size_t in = 0;
    size_t produced = 0;
    const auto* packed = static_cast<const uint8_t*>(packedData);
    if (!foundation::unpackRunLengthPackets<Width, PacketFormat>(packed, packedSize, in, packedSize, out, produced, raw)
        || produced < raw) {
        delete[] out;
        return nullptr;
    }
    return out;
}

} // namespace

uint8_t* CRLECompression::__compresschar(const void* data, int size, int& packedLength)
{
    return packToBuffer(data, size, 1, packedLength);
}

uint8_t* CRLECompression::__compress(const void* data, int size, int& packedLength)
{
    return packToBuffer(data, size, 2, packedLength);
}

uint8_t* CRLECompression::__decompresschar(const void* packed, int packedLength, int rawSize)
{
    return unpackToBuffer<1>(packed, packedLength, rawSize);
}

uint8_t* CRLECompression::__decompress(const void* packed, int packedLength, int rawSize)
{
    return unpackToBuffer<2>(packed, packedLength, rawSize);
}
