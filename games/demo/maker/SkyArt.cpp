#include "SkyArt.h"

#include "Animation.h"
#include "DemoFolder.h"
#include "Noise.h"
#include "Raster.h"
#include "Scenery.h"
#include "Shape.h"
#include "Widgets.h"

#include <cmath>

namespace {

// The five stars of the figure, left to right.
constexpr Point kStars[] = {{170, 230}, {285, 150}, {400, 240}, {515, 150}, {630, 230}};
const Rgba kStarLight = Rgba::hex(0xFFF1C2);

// A star's sprite, 120 x 120: `lit` from 0 (a faint point) to 1 (a big sparkle), `twinkle` its
// flicker from 0 to 1.
Raster starFrame(float lit, float twinkle)
{
    Raster raster(120, 120);
    const float c = 60;
    if (lit > 0) {
        Scenery::glow(raster, c, c, 30 + 28 * twinkle, kStarLight.withAlpha(0.5f + 0.3f * twinkle));
        raster.paint(Shape::star(c, c, 26 + 14 * twinkle, 4, 4), kStarLight.withAlpha(0.9f));
        raster.paint(Shape::star(c, c, 16 + 6 * twinkle, 3, 4, kPi / 4), kStarLight.withAlpha(0.6f));
        raster.paint(Shape::disc(c, c, 6), Rgba::hex(0xFFFFFF));
    } else {
        Scenery::glow(raster, c, c, 24 + 8 * twinkle, Rgba::hex(0x9FB8FF, 0.45f + 0.25f * twinkle));
        raster.paint(Shape::star(c, c, 13 + 4 * twinkle, 2, 4), Rgba::hex(0xDDE6FF, 0.9f));
        raster.paint(Shape::disc(c, c, 3.5f), Rgba::hex(0xFFFFFF));
    }
    return raster;
}

} // namespace

void SkyArt::make(DemoFolder& folder)
{
    background(folder);
    figure(folder);
    for (int i = 0; i < 5; ++i)
        star(folder, i + 1, int(kStars[i].x), int(kStars[i].y));
    comet(folder);
    meteor(folder);
    Widgets::button(folder, "again", "AGAIN", 596, 522, 180, 56, Rgba::hex(0x8F5BD8));
}

void SkyArt::background(DemoFolder& folder)
{
    Raster raster(800, 600);
    Scenery::sky(raster, Rgba::hex(0x03061A), Rgba::hex(0x27306A), 520);
    // The Milky Way: a misty band across the sky, from the lower left to the upper right.
    raster.cover([](float x, float y) {
        const float across = (y - 460 + x * 0.42f) / 90;
        const float mist = std::exp(-across * across) * (0.4f + 0.6f * Noise::fractal(x / 90, y / 90, 41, 4));
        return Rgba::hex(0xB8C4FF, 0.32f * mist);
    });
    Scenery::stars(raster, 520, 500, 42);
    // The northern lights low over the hills.
    raster.cover([](float x, float y) {
        const float wave = 420 + 30 * std::sin(x / 90) + 20 * Noise::smooth(x / 60, 0.5f, 43);
        const float height = (wave - y) / 110;
        if (height < 0 || height > 1)
            return Rgba{};
        const float curtain = 0.5f + 0.5f * Noise::smooth(x / 14, 1.5f, 44);
        const Rgba colour = Rgba::mix(Rgba::hex(0x4CFFB0), Rgba::hex(0xA66BFF), height);
        return colour.withAlpha(0.28f * (1 - height) * std::min(1.0f, height * 6) * curtain);
    });
    Scenery::hills(raster, 520, 60, 240, 45, Rgba::hex(0x0C1124), Rgba::hex(0x04060E));
    // A telescope on its stand, looking up at the figure.
    const Rgba dark = Rgba::hex(0x02040A);
    raster.paint(Shape::line({130, 520}, {150, 470}, 2.5f), dark);
    raster.paint(Shape::line({170, 520}, {150, 470}, 2.5f), dark);
    raster.paint(Shape::line({150, 525}, {150, 470}, 2.5f), dark);
    raster.paint(Shape::line({128, 488}, {186, 440}, 7), dark);
    raster.paint(Shape::line({180, 445}, {192, 435}, 9), dark);
    Widgets::caption(raster, "LIGHT UP THE FIVE STARS", 400, 22, 3);
    folder.picture("sky.img", raster);
}

