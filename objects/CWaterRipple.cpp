#include "objects/CWaterRipple.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

// Factors beyond this move every pixel beyond any picture already: kept there, the products stay
// far inside the integers.
constexpr double kLargestFactor = 1e9;

// The two loops over every pixel are made for the processors with wider vectors too; the one that
// fits is chosen when the library loads.
#define WITH_WIDE_VECTORS __attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))

// m of each wave of a quarter row, kept within -1 to 1, from the waves at which m reaches 1
// either way, then the whole row of m: as the quarter right of the centre, mirrored left of it.
// True when some wave reaches `two` either way.
WITH_WIDE_VECTORS bool waveShifts(const float* __restrict sinD, const float* __restrict cosD, int quarterWidth, float sinPhase,
                                  float cosPhase, float one, float two, int8_t* __restrict quarter, int8_t* __restrict shifts, int centre,
                                  int width)
{
    int farther = 0;
    for (int x = 0; x < quarterWidth; ++x) {
        float wave = sinPhase * cosD[x] + cosPhase * sinD[x];
        quarter[x] = int8_t(int(wave >= one) - int(wave <= -one));
        farther |= int(std::fabs(wave) >= two);
    }
    for (int x = 0; x < centre; ++x)
        shifts[x] = quarter[centre - x];
    std::memcpy(shifts + centre, quarter, size_t(width - centre));
    return farther != 0;
}

// Each pixel from `from` to `to` (not included) becomes its up-left neighbour (column x - 1 of
// `above`), itself or its down-right neighbour (column x + 1 of `below`) by its m, unless it is
// transparent (opaque may be null). All three are read whatever m is, so that the choice needs no
// branch.
WITH_WIDE_VECTORS void chooseAmong(const int8_t* __restrict shifts, const uint16_t* __restrict above, const uint16_t* __restrict same,
                                   const uint16_t* __restrict below, const uint8_t* __restrict opaque, uint16_t* __restrict out, int from,
                                   int to)
{
    if (opaque == nullptr) {
        for (int x = from; x < to; ++x) {
            uint16_t up = above[x - 1], own = same[x], down = below[x + 1];
            uint16_t pixel = shifts[x] < 0 ? up : own;
            out[x] = shifts[x] > 0 ? down : pixel;
        }
        return;
    }
    for (int x = from; x < to; ++x) {
        uint16_t up = above[x - 1], own = same[x], down = below[x + 1], kept = out[x];
        uint16_t pixel = shifts[x] < 0 ? up : own;
        pixel = shifts[x] > 0 ? down : pixel;
        out[x] = opaque[x] != 0 ? pixel : kept;
    }
}

} // namespace

CWaterRipple::CWaterRipple(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), centreX_(width_ / 2), centreY_(height_ / 2),
      quarterWidth_(std::max(centreX_, width_ - 1 - centreX_) + 1), halfHeight_(std::max(centreY_, height_ - 1 - centreY_) + 1)
{
    size_t count = size_t(quarterWidth_) * size_t(halfHeight_);
    sinD_.resize(count);
    cosD_.resize(count);
    quarterShifts_.resize(size_t(quarterWidth_));
    shifts_.resize(size_t(width_));
    for (int y = 0; y < halfHeight_; ++y) {
        for (int x = 0; x < quarterWidth_; ++x) {
            double d = std::sqrt(double(x) * x + double(y) * y);
            sinD_[size_t(y) * quarterWidth_ + x] = float(std::sin(d));
            cosD_[size_t(y) * quarterWidth_ + x] = float(std::cos(d));
        }
    }
}

void CWaterRipple::ripple(const uint16_t* unaltered, uint16_t* pixels, const uint8_t* alpha, float sinPhase, float cosPhase, double factor)
{
    if (width_ == 0 || height_ == 0)
        return;
    factor = std::isnan(factor) ? 0.0 : std::clamp(factor, -kLargestFactor, kLargestFactor);
    Thresholds thresholds(factor);
    // The rows as far above the centre as below share their m: made once, used for both.
    for (int distance = 0; distance < halfHeight_; ++distance) {
        bool farther = rowShifts(distance, sinPhase, cosPhase, thresholds);
        auto rippleRow = [&](int y) {
            if (width_ > 2 && !farther)
                chooseNeighbours(y, unaltered, pixels, alpha);
            else
                movePixels(y, sinPhase, cosPhase, factor, unaltered, pixels, alpha);
        };
        if (centreY_ - distance >= 0)
            rippleRow(centreY_ - distance);
        if (distance > 0 && centreY_ + distance < height_)
            rippleRow(centreY_ + distance);
    }
}

