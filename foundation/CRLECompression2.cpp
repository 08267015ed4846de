#include "foundation/CRLECompression2.h"

#include "foundation/RunLengthPackets.h"


namespace {

// A signed control byte: n of 0..127 gives n + 1 literals, -128..-1 one element repeated 1 - n
// times. Packets never pass their row or the plane.
struct PacketFormat {
    static bool repeats(uint8_t control) { return control & 0x80; }
    // Unsigned, a run's 1 - n is 257 - control. The shared loop asks inside each kind's branch,
    // where this folds to one subtraction or one addition.
    static size_t count(uint8_t control) { return control & 0x80 ? 257 - size_t(control) : size_t(control) + 1; }
    static constexpr bool kCutsAtEnd = false;
};

} // namespace

CRLECompression2::CRLECompression2(CXSize size, int16_t* rowCounts, const void* data, int length)
    : CCompression(data, length), width_(size.cx), height_(size.cy), rowCounts_(rowCounts)
{
}

CRLECompression2::~CRLECompression2()
{
    delete[] rowCounts_;
}

uint8_t* CRLECompression2::Decompress(int)
{
    if (width_ < 0 || height_ < 0 || (rowCounts_ == nullptr && height_ > 0))
        return nullptr;
    size_t total = size_t(width_) * size_t(height_);
    size_t packedSize = usableSize();
    // Two packed bytes give at most 129 pixels: refuse a plane the data cannot fill before
    // allocating it.
    if (total > (packedSize / 2 + 1) * 129 || total > size_t(INT32_MAX))
        return nullptr;
    uint8_t* out = newBuffer(total);
    if (out == nullptr)
        return nullptr;
    size_t produced = 0;
    size_t rowStart = 0;
    bool ok = true;
    for (int row = 0; ok && row < height_; ++row) {
        int count = rowCounts_[row];
        size_t rowEnd = rowStart + size_t(count);
        // Every packet gives at least one byte: one left when the plane is full is refused too.
        ok = count >= 0 && packedSize - rowStart >= size_t(count)
            && foundation::unpackRunLengthPackets<1, PacketFormat>(bytes(), packedSize, rowStart, rowEnd, out, produced, total)
            && rowStart == rowEnd;
    }
    if (!ok || produced != total) {
        delete[] out;
        return nullptr;
    }
    size_ = static_cast<int>(total);
    return out;
}