void SkyArt::figure(DemoFolder& folder)
{
    const int left = 150;
    const int top = 130;
    Raster raster(500, 130);
    for (int i = 0; i + 1 < 5; ++i) {
        const Point from{kStars[i].x - float(left), kStars[i].y - float(top)};
        const Point to{kStars[i + 1].x - float(left), kStars[i + 1].y - float(top)};
        raster.paint(Shape::line(from, to, 5), kStarLight.withAlpha(0.15f), 4);
        raster.paint(Shape::line(from, to, 1.5f), kStarLight.withAlpha(0.75f));
    }
    folder.picture("figure.img", raster, left, top);
}

void SkyArt::star(DemoFolder& folder, int number, int x, int y)
{
    Animation animation(10);
    std::vector<int> dim;
    std::vector<int> lit;
    for (int i = 0; i < 8; ++i) {
        const float twinkle = 0.5f + 0.5f * std::sin(kPi * float(i) / 4 + float(number) * 1.3f);
        dim.push_back(animation.frame(starFrame(0, twinkle), x - 60, y - 60));
        lit.push_back(animation.frame(starFrame(1, twinkle), x - 60, y - 60));
    }
    animation.event("DIM", dim, true);
    animation.event("LIT", lit, true);
    folder.animation("star" + std::to_string(number) + ".ann", animation);
}

void SkyArt::comet(DemoFolder& folder)
{
    Animation animation(12, Animation::Frames::Whole);
    std::vector<int> frames;
    for (int i = 0; i < 4; ++i) {
        Raster raster(220, 70);
        // The tail streams back to the left, flickering, and the head glows at the right.
        for (int strand = 0; strand < 6; ++strand) {
            const float spread = (float(strand) - 2.5f) * 4 * (1 + 0.2f * Noise::hash(i, strand, 51));
            const float reach = 150 + 40 * Noise::hash(strand, i, 52);
            raster.paint(Shape::line({180, 35}, {180 - reach, 35 + spread * 2.2f}, 2.5f + float(strand % 3)), [=](float x, float) {
                return Rgba::hex(0xBFE3FF, 0.22f * std::clamp((x - 180 + reach) / reach, 0.0f, 1.0f));
            }, 3);
        }
        Scenery::glow(raster, 182, 35, 30, Rgba::hex(0xE6F6FF, 0.8f));
        raster.paint(Shape::disc(182, 35, 6 + float(i % 2)), Rgba::hex(0xFFFFFF));
        frames.push_back(animation.frame(raster, 0, 0));
    }
    animation.event("FLY", frames, true);
    folder.animation("comet.ann", animation);
}

void SkyArt::meteor(DemoFolder& folder)
{
    Animation animation(16);
    std::vector<int> frames;
    const Point start{520, 60};
    const Point end{760, 200};
    for (int i = 0; i < 16; ++i) {
        const float t = float(i) / 15;
        const Point head{start.x + (end.x - start.x) * t, start.y + (end.y - start.y) * t};
        const Point tail{head.x - (end.x - start.x) * 0.25f * (1 - t * 0.5f), head.y - (end.y - start.y) * 0.25f * (1 - t * 0.5f)};
        Raster raster(300, 200);
        const float fade = t < 0.8f ? 1 : (1 - t) * 5;
        raster.paint(Shape::line({tail.x - 480, tail.y - 30}, {head.x - 480, head.y - 30}, 2.2f),
                     [=](float x, float) { return Rgba::hex(0xFFFFFF, fade * std::clamp((x - tail.x + 480) / (head.x - tail.x), 0.0f, 1.0f)); });
        Scenery::glow(raster, head.x - 480, head.y - 30, 14, Rgba::hex(0xFFFFFF, fade));
        frames.push_back(animation.frame(raster, 480, 30));
    }
    animation.event("FALL", frames, false);
    folder.animation("meteor.ann", animation);
}
