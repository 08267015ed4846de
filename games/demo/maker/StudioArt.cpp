#include "StudioArt.h"

#include "Animation.h"
#include "DemoFolder.h"
#include "Noise.h"
#include "Raster.h"
#include "Scenery.h"
#include "Shape.h"
#include "Widgets.h"

#include <cmath>
#include <string>

namespace {

const Rgba kWood = Rgba::hex(0x9A6236);
const Rgba kPaper = Rgba::hex(0xFFF7E4);

// Where the owl sits and where the hedgehog starts.
constexpr int kOwlX = 548;
constexpr int kOwlY = 128;
constexpr int kHogX = 110;
constexpr int kHogY = 440;

// A warm wall of soft vertical stripes over a floor or a desk from `floorY` down.
void room(Raster& raster, float floorY, Rgba wall, Rgba floor)
{
    raster.cover([=](float x, float y) {
        const float stripe = 0.04f * std::sin(x / 14) + 0.06f * (Noise::fractal(x / 90, y / 90, 21, 3) - 0.5f);
        return Rgba::mix(wall.shaded(0.15f), wall.shaded(-0.25f), y / floorY).shaded(stripe);
    });
    raster.paint(Shape::rect(0, floorY, float(raster.width()), float(raster.height())), [=](float x, float y) {
        const float grain = 0.12f * (Noise::fractal(x / 160, y / 6, 23, 3) - 0.5f);
        return Rgba::mix(floor.shaded(0.1f), floor.shaded(-0.3f), (y - floorY) / (float(raster.height()) - floorY)).shaded(grain);
    });
    raster.paint(Shape::rect(0, floorY - 3, float(raster.width()), floorY + 3), floor.shaded(-0.45f));
}

// The owl's sprite, 150 x 180: `lids` closes its eyes (0 open to 1 shut), `beak` opens its beak
// (0 shut to 1 wide).
Raster owlFrame(float lids, float beak)
{
    Raster raster(150, 180);
    const float cx = 75;
    const Rgba feathers = Rgba::hex(0x8A6242);
    // Tufts, body, wings and belly.
    raster.paint(Shape::polygon({{cx - 48, 20}, {cx - 26, 52}, {cx - 52, 58}}), feathers.shaded(-0.2f));
    raster.paint(Shape::polygon({{cx + 48, 20}, {cx + 26, 52}, {cx + 52, 58}}), feathers.shaded(-0.2f));
    raster.paint(Shape::ellipse(cx, 100, 56, 70), kInk);
    raster.paint(Shape::ellipse(cx, 100, 53, 67), [=](float x, float y) {
        return feathers.shaded(std::clamp(((cx - x) + (100 - y)) / 200, -0.3f, 0.25f));
    });
    raster.paint(Shape::ellipse(cx, 122, 34, 44), Rgba::hex(0xE8CFA0));
    for (int row = 0; row < 4; ++row)
        for (int i = -1; i <= 1; ++i)
            raster.paint(Shape::ellipse(cx + float(i) * 14 + float(row % 2) * 7, 100 + float(row) * 16, 4, 2.5f), Rgba::hex(0xB8946A));
    raster.paint(Shape::ellipse(cx - 48, 112, 12, 36).turned(0.2f, {cx - 48, 112}), feathers.shaded(-0.15f));
    raster.paint(Shape::ellipse(cx + 48, 112, 12, 36).turned(-0.2f, {cx + 48, 112}), feathers.shaded(-0.15f));
    // Eyes, lids coming down over them.
    for (float side : {-1.0f, 1.0f}) {
        const float ex = cx + side * 22;
        const float ey = 70;
        raster.paint(Shape::disc(ex, ey, 19), Rgba::hex(0xF3E2B8));
        raster.paint(Shape::disc(ex, ey, 15), Rgba::hex(0xFFB21E));
        raster.paint(Shape::disc(ex, ey, 8), kInk);
        raster.paint(Shape::disc(ex - 3, ey - 3, 3), Rgba::hex(0xFFFFFF));
        if (lids > 0)
            raster.paint(Shape::disc(ex, ey, 16).meet(Shape::rect(ex - 20, ey - 20, ex + 20, ey - 16 + 34 * lids)), feathers.shaded(-0.05f));
    }
    // The beak: two halves parting.
    const float gap = 10 * beak;
    raster.paint(Shape::polygon({{cx - 9, 84}, {cx + 9, 84}, {cx, 100}}), Rgba::hex(0xE0A020));
    raster.paint(Shape::polygon({{cx - 7, 98 + gap}, {cx + 7, 98 + gap}, {cx, 106 + gap}}), Rgba::hex(0xC88418));
    if (beak > 0)
        raster.paint(Shape::polygon({{cx - 6, 97}, {cx + 6, 97}, {cx + 5, 98 + gap}, {cx - 5, 98 + gap}}), Rgba::hex(0x5A1E1E));
    // Feet on the branch.
    for (float side : {-1.0f, 1.0f})
        for (int toe = -1; toe <= 1; ++toe)
            raster.paint(Shape::line({cx + side * 18, 164}, {cx + side * 18 + float(toe) * 6, 174}, 2.5f), Rgba::hex(0xE0A020));
    return raster;
}

// The hedgehog's sprite, 110 x 80, facing right (`facing` 1) or left (-1); `step` 0 or 1
// swaps its feet.
Raster hedgehogFrame(float facing, int step)
{
    Raster raster(110, 80);
    const float cx = 55;
    const auto at = [&](float x, float y) { return Point{cx + facing * x, y}; };
    // Feet.
    for (int i = 0; i < 2; ++i) {
        const float forward = (i == step ? 6.0f : -6.0f) + float(i) * 26 - 13;
        const Point foot = at(forward, 70);
        raster.paint(Shape::ellipse(foot.x, foot.y, 7, 4), Rgba::hex(0x5A3A22));
    }
    // Spines: a fan of points over the back.
    std::vector<Point> spines;
    for (int i = 0; i <= 14; ++i) {
        const float angle = kPi * (0.05f + 0.9f * float(i) / 14);
        const float radius = i % 2 == 0 ? 44.0f : 32.0f;
        spines.push_back(at(-8 - radius * std::cos(angle), 60 - radius * std::sin(angle) * 0.95f));
    }
    spines.push_back(at(-8 - 44, 64));
    spines.push_back(at(20, 64));
    raster.paint(Shape::polygon(spines), Rgba::hex(0x4B3426));
    raster.paint(Shape::ellipse(cx - facing * 8, 50, 38, 20), Rgba::hex(0x6E4D36));
    // The face: a pointed snout with its nose and an eye.
    const Point snoutTip = at(48, 54);
    raster.paint(Shape::polygon({at(10, 36), snoutTip, at(8, 66)}), Rgba::hex(0xD9B48A));
    raster.paint(Shape::ellipse(cx + facing * 16, 52, 16, 14), Rgba::hex(0xD9B48A));
    raster.paint(Shape::disc(snoutTip.x, snoutTip.y, 4.5f), kInk);
    const Point eye = at(24, 46);
    raster.paint(Shape::disc(eye.x, eye.y, 3.5f), kInk);
    raster.paint(Shape::disc(eye.x + 1, eye.y - 1, 1.2f), Rgba::hex(0xFFFFFF));
    return raster;
}

// A pot of paint of that colour, 64 x 70.
Raster potPicture(Rgba paint)
{
    Raster raster(64, 70);
    raster.paint(Shape::rect(6, 22, 58, 68, 8), kInk);
    raster.paint(Shape::rect(9, 25, 55, 65, 6), [](float x, float) { return Rgba::mix(Rgba::hex(0xE8E4EC), Rgba::hex(0x9C98A8), x / 64); });
    raster.paint(Shape::ellipse(32, 22, 27, 9), kInk);
    raster.paint(Shape::ellipse(32, 22, 24, 7), paint);
    raster.paint(Shape::ellipse(26, 20, 8, 2.5f), paint.shaded(0.4f));
    // A drip down the side.
    raster.paint(Shape::rect(40, 24, 47, 44, 3.5f), paint);
    raster.paint(Shape::rect(12, 38, 52, 52, 3), paint.shaded(-0.1f));
    return raster;
}

const Rgba kPaints[] = {Rgba::hex(0xD8423A), Rgba::hex(0x3A7BD8), Rgba::hex(0xF2B233)};

// The brushes' size: a dab or a sticker in the middle of a clear square.
constexpr int kBrush = 72;
constexpr float kMiddle = kBrush / 2.0f;

// The stickers of the board: a star, a heart, a flower, a leaf, a moon and a drop.
Shape stickerShape(int number)
{
    const float c = kMiddle;
    switch (number) {
    case 0:
        return Shape::star(c, c + 2, 27, 12, 5);
    case 1:
        return Shape::disc(c - 11, c - 6, 13).unite(Shape::disc(c + 11, c - 6, 13)).unite(
            Shape::polygon({{c - 23, c}, {c + 23, c}, {c, c + 26}}));
    case 2: {
        Shape flower = Shape::disc(c, c, 9);
        for (int i = 0; i < 5; ++i) {
            const float angle = 2 * kPi * float(i) / 5;
            flower = flower.unite(Shape::disc(c + 15 * std::sin(angle), c - 15 * std::cos(angle), 10));
        }
        return flower;
    }
    case 3:
        return Shape::ellipse(c, c, 14, 27).turned(0.6f, {c, c});
    case 4:
        return Shape::disc(c, c, 25).without(Shape::disc(c + 12, c - 8, 22));
    default:
        return Shape::disc(c, c + 8, 17).unite(Shape::polygon({{c - 15, c}, {c, c - 28}, {c + 15, c}}));
    }
}

const Rgba kStickers[] = {Rgba::hex(0xFFC83D), Rgba::hex(0xE8405A), Rgba::hex(0xF27BC0),
                          Rgba::hex(0x4FB548), Rgba::hex(0xE8E0B0), Rgba::hex(0x4AA8E8)};

} // namespace

