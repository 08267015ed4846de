// LZO blocks. liblzo2's decoder is the system's library, built without coverage, so a fuzzer
// feeding it hostile bytes learns nothing past the wrapper; this target therefore has two halves,
// chosen by the first byte's low bit:
//  - a hostile block (the rest of the bytes): what unpacks must pack and unpack to itself again;
//  - the wrapper's header checks on valid streams: the rest after two control bytes is packed by
//    the wrapper, then one change (byte 1) of a size (byte 2) is made to its header or stream,
//    and the unpacking must give the data back exactly when the change leaves the block whole.
#include "foundation/CLZWCompression2.h"
#include "foundation/LittleEndian.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

enum Change { NONE, RAW_LARGER, RAW_SMALLER, PACKED_SMALLER, PACKED_LARGER, STREAM_CUT, JUNK_AFTER, CHANGES };

constexpr size_t kHeaderSize = 8;

void check(bool holds)
{
    if (!holds)
        std::abort();
}

void hostileBlock(const uint8_t* data, size_t size)
{
    CLZWCompression2 codec(data, static_cast<int>(size));
    std::unique_ptr<uint8_t[]> raw(codec.decompress());
    if (raw == nullptr)
        return;
    int rawSize = codec.GetSize();
    CLZWCompression2 packer(raw.get(), rawSize);
    int length = 0;
    std::unique_ptr<uint8_t[]> repacked(packer.compress(length));
    CLZWCompression2 unpacker(repacked.get(), length);
    std::unique_ptr<uint8_t[]> again(unpacker.decompress());
    check(again != nullptr && unpacker.GetSize() == rawSize && std::memcmp(again.get(), raw.get(), size_t(rawSize)) == 0);
}

void changedHeader(int change, uint32_t amount, const uint8_t* raw, size_t rawSize)
{
    CLZWCompression2 packer(raw, static_cast<int>(rawSize));
    int length = 0;
    std::unique_ptr<uint8_t[]> packed(packer.compress(length));
    check(packed != nullptr && size_t(length) >= kHeaderSize);
    std::vector<uint8_t> block(packed.get(), packed.get() + length);
    const uint32_t streamSize = uint32_t(length) - kHeaderSize;
    bool whole = true;
    switch (change) {
    case RAW_LARGER:
        foundation::storeLE32(block.data(), uint32_t(rawSize) + amount);
        whole = false;
        break;
    case RAW_SMALLER:
        if (amount > rawSize)
            return;
        foundation::storeLE32(block.data(), uint32_t(rawSize) - amount);
        whole = false;
        break;
    case PACKED_SMALLER:
        // The stream ends with its end marker: any cut loses it.
        foundation::storeLE32(block.data() + 4, streamSize - std::min(amount, streamSize));
        whole = false;
        break;
    case PACKED_LARGER:
        foundation::storeLE32(block.data() + 4, streamSize + amount);
        break;
    case STREAM_CUT:
        block.resize(block.size() - std::min<size_t>(amount, streamSize));
        whole = false;
        break;
    case JUNK_AFTER:
        block.insert(block.end(), amount, uint8_t(amount));
        break;
    default:
        break;
    }
    CLZWCompression2 unpacker(block.data(), static_cast<int>(block.size()));
    std::unique_ptr<uint8_t[]> out(unpacker.decompress());
    if (!whole) {
        check(out == nullptr);
        return;
    }
    check(out != nullptr && unpacker.GetSize() == int(rawSize) && (rawSize == 0 || std::memcmp(out.get(), raw, rawSize) == 0));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    if ((data[0] & 1) == 0) {
        hostileBlock(data + 1, size - 1);
        return 0;
    }
    if (size < 3)
        return 0;
    changedHeader(data[1] % CHANGES, uint32_t(data[2]) + 1, data + 3, size - 3);
    return 0;
}