int CWaterRipple::shift(int x, int y, float sinPhase, float cosPhase, double factor) const
{
    size_t at = size_t(std::abs(centreY_ - y)) * quarterWidth_ + size_t(std::abs(centreX_ - x));
    float wave = sinPhase * cosD_[at] + cosPhase * sinD_[at];
    return int(double(wave) * factor);
}

float CWaterRipple::threshold(double factor, double bound)
{
    // The product is rounded, but grows with the wave: a float near bound / factor, moved to the
    // exact edge.
    if (double(std::numeric_limits<float>::max()) * factor < bound)
        return std::numeric_limits<float>::infinity();
    float edge = std::min(float(bound / factor), std::numeric_limits<float>::max());
    while (edge > 0.0f && double(std::nextafter(edge, 0.0f)) * factor >= bound)
        edge = std::nextafter(edge, 0.0f);
    while (double(edge) * factor < bound)
        edge = std::nextafter(edge, std::numeric_limits<float>::infinity());
    return edge;
}

CWaterRipple::Thresholds::Thresholds(double factor)
    : one(factor == 0.0 ? std::numeric_limits<float>::infinity() : threshold(std::fabs(factor), 1.0)),
      two(factor == 0.0 ? std::numeric_limits<float>::infinity() : threshold(std::fabs(factor), 2.0)), negative(factor < 0.0)
{
}

bool CWaterRipple::rowShifts(int distance, float sinPhase, float cosPhase, const Thresholds& thresholds)
{
    // A negative factor moves the other way: its waves are taken negated, which is exact.
    if (thresholds.negative) {
        sinPhase = -sinPhase;
        cosPhase = -cosPhase;
    }
    size_t row = size_t(distance) * quarterWidth_;
    return waveShifts(sinD_.data() + row, cosD_.data() + row, quarterWidth_, sinPhase, cosPhase, thresholds.one, thresholds.two,
                      quarterShifts_.data(), shifts_.data(), centreX_, width_);
}

void CWaterRipple::movePixels(int y, float sinPhase, float cosPhase, double factor, const uint16_t* unaltered, uint16_t* pixels,
                              const uint8_t* alpha) const
{
    size_t row = size_t(y) * width_;
    // No shift reaches farther than the picture does.
    int most = std::max(width_, height_);
    for (int x = 0; x < width_; ++x) {
        if (alpha != nullptr && alpha[row + x] == 0)
            continue;
        int shift = std::clamp(this->shift(x, y, sinPhase, cosPhase, factor), -most, most);
        int column = std::clamp(x + shift, 0, width_ - 1);
        int line = std::clamp(y + shift, 0, height_ - 1);
        pixels[row + x] = unaltered[size_t(line) * width_ + column];
    }
}

void CWaterRipple::chooseNeighbours(int y, const uint16_t* unaltered, uint16_t* pixels, const uint8_t* alpha) const
{
    const int width = width_;
    const int8_t* shifts = shifts_.data();
    size_t row = size_t(y) * width;
    // The first and last pixels of the row may not look beyond it, the first and last rows
    // neither: these look up or down into themselves.
    for (int x : {0, width - 1}) {
        if (alpha == nullptr || alpha[row + x] != 0)
            pixels[row + x] = unaltered[size_t(std::clamp(y + shifts[x], 0, height_ - 1)) * width +
                                        std::clamp(x + shifts[x], 0, width - 1)];
    }
    const uint16_t* above = unaltered + size_t(std::max(y - 1, 0)) * width;
    const uint16_t* below = unaltered + size_t(std::min(y + 1, height_ - 1)) * width;
    // A row without transparent pixels is chosen whole.
    const uint8_t* opaque = alpha != nullptr && std::memchr(alpha + row, 0, size_t(width)) != nullptr ? alpha + row : nullptr;
    chooseAmong(shifts, above, unaltered + row, below, opaque, pixels + row, 1, width - 1);
}
