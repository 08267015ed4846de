#include "graphics/CPixelLoops.h"

#include "graphics/CPixelFormat.h"

#include <algorithm>
#include <cstring>

namespace {

bool isSixteenBit(int bpp)
{
    return bpp == 15 || bpp == 16;
}

// The part of the source that is drawn: its first pixel, where that lands on the target, and
// the extent, clamped to both pictures.
struct Walk {
    int64_t sourceX = 0;
    int64_t sourceY = 0;
    int64_t targetX = 0;
    int64_t targetY = 0;
    int64_t width = 0;
    int64_t height = 0;
};

// Moves a start that lies before 0 up to it (the paired start follows) and cuts the extent at
// the limit.
void clampAxis(int64_t& start, int64_t& paired, int64_t& extent, int64_t limit)
{
    if (start < 0) {
        paired -= start;
        extent += start;
        start = 0;
    }
    extent = std::min(extent, limit - start);
}

// The clipping rectangle picks the drawn part and places it at its own offset; the viewport
// picks a part of that without moving it.
bool walkOf(const _canvas& source, const _canvas& target, Walk& walk)
{
    if (source.data == nullptr || target.data == nullptr)
        return false;
    walk.width = source.width;
    walk.height = source.height;
    walk.targetX = source.x;
    walk.targetY = source.y;
    const CXRect& clip = source.rect;
    if (!clip.IsEmpty()) {
        walk.sourceX = clip.left;
        walk.sourceY = clip.top;
        walk.width = int64_t(clip.right) - clip.left;
        walk.height = int64_t(clip.bottom) - clip.top;
        walk.targetX += clip.left;
        walk.targetY += clip.top;
    }
    const CXRect& view = target.rect;
    if (!view.IsEmpty()) {
        walk.sourceX += view.left;
        walk.sourceY += view.top;
        walk.width = int64_t(view.right) - view.left;
        walk.height = int64_t(view.bottom) - view.top;
    }
    clampAxis(walk.sourceX, walk.targetX, walk.width, source.width);
    clampAxis(walk.sourceY, walk.targetY, walk.height, source.height);
    clampAxis(walk.targetX, walk.sourceX, walk.width, target.width);
    clampAxis(walk.targetY, walk.sourceY, walk.height, target.height);
    return walk.width > 0 && walk.height > 0;
}

// Calls row(source pixels, source alpha, target pixels, target alpha, width) for every row of
// the walk; absent alpha planes give null pointers.
template <class TargetPixel, class Row>
bool eachRow(const _canvas& source, const _canvas& target, Row row)
{
    Walk walk;
    if (!walkOf(source, target, walk))
        return false;
    int64_t sourceAt = walk.sourceY * source.width + walk.sourceX;
    int64_t targetAt = walk.targetY * target.width + walk.targetX;
    const uint16_t* pixels = source.data + sourceAt;
    const uint8_t* alpha = source.alpha != nullptr ? source.alpha + sourceAt : nullptr;
    TargetPixel* out = reinterpret_cast<TargetPixel*>(target.data) + targetAt;
    uint8_t* outAlpha = target.alpha != nullptr ? target.alpha + targetAt : nullptr;
    int width = static_cast<int>(walk.width);
    for (int64_t y = 0; y < walk.height; ++y) {
        row(pixels, alpha, out, outAlpha, width);
        pixels += source.width;
        out += target.width;
        if (alpha != nullptr)
            alpha += source.width;
        if (outAlpha != nullptr)
            outAlpha += target.width;
    }
    return true;
}

// floor((s − d) × a / 256), `column` being the table's column of a.
inline int weighed(const int16_t* column, int s, int d)
{
    return column[(s - d + 256) << 8] >> 8;
}

struct Rgb565 {
    static constexpr int redShift = 11;
    static constexpr int greenMax = 63;
};

struct Rgb555 {
    static constexpr int redShift = 10;
    static constexpr int greenMax = 31;
};

// One 16-bit pixel weighed channel by channel; the alpha copy adds one step and keeps the limit.
template <class Format, bool plusOne>
inline uint16_t weigh(uint16_t s, uint16_t d, const int16_t* column)
{
    int sr = (s >> Format::redShift) & 31, sg = (s >> 5) & Format::greenMax, sb = s & 31;
    int dr = (d >> Format::redShift) & 31, dg = (d >> 5) & Format::greenMax, db = d & 31;
    int r = dr + weighed(column, sr, dr);
    int g = dg + weighed(column, sg, dg);
    int b = db + weighed(column, sb, db);
    if constexpr (plusOne) {
        r = std::min(r + 1, 31);
        g = std::min(g + 1, Format::greenMax);
        b = std::min(b + 1, 31);
    }
    return uint16_t(r << Format::redShift | g << 5 | b);
}

// A 32-bit target pixel and a 5-6-5 source, both at 5 bits a channel, weighed and widened back.
inline uint32_t weigh32(uint16_t s, uint32_t d, const int16_t* column, const uint32_t* widen)
{
    int sr = s >> 11, sg = (s >> 6) & 31, sb = s & 31;
    int dr = (d >> 19) & 31, dg = (d >> 11) & 31, db = (d >> 3) & 31;
    int r = dr + weighed(column, sr, dr);
    int g = dg + weighed(column, sg, dg);
    int b = db + weighed(column, sb, db);
    return widen[b | g << 6 | r << 11];
}

template <class Format>
bool copyAlpha16(const _canvas& source, const _canvas& target)
{
    if (source.alpha == nullptr)
        return false;
    const int16_t* table = CPixelLoops::__get_mul_array();
    return eachRow<uint16_t>(source, target, [table](const uint16_t* s, const uint8_t* a, uint16_t* d, uint8_t*, int w) {
        for (int i = 0; i < w; ++i) {
            int weight = a[i];
            if (weight == 255)
                d[i] = s[i];
            else if (weight != 0)
                d[i] = weigh<Format, true>(s[i], d[i], table + weight);
        }
    });
}

template <class Format>
bool blend16(const _canvas& source, const _canvas& target, uint8_t opacity)
{
    if (opacity == 0)
        return true;
    const int16_t* column = CPixelLoops::__get_mul_array() + opacity;
    return eachRow<uint16_t>(source, target, [column](const uint16_t* s, const uint8_t*, uint16_t* d, uint8_t*, int w) {
        for (int i = 0; i < w; ++i)
            d[i] = weigh<Format, false>(s[i], d[i], column);
    });
}

template <class Format>
bool alphaBlend16(const _canvas& source, const _canvas& target, uint8_t opacity)
{
    if (source.alpha == nullptr)
        return false;
    const int16_t* table = CPixelLoops::__get_mul_array();
    return eachRow<uint16_t>(source, target, [table, opacity](const uint16_t* s, const uint8_t* a, uint16_t* d, uint8_t*, int w) {
        for (int i = 0; i < w; ++i) {
            int weight = (opacity * a[i]) >> 8;
            if (weight != 0)
                d[i] = weigh<Format, false>(s[i], d[i], table + weight);
        }
    });
}

template <class Format>
bool alphaOntoCanvas(const _canvas& source, const _canvas& target)
{
    const int16_t* table = CPixelLoops::__get_mul_array();
    return eachRow<uint16_t>(source, target, [table](const uint16_t* s, const uint8_t* a, uint16_t* d, uint8_t* t, int w) {
        for (int i = 0; i < w; ++i) {
            int weight = a[i];
            if (weight == 0)
                continue;
            if (weight == 255 || t[i] == 0) {
                d[i] = s[i];
                t[i] = uint8_t(weight);
            } else {
                d[i] = weigh<Format, true>(s[i], d[i], table + weight);
                t[i] = uint8_t(std::min(weight + t[i], 255));
            }
        }
    });
}

} // namespace