void StudioArt::make(DemoFolder& folder)
{
    letters(folder);
    garden(folder);
    easel(folder);
    Widgets::button(folder, "studio", "STUDIO", 320, 388, 160, 50, Rgba::hex(0x7A5BD8));
    Widgets::button(folder, "sign", "SIGN", 416, 522, 160, 56, Rgba::hex(0x3FA65A));
}

void StudioArt::letters(DemoFolder& folder)
{
    Raster raster(800, 600);
    room(raster, 470, Rgba::hex(0x5B6E8C), kWood);
    Scenery::glow(raster, 700, 120, 260, Rgba::hex(0xFFE9B0, 0.4f));
    // The lamp.
    raster.paint(Shape::line({740, 470}, {740, 300}, 5), Rgba::hex(0x3A3A44));
    raster.paint(Shape::polygon({{700, 300}, {780, 300}, {760, 250}, {720, 250}}), Rgba::hex(0x2E7D6B));
    folder.picture("letters.img", raster);

    // The sheet of paper, with a shadow and faint lines, and the field for the name.
    Raster paper(600, 460);
    paper.paint(Shape::rect(28, 18, 588, 448, 6), kInk.withAlpha(0.35f), 8);
    paper.paint(Shape::rect(20, 8, 580, 438, 4), [](float x, float y) {
        return kPaper.shaded(-0.06f * Noise::fractal(x / 40, y / 40, 31, 3));
    });
    // Under the poem's lines, 24 pixels apart.
    for (float y = 76; y < 270; y += 24)
        paper.paint(Shape::rect(50, y, 550, y + 1.5f), Rgba::hex(0xA8C4E8, 0.6f));
    paper.paint(Shape::rect(70, 8, 72, 438), Rgba::hex(0xE88080, 0.5f));
    paper.paint(Shape::rect(236, 284, 540, 320, 6), kInk.withAlpha(0.7f));
    paper.paint(Shape::rect(238, 286, 538, 318, 5), Rgba::hex(0xFFFFFF));
    folder.picture("paper.img", paper, 104, 32);

    Raster caret(3, 24);
    caret.paint(Shape::rect(0, 0, 3, 24), Rgba::hex(0x283C78));
    folder.picture("caret.img", caret, 346, 324);
}

