// Still-image files of any head from hostile bytes: a picture that reads must hold whole planes,
// also once a packed one is unpacked.
#include "graphics/CGraphicsObject.h"
#include "graphics/CImageReader.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CGraphicsObject picture(nullptr);
    if (CImageReader::read(picture, data, size) != 0)
        return 0;
    if (!picture.DeCompressRLE2())
        std::abort();
    size_t pixels = size_t(picture.Width()) * size_t(picture.Size().cy);
    if (pixels > 0) {
        (void)picture.GetDataPtr()[pixels * size_t(picture.GetPixelSize()) - 1];
        if (picture.GetChannelAlpha() != nullptr)
            (void)picture.GetChannelAlpha()[pixels - 1];
    }
    return 0;
}