const int16_t* CPixelLoops::__get_mul_array()
{
    static const struct Table {
        Table()
        {
            for (int d = -256; d < 256; ++d) {
                for (int a = 0; a < 256; ++a)
                    entries[(d + 256) * 256 + a] = int16_t(d * a);
            }
        }
        int16_t entries[512 * 256];
    } table;
    return table.entries;
}

bool CPixelLoops::__copy(const _canvas& source, const _canvas& target)
{
    if (!isSixteenBit(source.bpp))
        return false;
    if (isSixteenBit(target.bpp))
        return __copy_bpp15_16(source, target);
    if (target.bpp == 32)
        return __copy_bpp32(source, target);
    return target.bpp == 24;
}

bool CPixelLoops::__copy_bpp15_16(const _canvas& source, const _canvas& target)
{
    return eachRow<uint16_t>(source, target, [](const uint16_t* s, const uint8_t*, uint16_t* d, uint8_t*, int w) {
        std::memcpy(d, s, size_t(w) * 2);
    });
}

bool CPixelLoops::__copy_bpp32(const _canvas& source, const _canvas& target)
{
    const uint32_t* widen = CPixelFormat::getBppConversionTable();
    return eachRow<uint32_t>(source, target, [widen](const uint16_t* s, const uint8_t*, uint32_t* d, uint8_t*, int w) {
        for (int i = 0; i < w; ++i)
            d[i] = widen[s[i]];
    });
}

bool CPixelLoops::__copy_alpha(const _canvas& source, const _canvas& target)
{
    if (!isSixteenBit(source.bpp))
        return true;
    if (isSixteenBit(target.bpp))
        return source.bpp == 15 ? __copy_alpha15(source, target) : __copy_alpha16(source, target);
    if (target.bpp == 32)
        return __copy_alpha32(source, target);
    return false;
}

bool CPixelLoops::__copy_alpha15(const _canvas& source, const _canvas& target)
{
    return copyAlpha16<Rgb555>(source, target);
}

bool CPixelLoops::__copy_alpha16(const _canvas& source, const _canvas& target)
{
    return copyAlpha16<Rgb565>(source, target);
}