void StudioArt::garden(DemoFolder& folder)
{
    Raster raster(800, 600);
    Scenery::sky(raster, Rgba::hex(0x4A3A7A), Rgba::hex(0xF2A16B), 420);
    Scenery::stars(raster, 40, 160, 41);
    Scenery::glow(raster, 200, 380, 240, Rgba::hex(0xFFC98A, 0.5f));
    Scenery::hills(raster, 420, 60, 240, 42, Rgba::hex(0x6F7FA8), Rgba::hex(0x4F5F88));
    Scenery::hills(raster, 470, 50, 300, 43, Rgba::hex(0x4F8A45), Rgba::hex(0x264F22));
    // The owl's tree: a trunk up the right side and the branch it sits on.
    raster.paint(Shape::rect(690, 120, 740, 600, 10), Rgba::hex(0x4E3524));
    raster.paint(Shape::line({700, 310}, {kOwlX - 30, 304}, 9), Rgba::hex(0x4E3524));
    const Shape crown = Shape::disc(700, 80, 120).unite(Shape::disc(600, 40, 90));
    raster.paint(crown, [](float x, float y) { return Rgba::hex(0x2F5A33).shaded(0.25f * (Noise::fractal(x / 30, y / 30, 44, 3) - 0.5f)); });
    Scenery::meadow(raster, 470, 2, 45);
    folder.picture("garden.img", raster);
    hedgehog(folder);
    owl(folder);
}

