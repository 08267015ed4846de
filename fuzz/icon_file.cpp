// Icon files from hostile bytes: a picture that reads holds every one of its pixels.
#include "graphics/CIconFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    platform::WindowIcon icon;
    if (!CIconFile::decode(data, size, icon))
        return 0;
    if (icon.width <= 0 || icon.height <= 0 || icon.width > 256 || icon.height > 256 ||
        icon.pixels.size() != size_t(icon.width) * size_t(icon.height))
        std::abort();
    return 0;
}
