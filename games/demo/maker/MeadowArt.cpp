#include "MeadowArt.h"

#include "Animation.h"
#include "DemoFolder.h"
#include "Noise.h"
#include "Raster.h"
#include "Scenery.h"
#include "Shape.h"
#include "Widgets.h"

#include <cmath>

namespace {

const Rgba kStem = Rgba::hex(0x3F9A3A);

// The flower's sprite: 200 x 290, the stem's foot at (100, 282); `sway` bends the stem (-1 to 1),
// `open` goes from 0 (a closed bud) to 1 (in full bloom).
Raster flowerFrame(float sway, float open, Rgba petals, Rgba heart)
{
    Raster raster(200, 290);
    const Point foot{100, 282};
    const Point head{100 + sway * 24, 96 + std::abs(sway) * 4};
    // The stem as a bent line of short pieces, and its two leaves.
    Point last = foot;
    for (int i = 1; i <= 16; ++i) {
        const float t = float(i) / 16;
        const Point at{foot.x + (head.x - foot.x) * t * t, foot.y + (head.y - foot.y) * t};
        raster.paint(Shape::line(last, at, 4.5f - 1.5f * t), kStem);
        last = at;
    }
    const float leafY = foot.y - 70;
    const float leafX = foot.x + (head.x - foot.x) * 0.1f;
    raster.paint(Shape::ellipse(leafX - 24, leafY, 26, 9).turned(0.5f + sway * 0.2f, {leafX, leafY}), kStem.shaded(0.2f));
    raster.paint(Shape::ellipse(leafX + 22, leafY + 26, 24, 8).turned(-0.5f + sway * 0.2f, {leafX, leafY + 26}), kStem.shaded(-0.1f));
    // Petals: tucked up into a bud, then opening round the heart and growing.
    const float length = 14 + 22 * open;
    const float width = 7 + 10 * open;
    const float spread = 0.28f + (kPi / 3 - 0.28f) * open;
    for (int i = 0; i < 6; ++i) {
        const float angle = spread * (float(i) - 2.5f) + sway * 0.15f;
        const float reach = 4 + length * (0.4f + 0.6f * open);
        const Shape petal = Shape::ellipse(head.x, head.y - reach, width, length).turned(angle, head);
        raster.paint(petal, kInk.withAlpha(0.55f), 2.5f);
        raster.paint(petal, [=](float x, float y) {
            return Rgba::mix(petals.shaded(0.45f), petals.shaded(-0.1f), std::hypot(x - head.x, y - head.y) / (reach + length));
        });
    }
    // The green cup of the bud, shrinking as it opens, and the flower's heart.
    const float cup = 13 * (1 - open * 0.5f);
    raster.paint(Shape::ellipse(head.x, head.y + 8, cup, cup * 0.9f), kStem.shaded(-0.05f));
    if (open > 0.3f) {
        const float radius = 5 + 9 * open;
        raster.paint(Shape::disc(head.x, head.y, radius + 1.5f), kInk.withAlpha(0.5f));
        raster.paint(Shape::disc(head.x, head.y, radius), [=](float x, float y) {
            return Rgba::mix(heart.shaded(0.4f), heart.shaded(-0.2f), (y - head.y + radius) / (2 * radius));
        });
    }
    return raster;
}

// The butterfly's sprite, 80 x 64, its body at the centre; `spread` is how far the wings are
// open (0 to 1).
Raster butterflyFrame(float spread, Rgba wings)
{
    Raster raster(80, 64);
    const float cx = 40;
    const float cy = 32;
    for (int side : {-1, 1}) {
        const float s = float(side) * (0.25f + 0.75f * spread);
        const Shape upper = Shape::ellipse(cx + s * 18, cy - 10, std::abs(s) * 18 + 2, 15);
        const Shape lower = Shape::ellipse(cx + s * 13, cy + 11, std::abs(s) * 12 + 2, 10);
        const Shape wing = upper.unite(lower);
        raster.paint(wing, kInk, 1.2f);
        raster.paint(Shape::ellipse(cx + s * 18, cy - 10, std::abs(s) * 18 - 1, 12).unite(Shape::ellipse(cx + s * 13, cy + 11, std::abs(s) * 12 - 1, 7)),
                     [=](float x, float y) { return Rgba::mix(wings.shaded(0.3f), wings, std::abs(x - cx) / 34); });
        raster.paint(Shape::disc(cx + s * 24, cy - 13, 3.5f * std::abs(s) + 0.5f), Rgba::hex(0xFFFFFF, 0.9f));
        raster.paint(Shape::disc(cx + s * 14, cy + 13, 2.5f * std::abs(s) + 0.5f), Rgba::hex(0xFFFFFF, 0.8f));
    }
    raster.paint(Shape::ellipse(cx, cy + 2, 3.5f, 15), kInk);
    raster.paint(Shape::line({cx - 1, cy - 13}, {cx - 8, cy - 26}, 1), kInk);
    raster.paint(Shape::line({cx + 1, cy - 13}, {cx + 8, cy - 26}, 1), kInk);
    return raster;
}

void path(Raster& raster)
{
    // A winding path from the foot of the picture to the edge of the wood.
    std::vector<Point> left;
    std::vector<Point> right;
    for (int i = 0; i <= 30; ++i) {
        const float t = float(i) / 30;
        const float y = 600 - t * 272;
        const float x = 420 + std::sin(t * 4.2f) * 70 * (1 - t) - t * 20;
        const float half = 70 * (1 - t) * (1 - t) + 5;
        left.push_back({x - half, y});
        right.push_back({x + half, y});
    }
    left.insert(left.end(), right.rbegin(), right.rend());
    const Shape shape = Shape::polygon(left);
    raster.paint(shape, [](float, float y) { return Rgba::mix(Rgba::hex(0xE6CC98), Rgba::hex(0xD1A867), (y - 330) / 270); }, 3);
}

} // namespace

