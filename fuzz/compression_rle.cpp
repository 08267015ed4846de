// Run-length unpacking of hostile data: byte 0 picks the element size, bytes 1-3 give the raw
// size, the rest is the packed data. A buffer that comes back must hold the raw size (ASan
// checks the reads); it must pack and unpack to itself again.
#include "foundation/CRLECompression.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4)
        return 0;
    bool wide = data[0] & 1;
    int rawSize = data[1] | data[2] << 8 | data[3] << 16;
    const uint8_t* packed = data + 4;
    int packedSize = static_cast<int>(size - 4);
    std::unique_ptr<uint8_t[]> raw(wide ? CRLECompression::__decompress(packed, packedSize, rawSize)
                                        : CRLECompression::__decompresschar(packed, packedSize, rawSize));
    if (raw == nullptr)
        return 0;
    int length = 0;
    std::unique_ptr<uint8_t[]> repacked(wide ? CRLECompression::__compress(raw.get(), rawSize, length)
                                             : CRLECompression::__compresschar(raw.get(), rawSize, length));
    std::unique_ptr<uint8_t[]> again(wide ? CRLECompression::__decompress(repacked.get(), length, rawSize)
                                          : CRLECompression::__decompresschar(repacked.get(), length, rawSize));
    if (again == nullptr || std::memcmp(again.get(), raw.get(), size_t(rawSize)) != 0)
        std::abort();
    return 0;
}
