#include "Raster.h"

#include "Shape.h"

#include "graphics/CGraphicsObject.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// A 4 x 4 ordered-dither matrix, in sixteenths.
constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

// A channel of 0 to 1 in `bits` bits, dithered by the threshold (0 to 1).
int quantised(float value, int bits, float threshold)
{
    const int top = (1 << bits) - 1;
    const int level = int(std::floor(std::clamp(value, 0.0f, 1.0f) * float(top) + threshold));
    return std::min(level, top);
}

} // namespace

Raster::Raster(int width, int height) : width_(width), height_(height), pixels_(size_t(width) * size_t(height)) {}

void Raster::blend(int x, int y, Rgba colour, float coverage)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    const float over = std::clamp(colour.a * coverage, 0.0f, 1.0f);
    if (over <= 0)
        return;
    Rgba& under = pixels_[size_t(y) * size_t(width_) + size_t(x)];
    const float alpha = over + under.a * (1 - over);
    const auto channel = [&](float top, float bottom) { return (top * over + bottom * under.a * (1 - over)) / alpha; };
    under = {channel(colour.r, under.r), channel(colour.g, under.g), channel(colour.b, under.b), alpha};
}

void Raster::paint(const Shape& shape, const Shade& shade, float soft)
{
    const Box box = shape.box();
    const int left = std::max(0, int(std::floor(box.left - soft)));
    const int top = std::max(0, int(std::floor(box.top - soft)));
    const int right = std::min(width_, int(std::ceil(box.right + soft)));
    const int bottom = std::min(height_, int(std::ceil(box.bottom + soft)));
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            const float px = float(x) + 0.5f;
            const float py = float(y) + 0.5f;
            const float coverage = std::clamp(0.5f - shape.distance(px, py) / soft, 0.0f, 1.0f);
            if (coverage > 0)
                blend(x, y, shade(px, py), coverage);
        }
    }
}

void Raster::paint(const Shape& shape, Rgba colour, float soft)
{
    paint(shape, [colour](float, float) { return colour; }, soft);
}

void Raster::cover(const Shade& shade)
{
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            blend(x, y, shade(float(x) + 0.5f, float(y) + 0.5f));
}

void Raster::draw(const Raster& other, int x, int y)
{
    for (int row = 0; row < other.height_; ++row)
        for (int column = 0; column < other.width_; ++column)
            blend(x + column, y + row, other.pixel(column, row));
}

Raster Raster::cut(int left, int top, int width, int height) const
{
    Raster part(width, height);
    part.draw(*this, -left, -top);
    return part;
}

std::unique_ptr<CGraphicsObject> Raster::picture(int x, int y) const
{
    const bool opaque = std::all_of(pixels_.begin(), pixels_.end(), [](const Rgba& colour) { return colour.a >= 1.0f; });
    auto target = std::make_unique<CGraphicsObject>(nullptr, CXSize(width_, height_), 16);
    if (!opaque)
        target->alloc(CXSize(width_, height_), 16, false);
    auto* colours = reinterpret_cast<uint16_t*>(target->GetDataPtr());
    uint8_t* alphas = target->GetChannelAlpha();
    for (int row = 0; row < height_; ++row) {
        for (int column = 0; column < width_; ++column) {
            const size_t at = size_t(row) * size_t(width_) + size_t(column);
            const Rgba& colour = pixels_[at];
            const float threshold = (float(kBayer[row & 3][column & 3]) + 0.5f) / 16.0f;
            const int red = quantised(colour.r, 5, threshold);
            const int green = quantised(colour.g, 6, threshold);
            const int blue = quantised(colour.b, 5, threshold);
            colours[at] = uint16_t(red << 11 | green << 5 | blue);
            if (alphas != nullptr)
                alphas[at] = uint8_t(quantised(colour.a, 8, 0.5f));
        }
    }
    if (alphas != nullptr)
        target->SetChannelSize(3, width_ * height_);
    target->SetPosition(x, y);
    return target;
}
