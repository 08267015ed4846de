#include "graphics/CFrameHead.h"

#include "foundation/CByteReader.h"
#include "foundation/CByteWriter.h"

namespace {

constexpr int kLongNewChannels = 9;

} // namespace

bool CFrameHead::read(CByteReader& in, Layout layout)
{
    if (layout == OLD_1) {
        colourLength = in.i32();
        channelSizes[3] = in.i32();
    }
    if (layout == OLD_1 || layout == OLD_2) {
        width = in.s16();
        x = in.s16();
        height = in.s16();
        y = in.s16();
        in.skip(2);
        bppFlag = in.s16();
    } else {
        width = in.s16();
        height = in.s16();
        x = in.s16();
        y = in.s16();
        code = in.s16();
        colourLength = in.i32();
    }
    if (layout == OLD_2)
        channelCount = in.i32();
    else if (layout != OLD_1)
        channelCount = in.s16();
    if (layout != OLD_1) {
        for (int& size : channelSizes)
            size = in.i32();
    }
    if (layout == OLD_2)
        colourLength = channelSizes[0];
    if (layout == LONG_NEW)
        in.skip((kLongNewChannels - 4) * 4);
    return !in.failed();
}

void CFrameHead::write(CByteWriter& out) const
{
    out.s16(int16_t(width));
    out.s16(int16_t(height));
    out.s16(int16_t(x));
    out.s16(int16_t(y));
    out.s16(int16_t(code));
    out.i32(colourLength);
    out.s16(int16_t(channelCount));
    for (int size : channelSizes)
        out.i32(size);
    out.zeros((kLongNewChannels - 4) * 4);
}