void MeadowArt::make(DemoFolder& folder)
{
    background(folder);
    flower(folder, 1, 170, 500, 0xFF5C8A, 0xFFC02E);
    flower(folder, 2, 330, 560, 0xFFD23F, 0x9A5A14);
    flower(folder, 3, 600, 520, 0x9B6BFF, 0xFFE066);
    butterfly(folder);
    Widgets::button(folder, "next", "NEXT", 606, 522, 170, 56, Rgba::hex(0x3A8EE8));
}

void MeadowArt::background(DemoFolder& folder)
{
    Raster raster(800, 600);
    Scenery::sky(raster, Rgba::hex(0x4FA3EC), Rgba::hex(0xE3F5FF), 310);
    Scenery::glow(raster, 90, 64, 130, Rgba::hex(0xFFF6D0, 0.7f));
    raster.paint(Shape::disc(90, 64, 26), Rgba::hex(0xFFF3B0));
    Scenery::cloud(raster, 330, 118, 150, 21);
    Scenery::cloud(raster, 640, 86, 110, 22);
    Scenery::hills(raster, 300, 46, 200, 23, Rgba::hex(0x9CC9B2), Rgba::hex(0x7FB59A));
    for (int i = 0; i < 40; ++i) {
        const float x = float(i) * 21 + Noise::hash(i, 0, 24) * 14 - 10;
        Scenery::tree(raster, x, 330 + Noise::hash(i, 1, 24) * 6, 26 + Noise::hash(i, 2, 24) * 16, Rgba::hex(0x2F7A3C));
    }
    Scenery::hills(raster, 336, 12, 160, 25, Rgba::hex(0x8ED26A), Rgba::hex(0x3F8F34));
    path(raster);
    Scenery::meadow(raster, 340, 8, 26);
    Widgets::caption(raster, "WAKE UP THE THREE FLOWERS", 400, 24, 3);
    folder.picture("meadow.img", raster);
}

void MeadowArt::flower(DemoFolder& folder, int number, float baseX, float baseY, unsigned petals, unsigned heart)
{
    const Rgba petal = Rgba::hex(petals);
    const Rgba middle = Rgba::hex(heart);
    const int x = int(baseX) - 100;
    const int y = int(baseY) - 282;
    Animation animation(8);
    const float sways[] = {0, 0.4f, 0.7f, 0.4f, 0, -0.4f, -0.7f, -0.4f};
    std::vector<int> bud;
    std::vector<int> bloom;
    std::vector<int> bloomed;
    for (float sway : sways)
        bud.push_back(animation.frame(flowerFrame(sway, 0, petal, middle), x, y));
    for (int i = 1; i <= 8; ++i)
        bloom.push_back(animation.frame(flowerFrame(0, float(i) / 8, petal, middle), x, y));
    for (float sway : sways)
        bloomed.push_back(sway == 0 ? bloom.back() : animation.frame(flowerFrame(sway, 1, petal, middle), x, y));
    animation.event("BUD", bud, true);
    animation.event("BLOOM", bloom, false);
    animation.event("FLOWER", bloomed, true);
    folder.animation("flower" + std::to_string(number) + ".ann", animation);
}

void MeadowArt::butterfly(DemoFolder& folder)
{
    Animation animation(14, Animation::Frames::Whole);
    const float spreads[] = {1, 0.6f, 0.15f, 0.6f};
    std::vector<int> orange;
    std::vector<int> blue;
    for (float spread : spreads)
        orange.push_back(animation.frame(butterflyFrame(spread, Rgba::hex(0xFF8A1F)), 0, 0));
    for (float spread : spreads)
        blue.push_back(animation.frame(butterflyFrame(spread, Rgba::hex(0x3FA7FF)), 0, 0));
    animation.event("FLY", orange, true);
    animation.event("BLUE", blue, true);
    folder.animation("butterfly.ann", animation);
}
