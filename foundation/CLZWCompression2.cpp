#include "foundation/CLZWCompression2.h"

#include "foundation/LittleEndian.h"

#include <lzo/lzo1x.h>

#include <algorithm>
#include <memory>

namespace {

constexpr size_t kHeaderSize = 8;
// LZO1X spends at least one byte on every 255 bytes of a run, plus the fixed cost of a stream.
constexpr uint64_t kMaxExpansion = 256;
constexpr uint64_t kMaxExpansionSlack = 64;

bool lzoReady()
{
    static const bool ready = lzo_init() == LZO_E_OK;
    return ready;
}

} // namespace

CLZWCompression2::CLZWCompression2(const void* data, int size) : CCompression(data, size)
{
}

uint8_t* CLZWCompression2::decompress()
{
    size_t available = usableSize();
    if (available < kHeaderSize || !lzoReady())
        return nullptr;
    uint32_t raw = foundation::loadLE32(bytes());
    uint32_t packed = foundation::loadLE32(bytes() + 4);
    // Decode no further than the data given, whatever the header claims.
    size_t streamSize = std::min<size_t>(packed, available - kHeaderSize);
    if (raw > uint32_t(INT32_MAX) || raw > streamSize * kMaxExpansion + kMaxExpansionSlack)
        return nullptr;
    uint8_t* out = newBuffer(raw);
    if (out == nullptr)
        return nullptr;
    lzo_uint produced = raw;
    int result = lzo1x_decompress_safe(bytes() + kHeaderSize, streamSize, out, &produced, nullptr);
    // Bytes after the stream's end marker are tolerated: the picture is complete.
    bool complete = (result == LZO_E_OK || result == LZO_E_INPUT_NOT_CONSUMED) && produced == raw;
    if (!complete) {
        delete[] out;
        return nullptr;
    }
    size_ = static_cast<int>(raw);
    return out;
}

uint8_t* CLZWCompression2::compress(int& packedLength)
{
    packedLength = 0;
    if (size_ < 0 || (data_ == nullptr && size_ > 0) || !lzoReady())
        return nullptr;
    size_t raw = usableSize();
    // LZO's documented worst case for incompressible input.
    size_t bound = kHeaderSize + raw + raw / 16 + 64 + 3;
    if (bound > size_t(INT32_MAX))
        return nullptr;
    std::unique_ptr<uint8_t[]> workMemory(newBuffer(LZO1X_1_MEM_COMPRESS));
    uint8_t* out = newBuffer(bound);
    if (workMemory == nullptr || out == nullptr) {
        delete[] out;
        return nullptr;
    }
    static const uint8_t nothing = 0;
    const uint8_t* source = raw > 0 ? bytes() : &nothing;
    lzo_uint streamSize = 0;
    if (lzo1x_1_compress(source, raw, out + kHeaderSize, &streamSize, workMemory.get()) != LZO_E_OK) {
        delete[] out;
        return nullptr;
    }
    foundation::storeLE32(out, uint32_t(raw));
    foundation::storeLE32(out + 4, uint32_t(streamSize));
    packedLength = static_cast<int>(kHeaderSize + streamSize);
    return out;
}
