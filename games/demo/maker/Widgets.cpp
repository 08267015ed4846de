#include "Widgets.h"

#include "Animation.h"
#include "DemoFolder.h"
#include "PixelFont.h"
#include "Raster.h"
#include "Shape.h"

#include <algorithm>

Raster Widgets::buttonLook(const std::string& label, int width, int height, Rgba base, Look look)
{
    // Room around the button for its shadow and its hover glow.
    constexpr int margin = 12;
    Raster raster(width + 2 * margin, height + 2 * margin);
    const float left = margin;
    const float top = margin + (look == Look::Pressed ? 3.0f : 0.0f);
    const float right = left + float(width);
    const float bottom = top + float(height);
    const float radius = float(height) / 2;
    if (look == Look::Hover) {
        const Shape halo = Shape::rect(left - 8, top - 8, right + 8, bottom + 8, radius + 8);
        raster.paint(halo, [&](float x, float y) { return Rgba::hex(0xFFF2A8, 0.55f * std::min(-halo.distance(x, y) / 8, 1.0f)); });
    }
    if (look != Look::Pressed)
        raster.paint(Shape::rect(left, top + 5, right, bottom + 5, radius), kInk.withAlpha(0.45f), 3);
    const Rgba face = look == Look::Hover ? base.shaded(0.18f) : look == Look::Pressed ? base.shaded(-0.15f) : base;
    raster.paint(Shape::rect(left, top, right, bottom, radius), kInk);
    raster.paint(Shape::rect(left + 3, top + 3, right - 3, bottom - 3, radius - 3),
                 [&](float, float y) { return Rgba::mix(face.shaded(0.35f), face.shaded(-0.2f), (y - top) / float(height)); });
    // A gleam along the upper half.
    raster.paint(Shape::rect(left + radius * 0.6f, top + 6, right - radius * 0.6f, top + float(height) * 0.42f, float(height) * 0.18f),
                 Rgba::hex(0xFFFFFF, 0.28f));
    const int scale = height >= 60 ? 5 : 4;
    const float textTop = top + (float(height) - float(PixelFont::kGlyphHeight * scale)) / 2;
    const float textLeft = left + float(width - PixelFont::width(label, scale)) / 2;
    PixelFont::draw(raster, label, textLeft, textTop, scale, PixelFont::gradient(textTop, scale, Rgba::hex(0xFFFFFF), Rgba::hex(0xFFE9B0)),
                    kInk, 2.5f);
    return raster;
}

void Widgets::button(DemoFolder& folder, const std::string& name, const std::string& label, int x, int y, int width, int height,
                     Rgba base)
{
    const struct {
        const char* suffix;
        Look look;
    } looks[] = {{"_std.img", Look::Standard}, {"_move.img", Look::Hover}, {"_click.img", Look::Pressed}};
    for (const auto& each : looks)
        folder.picture(name + each.suffix, buttonLook(label, width, height, base, each.look), x - 12, y - 12);
}

void Widgets::digits(DemoFolder& folder, const std::string& file, int x, int y, int scale)
{
    Animation animation(10);
    std::vector<int> frames;
    const int outline = 2;
    for (char digit = '0'; digit <= '9'; ++digit) {
        Raster raster(PixelFont::kGlyphWidth * scale + 2 * outline + 2, PixelFont::kGlyphHeight * scale + 2 * outline + 2);
        PixelFont::draw(raster, std::string(1, digit), float(outline), float(outline), scale,
                        PixelFont::gradient(float(outline), scale, Rgba::hex(0xFFF6C8), Rgba::hex(0xFFB347)), kInk, float(outline));
        frames.push_back(animation.frame(raster, x, y));
    }
    animation.event("DIGITS", frames, false);
    folder.animation(file, animation);
}

void Widgets::caption(Raster& raster, const std::string& text, float centreX, float y, int scale)
{
    const float left = centreX - float(PixelFont::width(text, scale)) / 2;
    PixelFont::draw(raster, text, left + 3, y + 3, scale, [](float, float) { return kInk.withAlpha(0.5f); }, kInk.withAlpha(0), 0);
    PixelFont::draw(raster, text, left, y, scale, PixelFont::gradient(y, scale, Rgba::hex(0xFFFFFF), Rgba::hex(0xDDE8FF)), kInk, 2);
}