void StudioArt::hedgehog(DemoFolder& folder)
{
    Animation animation(10);
    const int right0 = animation.frame(hedgehogFrame(1, 0), kHogX, kHogY);
    const int right1 = animation.frame(hedgehogFrame(1, 1), kHogX, kHogY);
    const int left0 = animation.frame(hedgehogFrame(-1, 0), kHogX, kHogY);
    const int left1 = animation.frame(hedgehogFrame(-1, 1), kHogX, kHogY);
    animation.event("RIGHT", {right0, right1, right0}, false);
    animation.event("LEFT", {left0, left1, left0}, false);
    folder.animation("hedgehog.ann", animation);
}

void StudioArt::owl(DemoFolder& folder)
{
    Animation animation(12);
    const auto frame = [&](float lids, float beak) { return animation.frame(owlFrame(lids, beak), kOwlX, kOwlY); };
    const int open = frame(0, 0);
    const int blink = frame(1, 0);
    const int half = frame(0, 0.5f);
    const int wide = frame(0, 1);
    const int sleepy = frame(0.4f, 0.6f);
    std::vector<int> idle(30, open);
    idle.insert(idle.end(), {blink, blink, open});
    animation.event("IDLE", idle, true);
    animation.event("START", {half, wide}, false);
    // The talking event: its name begins with a digit.
    animation.event("1TALK", {wide, half, open, half, wide, sleepy, half}, false);
    animation.event("END", {half, open}, false);
    folder.animation("owl.ann", animation);
}

void StudioArt::easel(DemoFolder& folder)
{
    Raster raster(800, 600);
    room(raster, 430, Rgba::hex(0x8C6A5B), Rgba::hex(0x7A5A40));
    // The easel's legs and the board on it, white where the canvas lies.
    raster.paint(Shape::line({300, 380}, {250, 560}, 8), kWood.shaded(-0.2f));
    raster.paint(Shape::line({500, 380}, {550, 560}, 8), kWood.shaded(-0.2f));
    raster.paint(Shape::line({400, 60}, {400, 540}, 8), kWood.shaded(-0.3f));
    raster.paint(Shape::rect(180, 398, 620, 414, 3), kWood);
    raster.paint(Shape::rect(186, 82, 614, 406, 4), kInk);
    raster.paint(Shape::rect(190, 86, 610, 402, 3), kWood.shaded(0.15f));
    raster.paint(Shape::rect(200, 96, 600, 396), Rgba::hex(0xFBF8F0));
    // The tray the board of stickers lies in, a hollow for each.
    raster.paint(Shape::rect(622, 94, 786, 330, 10), kInk);
    raster.paint(Shape::rect(626, 98, 782, 326, 8), kWood.shaded(0.1f));
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 2; ++column) {
            const float left = 632 + 72.0f * float(column);
            const float top = 104 + 72.0f * float(row);
            raster.paint(Shape::rect(left + 4, top + 4, left + 68, top + 68, 8), kWood.shaded(-0.25f));
        }
    // The shelf the pots stand on.
    raster.paint(Shape::rect(16, 520, 300, 534, 4), kWood.shaded(-0.1f));
    folder.picture("easel.img", raster);
    paints(folder);
}

void StudioArt::paints(DemoFolder& folder)
{
    for (int i = 0; i < 3; ++i) {
        const std::string number = std::to_string(i + 1);
        Animation pot(1);
        pot.event("POT", {pot.frame(potPicture(kPaints[i]), 38 + 90 * i, 452)}, false);
        folder.animation("pot" + number + ".ann", pot);
        Raster dab(kBrush, kBrush);
        dab.paint(Shape::disc(kMiddle, kMiddle, 16), kPaints[i].withAlpha(0.9f));
        dab.paint(Shape::disc(kMiddle - 4, kMiddle - 4, 6), kPaints[i].shaded(0.25f).withAlpha(0.8f));
        folder.picture("dot" + number + ".img", dab);
    }
    for (int i = 0; i < 6; ++i) {
        Raster sticker(kBrush, kBrush);
        const Shape shape = stickerShape(i);
        sticker.paint(shape.moved(2, 3), kInk.withAlpha(0.35f), 2);
        sticker.paint(shape, kInk, 1);
        sticker.paint(shape, [&](float x, float y) { return kStickers[i].shaded(0.3f - 0.5f * (x + y) / (2 * kBrush)); }, 1);
        folder.picture("stick" + std::to_string(i + 1) + ".img", sticker);
    }
    Raster ring(84, 90);
    const Shape band = Shape::rect(2, 2, 82, 88, 18).without(Shape::rect(7, 7, 77, 83, 14));
    ring.paint(band, Rgba::hex(0xFFF2A8));
    folder.picture("ring.img", ring, 28, 442);
}
