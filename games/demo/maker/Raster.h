#pragma once

#include "Rgba.h"

#include <functional>
#include <memory>
#include <vector>

class CGraphicsObject;
class Shape;

// The colour of a shape at a point.
using Shade = std::function<Rgba(float x, float y)>;

// A picture being drawn: straight-alpha colours a pixel, transparent at first. Shapes are painted
// from their distance functions, so their edges come out smooth; the finished picture goes to the
// engine's pixel format with ordered dithering, which keeps gradients free of bands.
class Raster {
public:
    Raster(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    Rgba pixel(int x, int y) const { return pixels_[size_t(y) * size_t(width_) + size_t(x)]; }

    // Lays the colour over the pixel with that coverage (0 to 1); nothing outside the raster.
    void blend(int x, int y, Rgba colour, float coverage = 1.0f);
    // Every pixel whose centre lies inside the shape takes its shade; the edge is smoothed over
    // `soft` pixels.
    void paint(const Shape& shape, const Shade& shade, float soft = 1.0f);
    void paint(const Shape& shape, Rgba colour, float soft = 1.0f);
    // Every pixel takes the shade, laid over what is there.
    void cover(const Shade& shade);
    // Another raster laid over this one with its top left corner at (x, y).
    void draw(const Raster& other, int x, int y);
    // The part inside the box, as a raster of its own.
    Raster cut(int left, int top, int width, int height) const;

    // The picture in 5-6-5 pixels standing at (x, y), with an alpha plane unless every pixel is
    // opaque.
    std::unique_ptr<CGraphicsObject> picture(int x, int y) const;

private:
    int width_;
    int height_;
    std::vector<Rgba> pixels_;
};
