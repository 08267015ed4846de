#include "foundation/CRLECompression2.h"

#include "foundation/ShortRuns.h"

#include <cstring>

namespace {

// Expands the packets of packed[begin, end) after out[produced]; false when a packet runs past
// the row or the plane. The packed data holds `packedSize` bytes in all.
bool unpackRow(const uint8_t* packed, size_t packedSize, size_t begin, size_t end, uint8_t* out, size_t& produced, size_t total)
{
    size_t in = begin;
    while (in < end) {
        int control = static_cast<int8_t>(packed[in++]);
        if (control < 0) {
            const size_t count = size_t(1 - control);
            if (in == end || total - produced < count)
                return false;
            foundation::fillShortRun(out + produced, packed[in], count, total - produced);
            produced += count;
            in += 1;
        } else {
            const size_t count = size_t(control) + 1;
            if (end - in < count || total - produced < count)
                return false;
            foundation::copyShortRun(out + produced, packed + in, count, total - produced, packedSize - in);
            produced += count;
            in += count;
        }
    }
    return true;
}

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
        ok = count >= 0 && packedSize - rowStart >= size_t(count)
            && unpackRow(bytes(), packedSize, rowStart, rowStart + size_t(count), out, produced, total);
        if (ok)
            rowStart += size_t(count);
    }
    if (!ok || produced != total) {
        delete[] out;
        return nullptr;
    }
    size_ = static_cast<int>(total);
    return out;
}
