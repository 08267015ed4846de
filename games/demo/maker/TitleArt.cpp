#include "TitleArt.h"

#include "Animation.h"
#include "DemoFolder.h"
#include "PixelFont.h"
#include "Raster.h"
#include "Scenery.h"
#include "Shape.h"
#include "Widgets.h"

#include <cmath>

namespace {

// Where the sun stands.
constexpr float kSunX = 690;
constexpr float kSunY = 118;

void cottage(Raster& raster, float x, float groundY)
{
    raster.paint(Shape::rect(x - 38, groundY - 46, x + 38, groundY), [&](float, float y) {
        return Rgba::mix(Rgba::hex(0xFBEBD0), Rgba::hex(0xD9BE96), (y - groundY + 46) / 46);
    });
    raster.paint(Shape::rect(x + 14, groundY - 88, x + 26, groundY - 50), Rgba::hex(0x8A4B32));
    raster.paint(Shape::polygon({{x - 48, groundY - 44}, {x, groundY - 86}, {x + 48, groundY - 44}}), Rgba::hex(0xC2412D));
    raster.paint(Shape::polygon({{x - 48, groundY - 44}, {x, groundY - 86}, {x, groundY - 80}, {x - 40, groundY - 44}}),
                 Rgba::hex(0xE0634A));
    raster.paint(Shape::rect(x - 26, groundY - 34, x - 8, groundY - 16, 2), Rgba::hex(0xFFE38A));
    raster.paint(Shape::rect(x + 8, groundY - 30, x + 26, groundY, 2), Rgba::hex(0x7A4A2C));
}

// The sun's face over its disc; `wink` closes the left eye, `ray` turns the rays (0 to 1 for
// one ray's step).
Raster sunFrame(float turn, bool wink)
{
    Raster raster(200, 200);
    const float c = 100;
    Scenery::glow(raster, c, c, 98, Rgba::hex(0xFFF4B0, 0.65f));
    for (int i = 0; i < 12; ++i) {
        const float angle = turn + 2 * kPi * float(i) / 12;
        const float spread = 0.12f;
        const auto at = [&](float radius, float a) { return Point{c + radius * std::sin(a), c - radius * std::cos(a)}; };
        raster.paint(Shape::polygon({at(56, angle - spread), at(i % 2 == 0 ? 92 : 80, angle), at(56, angle + spread)}),
                     Rgba::hex(i % 2 == 0 ? 0xFFC83D : 0xFFDB6E));
    }
    raster.paint(Shape::disc(c, c, 58), Rgba::hex(0xF29A1E));
    raster.paint(Shape::disc(c, c, 54), [&](float x, float y) {
        return Rgba::mix(Rgba::hex(0xFFF2A0), Rgba::hex(0xFFB62E), std::hypot(x - c + 18, y - c + 18) / 90);
    });
    // Cheeks, eyes and smile.
    const Rgba blush = Rgba::hex(0xFF7A6B, wink ? 0.75f : 0.45f);
    raster.paint(Shape::ellipse(c - 30, c + 12, 10, 6), blush, 3);
    raster.paint(Shape::ellipse(c + 30, c + 12, 10, 6), blush, 3);
    if (wink) {
        const Shape lid = Shape::disc(c - 18, c - 4, 9).without(Shape::disc(c - 18, c - 8, 8)).meet(Shape::rect(c - 30, c - 4, c - 6, c + 8));
        raster.paint(lid, kInk);
    } else {
        raster.paint(Shape::ellipse(c - 18, c - 8, 5, 8), kInk);
        raster.paint(Shape::disc(c - 16, c - 11, 2), Rgba::hex(0xFFFFFF));
    }
    raster.paint(Shape::ellipse(c + 18, c - 8, 5, 8), kInk);
    raster.paint(Shape::disc(c + 20, c - 11, 2), Rgba::hex(0xFFFFFF));
    const float smile = wink ? 24 : 20;
    const Shape mouth = Shape::disc(c, c + 2, smile).without(Shape::disc(c, c - 2, smile - 1)).meet(Shape::rect(c - 30, c + 8, c + 30, c + 30));
    raster.paint(mouth, kInk);
    return raster;
}

} // namespace

