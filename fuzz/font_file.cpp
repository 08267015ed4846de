// Font files from hostile bytes: a font that reads draws and measures every letter after every
// other, clipped and not, at the edges of a small target; one that does not read has no letters.
#include "graphics/CSimpleFont6.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CSimpleFont6 font(nullptr);
    if (font.read(data, size) != 0) {
        if (font.getLetterCount() != 0)
            std::abort();
        return 0;
    }
    CGraphicsObject target(nullptr, CXSize(24, 16), 16);
    std::fill_n(target.GetDataPtr(), 24 * 16 * 2, uint8_t(0));
    font.SetDestiny(&target);
    font.setColor(0x7BEF);
    char before = 0;
    for (int code = 0; code < 256; ++code) {
        char letter = char(code);
        font.getLetterWidth(before, letter);
        font.getRealLetterWidth(letter);
        font.drawLetter(code % 40 - 10, code % 23 - 6, before, letter);
        font.SetClippingRect(letter, CXRect(1, 1, 3, 4));
        font.drawLetter(code % 17, code % 11, before, letter);
        font.SetClippingRect(CXRect());
        before = letter;
    }
    return 0;
}
