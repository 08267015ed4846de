#include "PondArt.h"

#include "Animation.h"
#include "DemoFolder.h"
#include "Noise.h"
#include "Raster.h"
#include "Scenery.h"
#include "Shape.h"
#include "Widgets.h"

#include <array>
#include <cmath>

namespace {

// The outline of the night, bluer than the day's.
const Rgba kNightInk = Rgba::hex(0x10182E);
// The frog's lily pad.
constexpr float kPadX = 300;
constexpr float kPadY = 468;

void lilyPad(Raster& raster, float cx, float cy, float size, float notch)
{
    const Shape pad = Shape::ellipse(cx, cy, size, size * 0.38f)
                          .without(Shape::polygon({{cx, cy}, {cx + size * 1.2f, cy - size * 0.25f * notch}, {cx + size * 1.2f, cy + size * 0.2f}}));
    raster.paint(pad.moved(0, 3), Rgba::hex(0x061020, 0.5f), 3);
    raster.paint(pad, [=](float x, float y) {
        return Rgba::mix(Rgba::hex(0x4FA865), Rgba::hex(0x23603A), std::hypot((x - cx) / size, (y - cy) / (size * 0.38f)));
    });
}

void cattails(Raster& raster, float x, float groundY, int count, uint32_t seed)
{
    for (int i = 0; i < count; ++i) {
        const float bx = x + float(i) * 14 + Noise::hash(i, 0, seed) * 8;
        const float height = 70 + Noise::hash(i, 1, seed) * 60;
        const float lean = (Noise::hash(i, 2, seed) - 0.5f) * 20;
        const Point top{bx + lean, groundY - height};
        raster.paint(Shape::line({bx, groundY}, top, 1.6f), Rgba::hex(0x1E4A2C));
        raster.paint(Shape::line({bx + lean * 0.9f, groundY - height * 0.95f}, {bx + lean * 0.75f, groundY - height * 0.72f}, 4.5f),
                     Rgba::hex(0x5A3A22));
        raster.paint(Shape::line({bx, groundY}, {bx - 18 + lean, groundY - height * 0.5f}, 1.2f), Rgba::hex(0x245A33));
    }
}

// The frog: 130 x 110, sitting on its pad at the centre of the foot. `crouch` squashes it down
// (negative stretches it up for a leap), `legs` stretches its hind legs out, `eyes` 0 shut.
Raster frogFrame(float crouch, float legs, float eyes, float throat)
{
    Raster raster(130, 110);
    const float cx = 65;
    const float foot = 100;
    const float squash = 1 - 0.25f * crouch;
    const float bodyH = 30 * squash;
    const float bodyW = 38 / std::sqrt(squash);
    const float cy = foot - bodyH;
    const Rgba skin = Rgba::hex(0x5DBB63);
    const Rgba dark = Rgba::hex(0x2F7A3C);
    // Hind legs: folded at the sides, or stretched down behind in a leap.
    for (int side : {-1, 1}) {
        const float s = float(side);
        if (legs > 0) {
            raster.paint(Shape::line({cx + s * 24, cy + 10}, {cx + s * (30 + 10 * legs), foot + 2}, 6), dark);
            raster.paint(Shape::ellipse(cx + s * (32 + 10 * legs), foot + 4, 10, 4), dark);
        } else {
            raster.paint(Shape::ellipse(cx + s * 34, foot - 9, 18, 10 * squash), dark);
            raster.paint(Shape::ellipse(cx + s * 44, foot - 2, 12, 4), dark);
        }
    }
    raster.paint(Shape::ellipse(cx, cy, bodyW + 2, bodyH + 2), kNightInk.withAlpha(0.7f));
    raster.paint(Shape::ellipse(cx, cy, bodyW, bodyH), [=](float x, float y) {
        return Rgba::mix(skin.shaded(0.25f), skin.shaded(-0.15f), (y - cy + bodyH) / (2 * bodyH));
    });
    raster.paint(Shape::ellipse(cx, cy + bodyH * 0.35f + throat * 3, 20 + throat * 5, 12 * squash + throat * 6), Rgba::hex(0xD9EFA8));
    // Front legs.
    raster.paint(Shape::ellipse(cx - 14, foot - 4, 6, 4), skin.shaded(-0.1f));
    raster.paint(Shape::ellipse(cx + 14, foot - 4, 6, 4), skin.shaded(-0.1f));
    // Eyes on their bumps, and a wide smile.
    for (int side : {-1, 1}) {
        const float ex = cx + float(side) * 17;
        const float ey = cy - bodyH * 0.8f;
        raster.paint(Shape::disc(ex, ey, 11), kNightInk.withAlpha(0.7f));
        raster.paint(Shape::disc(ex, ey, 10), skin.shaded(0.1f));
        if (eyes > 0.5f) {
            raster.paint(Shape::disc(ex, ey - 1, 7), Rgba::hex(0xFFFFFF));
            raster.paint(Shape::ellipse(ex + float(side), ey, 3, 5), kNightInk);
        } else {
            raster.paint(Shape::rect(ex - 7, ey - 1, ex + 7, ey + 1.5f, 1), kNightInk);
        }
    }
    const Shape smile = Shape::ellipse(cx, cy - 6, 20, 12).without(Shape::ellipse(cx, cy - 8, 20, 12)).meet(Shape::rect(cx - 22, cy - 6, cx + 22, cy + 8));
    raster.paint(smile, kNightInk);
    return raster;
}

Raster fireflyFrame(float glow)
{
    Raster raster(96, 96);
    Scenery::glow(raster, 48, 48, 26 + 20 * glow, Rgba::hex(0xD8FF6A, 0.45f + 0.45f * glow));
    Scenery::glow(raster, 48, 48, 10 + 4 * glow, Rgba::hex(0xF4FFB0, 0.9f));
    raster.paint(Shape::disc(48, 48, 3.5f + glow * 1.5f), Rgba::hex(0xFFFFF0));
    return raster;
}

} // namespace