bool CPixelLoops::__copy_alpha32(const _canvas& source, const _canvas& target)
{
    if (source.alpha == nullptr)
        return false;
    const int16_t* table = __get_mul_array();
    const uint32_t* widen = CPixelFormat::getBppConversionTable();
    return eachRow<uint32_t>(source, target, [table, widen](const uint16_t* s, const uint8_t* a, uint32_t* d, uint8_t*, int w) {
        for (int i = 0; i < w; ++i) {
            int weight = a[i];
            if (weight == 255)
                d[i] = widen[s[i]];
            else if (weight != 0)
                d[i] = weigh32(s[i], d[i], table + weight, widen);
        }
    });
}

bool CPixelLoops::__copy_alpha_as_mask(const _canvas& source, const _canvas& target)
{
    if (source.alpha == nullptr || !isSixteenBit(source.bpp))
        return false;
    if (target.bpp == 32) {
        const uint32_t* widen = CPixelFormat::getBppConversionTable();
        return eachRow<uint32_t>(source, target, [widen](const uint16_t* s, const uint8_t* a, uint32_t* d, uint8_t*, int w) {
            for (int i = 0; i < w; ++i) {
                if (a[i] != 0)
                    d[i] = widen[s[i]];
            }
        });
    }
    if (!isSixteenBit(target.bpp))
        return false;
    return eachRow<uint16_t>(source, target, [](const uint16_t* s, const uint8_t* a, uint16_t* d, uint8_t*, int w) {
        for (int i = 0; i < w; ++i) {
            if (a[i] != 0)
                d[i] = s[i];
        }
    });
}

bool CPixelLoops::copyToCanvas(const _canvas& source, const _canvas& target)
{
    if (!isSixteenBit(source.bpp) || !isSixteenBit(target.bpp) || target.alpha == nullptr)
        return false;
    if (source.alpha == nullptr) {
        return eachRow<uint16_t>(source, target, [](const uint16_t* s, const uint8_t*, uint16_t* d, uint8_t* t, int w) {
            std::memcpy(d, s, size_t(w) * 2);
            std::memset(t, 255, size_t(w));
        });
    }
    return source.bpp == 15 ? alphaOntoCanvas<Rgb555>(source, target) : alphaOntoCanvas<Rgb565>(source, target);
}

bool CPixelLoops::__copy_blend(const _canvas& source, const _canvas& target, uint8_t opacity)
{
    if (!isSixteenBit(source.bpp))
        return true;
    bool withAlpha = source.alpha != nullptr;
    if (isSixteenBit(target.bpp)) {
        if (source.bpp == 15)
            return withAlpha ? __copy_alpha_blend15(source, target, opacity) : __copy_blend15(source, target, opacity);
        return withAlpha ? __copy_alpha_blend16(source, target, opacity) : __copy_blend16(source, target, opacity);
    }
    if (target.bpp == 32)
        return withAlpha ? __copy_alpha_blend32(source, target, opacity) : __copy_blend32(source, target, opacity);
    return false;
}

bool CPixelLoops::__copy_blend15(const _canvas& source, const _canvas& target, uint8_t opacity)
{
    return blend16<Rgb555>(source, target, opacity);
}

bool CPixelLoops::__copy_blend16(const _canvas& source, const _canvas& target, uint8_t opacity)
{
    return blend16<Rgb565>(source, target, opacity);
}

bool CPixelLoops::__copy_blend32(const _canvas& source, const _canvas& target, uint8_t opacity)
{
    if (opacity == 0)
        return true;
    const int16_t* column = __get_mul_array() + opacity;
    const uint32_t* widen = CPixelFormat::getBppConversionTable();
    return eachRow<uint32_t>(source, target, [column, widen](const uint16_t* s, const uint8_t*, uint32_t* d, uint8_t*, int w) {
        for (int i = 0; i < w; ++i)
            d[i] = weigh32(s[i], d[i], column, widen);
    });
}

bool CPixelLoops::__copy_alpha_blend15(const _canvas& source, const _canvas& target, uint8_t opacity)
{
    return alphaBlend16<Rgb555>(source, target, opacity);
}

bool CPixelLoops::__copy_alpha_blend16(const _canvas& source, const _canvas& target, uint8_t opacity)
{
    return alphaBlend16<Rgb565>(source, target, opacity);
}

bool CPixelLoops::__copy_alpha_blend32(const _canvas& source, const _canvas& target, uint8_t opacity)
{
    if (source.alpha == nullptr)
        return false;
    const int16_t* table = __get_mul_array();
    const uint32_t* widen = CPixelFormat::getBppConversionTable();
    return eachRow<uint32_t>(source, target, [table, widen, opacity](const uint16_t* s, const uint8_t* a, uint32_t* d, uint8_t*, int w) {
        for (int i = 0; i < w; ++i) {
            int weight = (opacity * a[i]) >> 8;
            if (weight != 0)
                d[i] = weigh32(s[i], d[i], table + weight, widen);
        }
    });
}
