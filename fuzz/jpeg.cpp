// JPEG decoding of hostile bytes: the first byte picks 15 or 16 bits, the rest is the stream.
// What opens must decode to a whole plane or to nothing.
#include "graphics/JPEG.h"

#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    JPEG jpeg(data + 1, size - 1);
    std::unique_ptr<uint8_t[]> plane(jpeg.decompress(data[0] % 2 ? 15 : 16));
    if (plane != nullptr)
        (void)plane[size_t(jpeg.getWidth()) * size_t(jpeg.getHeight()) * 2 - 1];
    return 0;
}
