#pragma once

#include "foundation/CXRect.h"

#include <cstdint>

// One side of a drawing operation. For the source: where its top-left pixel lies on the target
// and its clipping rectangle; for the target: x and y 0 and the source's viewport as rectangle.
// An empty rectangle means none. Rows have no gaps: width is the row length.
struct _canvas {
    uint16_t* data;
    uint8_t* alpha;
    int bpp;
    int x;
    int y;
    int width;
    int height;
    CXRect rect;
};

// The pixel loops that draw one graphics object onto another. Every weighted channel takes its
// product (s − d) × a from one shared multiplication table. Whatever the rectangles say, a loop
// never reads outside the source nor writes outside the target.
//
// 16-bit rules per channel (max 31, or 63 for 5-6-5 green):
//   alpha copy:  a = 0 keeps d, a = 255 copies, else min(d + ((s − d) × a >> 8) + 1, max)
//   blend at o:  d + ((s − d) × o >> 8); with an alpha plane the weight is o × a / 256
// 32-bit targets weigh at 5 bits a channel without the + 1 and store the widened 16-bit result.
class CPixelLoops {
public:
    // 512 × 256 entries: row d + 256, column a holds d × a.
    static const int16_t* __get_mul_array();

    static bool __copy(const _canvas& source, const _canvas& target);
    static bool __copy_bpp15_16(const _canvas& source, const _canvas& target);
    static bool __copy_bpp32(const _canvas& source, const _canvas& target);

    static bool __copy_alpha(const _canvas& source, const _canvas& target);
    static bool __copy_alpha15(const _canvas& source, const _canvas& target);
    static bool __copy_alpha16(const _canvas& source, const _canvas& target);
    static bool __copy_alpha32(const _canvas& source, const _canvas& target);
    // Any non-zero alpha copies the source pixel.
    static bool __copy_alpha_as_mask(const _canvas& source, const _canvas& target);
    // Onto a target with its own alpha plane, which takes the source's coverage.
    static bool copyToCanvas(const _canvas& source, const _canvas& target);

    static bool __copy_blend(const _canvas& source, const _canvas& target, uint8_t opacity);
    static bool __copy_blend15(const _canvas& source, const _canvas& target, uint8_t opacity);
    static bool __copy_blend16(const _canvas& source, const _canvas& target, uint8_t opacity);
    static bool __copy_blend32(const _canvas& source, const _canvas& target, uint8_t opacity);
    static bool __copy_alpha_blend15(const _canvas& source, const _canvas& target, uint8_t opacity);
    static bool __copy_alpha_blend16(const _canvas& source, const _canvas& target, uint8_t opacity);
    static bool __copy_alpha_blend32(const _canvas& source, const _canvas& target, uint8_t opacity);

    // A 15- or 16-bit pixel put over another with weight alpha of 255, each channel
    // old × (255 − alpha) / 256 + fresh × alpha / 256 (truncated): the single-pixel put.
    static uint16_t mixPixel(uint16_t old, uint16_t fresh, int alpha, int bpp)
    {
        int redShift = bpp == 16 ? 11 : 10;
        int greenMask = bpp == 16 ? 63 : 31;
        auto mix = [alpha](int from, int to) { return (from * (255 - alpha)) / 256 + (alpha * to) / 256; };
        int r = mix((old >> redShift) & 31, (fresh >> redShift) & 31);
        int g = mix((old >> 5) & greenMask, (fresh >> 5) & greenMask);
        int b = mix(old & 31, fresh & 31);
        return uint16_t(r << redShift | g << 5 | b);
    }
};