void PondArt::make(DemoFolder& folder)
{
    background(folder);
    frog(folder);
    ripples(folder);
    const int places[][2] = {{120, 300}, {230, 218}, {470, 262}, {560, 190}, {690, 300}};
    for (int i = 0; i < 5; ++i)
        firefly(folder, i + 1, places[i][0], places[i][1]);
    Widgets::button(folder, "next", "NEXT", 606, 522, 170, 56, Rgba::hex(0x3A8EE8));
}

void PondArt::background(DemoFolder& folder)
{
    Raster raster(800, 600);
    Scenery::sky(raster, Rgba::hex(0x070B26), Rgba::hex(0x2E3F78), 340);
    Scenery::stars(raster, 260, 330, 31);
    Scenery::glow(raster, 640, 96, 150, Rgba::hex(0xFFF6D2, 0.35f));
    raster.paint(Shape::disc(640, 96, 40), [](float x, float y) {
        return Rgba::mix(Rgba::hex(0xFFFBE6), Rgba::hex(0xE9DFAE), std::hypot(x - 628, y - 86) / 60);
    });
    for (const auto& crater : {std::array<float, 3>{626, 86, 7}, {652, 106, 5}, {640, 76, 3.5f}, {622, 110, 4}})
        raster.paint(Shape::disc(crater[0], crater[1], crater[2]), Rgba::hex(0xCFC391, 0.6f));
    Scenery::hills(raster, 340, 60, 220, 32, Rgba::hex(0x1E2B52), Rgba::hex(0x151F3D));
    for (int i = 0; i < 26; ++i) {
        const float x = float(i) * 32 + Noise::hash(i, 0, 33) * 20;
        Scenery::tree(raster, x, 372, 26 + Noise::hash(i, 1, 33) * 18, Rgba::hex(0x13233A));
    }
    Scenery::hills(raster, 380, 10, 160, 34, Rgba::hex(0x1C3A2C), Rgba::hex(0x0C1A14));
    // The pond with the moon in it.
    const Shape water = Shape::ellipse(400, 476, 350, 104);
    raster.paint(water, Rgba::hex(0x0A1428), 4);
    raster.paint(Shape::ellipse(400, 476, 344, 99), [](float, float y) {
        return Rgba::mix(Rgba::hex(0x2A4C86), Rgba::hex(0x0E2046), (y - 377) / 198);
    }, 2);
    for (int i = 0; i < 14; ++i) {
        const float y = 392 + float(i) * 11;
        const float width = 34 - float(i) * 1.6f + Noise::hash(i, 0, 35) * 10;
        raster.paint(Shape::ellipse(640 + (Noise::hash(i, 1, 35) - 0.5f) * 10, y, width, 2.2f), Rgba::hex(0xFFF4C8, 0.55f - float(i) * 0.03f), 2);
    }
    for (int i = 0; i < 18; ++i) {
        const float x = 120 + Noise::hash(i, 2, 35) * 560;
        const float y = 400 + Noise::hash(i, 3, 35) * 150;
        raster.paint(Shape::ellipse(x, y, 16 + Noise::hash(i, 4, 35) * 24, 1.2f), Rgba::hex(0x9DB8FF, 0.25f), 1.5f);
    }
    lilyPad(raster, kPadX, kPadY + 6, 58, 1);
    lilyPad(raster, 505, 440, 40, -1);
    lilyPad(raster, 560, 520, 46, 1);
    lilyPad(raster, 180, 515, 36, -1);
    // A water lily on one pad.
    for (int i = 0; i < 7; ++i)
        raster.paint(Shape::ellipse(505, 424, 5, 13).turned(kPi / 3.5f * (float(i) - 3), {505, 436}), Rgba::hex(0xFFB7D0));
    raster.paint(Shape::disc(505, 434, 4), Rgba::hex(0xFFE27A));
    cattails(raster, 30, 450, 6, 36);
    cattails(raster, 700, 440, 5, 37);
    Widgets::caption(raster, "MAKE THE FROG WAKE THE FIREFLIES", 400, 22, 3);
    folder.picture("pond.img", raster);
}

