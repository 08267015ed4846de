// LZW unpacking of a hostile block; what unpacks must pack and unpack to itself again.
#include "foundation/CLZWCompression.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CLZWCompression codec(data, static_cast<int>(size));
    std::unique_ptr<uint8_t[]> raw(codec.decompress(0));
    if (raw == nullptr)
        return 0;
    int rawSize = codec.GetSize();
    CLZWCompression packer(raw.get(), rawSize);
    int length = 0;
    std::unique_ptr<uint8_t[]> repacked(packer.compress(length));
    CLZWCompression unpacker(repacked.get(), length);
    std::unique_ptr<uint8_t[]> again(unpacker.decompress(rawSize));
    if (again == nullptr || std::memcmp(again.get(), raw.get(), size_t(rawSize)) != 0)
        std::abort();
    return 0;
}
