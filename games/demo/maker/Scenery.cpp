#include "Scenery.h"

#include "Noise.h"
#include "Raster.h"
#include "Shape.h"

#include <algorithm>
#include <cmath>

void Scenery::sky(Raster& raster, Rgba top, Rgba horizon, float horizonY)
{
    raster.cover([=](float, float y) { return Rgba::mix(top, horizon, y / horizonY); });
}

void Scenery::glow(Raster& raster, float cx, float cy, float radius, Rgba colour)
{
    raster.paint(Shape::disc(cx, cy, radius), [=](float x, float y) {
        const float t = std::hypot(x - cx, y - cy) / radius;
        const float fade = (1 - t) * (1 - t);
        return colour.withAlpha(colour.a * std::clamp(fade, 0.0f, 1.0f));
    });
}

void Scenery::hills(Raster& raster, float baseY, float height, float waveLength, uint32_t seed, Rgba top, Rgba bottom)
{
    const auto ridge = [=](float x) { return baseY - height * Noise::fractal(x / waveLength, 0.5f, seed, 3); };
    const float bottomY = float(raster.height());
    const Shape land({0, baseY - height, float(raster.width()), bottomY}, [=](float x, float y) { return ridge(x) - y; });
    raster.paint(land, [=](float, float y) { return Rgba::mix(top, bottom, (y - (baseY - height)) / (bottomY - baseY + height)); });
}

void Scenery::cloud(Raster& raster, float cx, float cy, float width, uint32_t seed)
{
    const float puff = width / 5;
    Shape shape = Shape::rect(cx - width / 2 + puff * 0.5f, cy - puff, cx + width / 2 - puff * 0.5f, cy, puff * 0.5f);
    for (int i = 0; i < 5; ++i) {
        const float along = (float(i) + 0.5f) / 5;
        const float size = puff * (0.8f + 0.9f * std::sin(along * kPi)) * (0.8f + 0.4f * Noise::hash(i, 1, seed));
        shape = shape.unite(Shape::disc(cx - width / 2 + along * width, cy - size * 0.7f, size));
    }
    const float top = shape.box().top;
    raster.paint(shape.moved(4, 5), Rgba::hex(0x2A3C66, 0.15f), 6);
    raster.paint(shape, [=](float, float y) {
        return Rgba::mix(Rgba::hex(0xFFFFFF), Rgba::hex(0xD6E2F2), (y - top) / (cy - top));
    }, 1.5f);
}

void Scenery::meadow(Raster& raster, float top, int flowers, uint32_t seed)
{
    const float height = float(raster.height()) - top;
    const int blades = int(float(raster.width()) * height / 60);
    for (int i = 0; i < blades; ++i) {
        const float depth = std::sqrt(Noise::hash(i, 1, seed));
        const float x = Noise::hash(i, 0, seed) * float(raster.width());
        const float y = top + depth * height;
        const float length = 4 + 10 * depth * (0.6f + 0.8f * Noise::hash(i, 2, seed));
        const float lean = (Noise::hash(i, 3, seed) - 0.5f) * length * 0.8f;
        const Rgba colour = Rgba::mix(Rgba::hex(0x2F7A2A), Rgba::hex(0x9BDC6A), Noise::hash(i, 4, seed)).withAlpha(0.8f);
        raster.paint(Shape::line({x, y}, {x + lean, y - length}, 0.5f + depth * 0.6f), colour);
    }
    const Rgba petals[] = {Rgba::hex(0xFFFFFF), Rgba::hex(0xFFE45C), Rgba::hex(0xFF8FB1), Rgba::hex(0xB8A4FF)};
    for (int i = 0; i < flowers * 30; ++i) {
        const float depth = std::sqrt(Noise::hash(i, 5, seed));
        const float x = Noise::hash(i, 6, seed) * float(raster.width());
        const float y = top + 10 + depth * (height - 10);
        const float size = 1.2f + 2.4f * depth;
        raster.paint(Shape::disc(x, y, size), petals[i % 4]);
        raster.paint(Shape::disc(x, y, size * 0.4f), Rgba::hex(0xF2A516));
    }
}

void Scenery::tree(Raster& raster, float x, float groundY, float size, Rgba leaves)
{
    // The trunk takes some of the leaves' colour: dark in a dark wood.
    raster.paint(Shape::rect(x - size * 0.08f, groundY - size * 0.9f, x + size * 0.08f, groundY, 2),
                 Rgba::mix(Rgba::hex(0x6B4A2B), leaves.shaded(-0.3f), 0.5f));
    const float cy = groundY - size * 1.1f;
    const Shape crown =
        Shape::disc(x, cy, size * 0.5f).unite(Shape::disc(x - size * 0.3f, cy + size * 0.15f, size * 0.35f)).unite(
            Shape::disc(x + size * 0.3f, cy + size * 0.12f, size * 0.38f));
    raster.paint(crown, [=](float px, float py) {
        // Lit from the upper left.
        const float light = ((x - px) + (cy - py)) / (size * 1.6f);
        return leaves.shaded(std::clamp(light, -0.35f, 0.3f));
    }, 1.2f);
}

void Scenery::stars(Raster& raster, int count, float bottom, uint32_t seed)
{
    for (int i = 0; i < count; ++i) {
        const float x = Noise::hash(i, 0, seed) * float(raster.width());
        const float y = Noise::hash(i, 1, seed) * bottom;
        const float brightness = Noise::hash(i, 2, seed);
        // Fewer near the horizon, where the air is thick.
        const float alpha = (0.35f + 0.65f * brightness) * std::clamp(1.3f - y / bottom, 0.0f, 1.0f);
        const Rgba colour = Rgba::mix(Rgba::hex(0xBFD4FF), Rgba::hex(0xFFF3D6), Noise::hash(i, 3, seed)).withAlpha(alpha);
        const float radius = 0.6f + 1.1f * brightness * brightness;
        raster.paint(Shape::disc(x, y, radius), colour);
        if (brightness > 0.93f) {
            glow(raster, x, y, radius * 6, colour.withAlpha(alpha * 0.5f));
            raster.paint(Shape::star(x, y, radius * 5, radius * 0.5f, 4), colour.withAlpha(alpha * 0.8f));
        }
    }
}
