// LZO unpacking of a hostile block; what unpacks must pack and unpack to itself again.
#include "foundation/CLZWCompression2.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CLZWCompression2 codec(data, static_cast<int>(size));
    std::unique_ptr<uint8_t[]> raw(codec.decompress());
    if (raw == nullptr)
        return 0;
    int rawSize = codec.GetSize();
    CLZWCompression2 packer(raw.get(), rawSize);
    int length = 0;
    std::unique_ptr<uint8_t[]> repacked(packer.compress(length));
    CLZWCompression2 unpacker(repacked.get(), length);
    std::unique_ptr<uint8_t[]> again(unpacker.decompress());
    if (again == nullptr || unpacker.GetSize() != rawSize || std::memcmp(again.get(), raw.get(), size_t(rawSize)) != 0)
        std::abort();
    return 0;
}