void TitleArt::make(DemoFolder& folder)
{
    background(folder);
    logo(folder);
    sun(folder);
    Widgets::button(folder, "play", "PLAY", 290, 296, 220, 72, Rgba::hex(0xE8563A));
    Widgets::digits(folder, "tens.ann", 156, 540, 4);
    Widgets::digits(folder, "ones.ann", 186, 540, 4);
}

void TitleArt::background(DemoFolder& folder)
{
    Raster raster(800, 600);
    Scenery::sky(raster, Rgba::hex(0x3A7BD5), Rgba::hex(0xFFD8A8), 440);
    Scenery::glow(raster, kSunX, kSunY, 300, Rgba::hex(0xFFF3C4, 0.55f));
    Scenery::cloud(raster, 105, 300, 160, 2);
    Scenery::cloud(raster, 560, 276, 110, 3);
    Scenery::cloud(raster, 745, 318, 130, 4);
    Scenery::hills(raster, 450, 70, 260, 7, Rgba::hex(0x9CC4B0), Rgba::hex(0x6E9F8A));
    cottage(raster, 150, 476);
    Scenery::hills(raster, 505, 75, 330, 8, Rgba::hex(0x73C150), Rgba::hex(0x2C6A27));
    const float trees[][3] = {{48, 520, 44}, {262, 500, 52}, {548, 512, 48}, {690, 498, 58}, {770, 522, 40}};
    for (const auto& tree : trees)
        Scenery::tree(raster, tree[0], tree[1], tree[2], Rgba::hex(0x3E8E35));
    Scenery::meadow(raster, 512, 4, 5);
    Widgets::caption(raster, "A LITTLE GAME MADE FROM SCRATCH", 400, 196, 3);
    raster.paint(Shape::rect(22, 528, 226, 584, 14), kInk.withAlpha(0.45f));
    Widgets::caption(raster, "VISITS", 90, 546, 3);
    folder.picture("title.img", raster);
}

void TitleArt::logo(DemoFolder& folder)
{
    const std::string name = "TAMZORA";
    constexpr int scale = 10;
    const int width = PixelFont::width(name, scale) + 24;
    const int height = PixelFont::kGlyphHeight * scale + 24;
    const int x = 372 - width / 2;
    const int y = 56;
    const Rgba top = Rgba::hex(0xFFF6C8);
    const Rgba bottom = Rgba::hex(0xFF9F2E);
    Animation animation(20);
    constexpr int gleams = 14;
    std::vector<int> shine;
    for (int i = 0; i <= gleams; ++i) {
        Raster raster(width, height);
        PixelFont::draw(raster, name, 16, 16, scale, [](float, float) { return kInk.withAlpha(0.45f); }, kInk.withAlpha(0), 0);
        const Shade letters = PixelFont::gradient(10, scale, top, bottom);
        // The gleam: a slanted band of light crossing from left to right (none in frame 0).
        const float across = float(i) / gleams * float(width + height) - float(height);
        const Shade face = [=](float px, float py) {
            const float band = i == 0 ? 0 : std::max(0.0f, 1 - std::abs(px + py * 0.6f - across) / 26);
            return Rgba::mix(letters(px, py), Rgba::hex(0xFFFFFF), band * 0.85f);
        };
        PixelFont::draw(raster, name, 10, 10, scale, face, kInk, 5);
        const int frame = animation.frame(raster, x, y);
        if (i > 0)
            shine.push_back(frame);
    }
    shine.push_back(0);
    animation.event("IDLE", {0}, false);
    animation.event("SHINE", shine, false);
    folder.animation("logo.ann", animation);
}

void TitleArt::sun(DemoFolder& folder)
{
    Animation animation(12);
    constexpr int steps = 8;
    std::vector<int> shine;
    std::vector<int> wink;
    for (int i = 0; i < steps; ++i) {
        const float turn = 2 * kPi / 12 * float(i) / steps;
        shine.push_back(animation.frame(sunFrame(turn, false), int(kSunX) - 100, int(kSunY) - 100));
    }
    for (int i = 0; i < 12; ++i) {
        const float turn = 2 * kPi / 12 * float(i % steps) / steps;
        const bool closed = i >= 2 && i < 9;
        wink.push_back(closed ? animation.frame(sunFrame(turn, true), int(kSunX) - 100, int(kSunY) - 100) : shine[size_t(i % steps)]);
    }
    animation.event("SHINE", shine, true);
    animation.event("WINK", wink, false);
    folder.animation("sun.ann", animation);
}