void PondArt::frog(DemoFolder& folder)
{
    Animation animation(12);
    const int x = int(kPadX) - 65;
    const int y = int(kPadY) - 100;
    const int sitting = animation.frame(frogFrame(0, 0, 1, 0), x, y);
    const int puffed = animation.frame(frogFrame(0, 0, 1, 1), x, y);
    const int blinking = animation.frame(frogFrame(0, 0, 0, 0), x, y);
    // The leap: a crouch, up in an arc with the legs out, and down again onto the pad.
    const float heights[] = {0, 40, 80, 104, 110, 100, 74, 34, 0, 0};
    const float crouches[] = {1, -0.6f, -0.8f, -0.5f, -0.2f, 0, 0.1f, 0.3f, 1, 0.4f};
    const float legs[] = {0, 1, 1, 0.7f, 0.4f, 0.2f, 0.3f, 0.6f, 0, 0};
    std::vector<int> leap;
    for (int i = 0; i < 10; ++i)
        leap.push_back(animation.frame(frogFrame(crouches[i], legs[i], 1, 0), x, y - int(heights[i])));
    leap.push_back(sitting);
    std::vector<int> sit(24, sitting);
    sit[6] = sit[7] = sit[8] = puffed;
    sit[18] = sit[19] = blinking;
    animation.event("SIT", sit, true);
    animation.event("JUMP", leap, false);
    folder.animation("frog.ann", animation);
}

void PondArt::ripples(DemoFolder& folder)
{
    Animation animation(12);
    std::vector<int> frames;
    for (int i = 0; i < 8; ++i) {
        Raster raster(260, 90);
        for (int ring = 0; ring < 3; ++ring) {
            const float grow = float(i) - float(ring) * 2;
            if (grow < 0)
                continue;
            const float rx = 40 + grow * 11;
            const float ry = rx * 0.3f;
            const float fade = std::max(0.0f, 1 - grow / 8);
            raster.paint(Shape::ellipse(130, 45, rx, ry).without(Shape::ellipse(130, 45, rx - 3, ry - 1.5f)), Rgba::hex(0xC9DCFF, 0.7f * fade), 1.5f);
        }
        frames.push_back(animation.frame(raster, int(kPadX) - 130, int(kPadY) - 40));
    }
    animation.event("RIPPLE", frames, false);
    folder.animation("ripples.ann", animation);
}

void PondArt::firefly(DemoFolder& folder, int number, int x, int y)
{
    Animation animation(8);
    std::vector<int> frames;
    for (int i = 0; i < 8; ++i)
        frames.push_back(animation.frame(fireflyFrame(0.5f + 0.5f * std::sin(kPi * float(i) / 4 + float(number))), x - 48, y - 48));
    animation.event("GLOW", frames, true);
    folder.animation("firefly" + std::to_string(number) + ".ann", animation);
}
