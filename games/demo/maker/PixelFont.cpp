#include "PixelFont.h"

#include "Raster.h"
#include "Shape.h"

#include <array>
#include <map>

namespace {

using Rows = std::array<const char*, PixelFont::kGlyphHeight>;

const std::map<char, Rows>& glyphs()
{
    static const std::map<char, Rows> table = {
        {'A', {{".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}}},
        {'B', {{"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."}}},
        {'C', {{".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}}},
        {'D', {{"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}}},
        {'E', {{"#####", "#....", "#....", "####.", "#....", "#....", "#####"}}},
        {'F', {{"#####", "#....", "#....", "####.", "#....", "#....", "#...."}}},
        {'G', {{".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"}}},
        {'H', {{"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}}},
        {'I', {{".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}}},
        {'J', {{"..###", "...#.", "...#.", "...#.", "#..#.", "#..#.", ".##.."}}},
        {'K', {{"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}}},
        {'L', {{"#....", "#....", "#....", "#....", "#....", "#....", "#####"}}},
        {'M', {{"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}}},
        {'N', {{"#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"}}},
        {'O', {{".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}}},
        {'P', {{"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}}},
        {'Q', {{".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"}}},
        {'R', {{"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}}},
        {'S', {{".####", "#....", "#....", ".###.", "....#", "....#", "####."}}},
        {'T', {{"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}}},
        {'U', {{"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}}},
        {'V', {{"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."}}},
        {'W', {{"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", ".#.#."}}},
        {'X', {{"#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"}}},
        {'Y', {{"#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."}}},
        {'Z', {{"#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"}}},
        {'0', {{".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}}},
        {'1', {{"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}}},
        {'2', {{".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}}},
        {'3', {{"#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."}}},
        {'4', {{"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}}},
        {'5', {{"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}}},
        {'6', {{"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."}}},
        {'7', {{"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."}}},
        {'8', {{".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}}},
        {'9', {{".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."}}},
        {'.', {{".....", ".....", ".....", ".....", ".....", ".##..", ".##.."}}},
        {',', {{".....", ".....", ".....", ".....", ".##..", "..#..", ".#..."}}},
        {'!', {{"..#..", "..#..", "..#..", "..#..", "..#..", ".....", "..#.."}}},
        {'-', {{".....", ".....", ".....", ".###.", ".....", ".....", "....."}}},
        {'\'', {{"..#..", "..#..", ".#...", ".....", ".....", ".....", "....."}}},
    };
    return table;
}

// Calls `dot` with the box of every dot of the text, each reaching halfway into the dots beside
// it, so that a letter's strokes join into one.
template <class Dot>
void forEachDot(const std::string& text, float x, float y, int scale, Dot dot)
{
    const float size = float(scale);
    for (size_t i = 0; i < text.size(); ++i) {
        const float left = x + float(i) * float((PixelFont::kGlyphWidth + 1) * scale);
        const auto found = glyphs().find(text[i]);
        if (found == glyphs().end())
            continue;
        const Rows& rows = found->second;
        const auto on = [&](int row, int column) {
            return row >= 0 && row < PixelFont::kGlyphHeight && column >= 0 && column < PixelFont::kGlyphWidth && rows[size_t(row)][column] == '#';
        };
        for (int row = 0; row < PixelFont::kGlyphHeight; ++row) {
            for (int column = 0; column < PixelFont::kGlyphWidth; ++column) {
                if (!on(row, column))
                    continue;
                const float dotLeft = left + float(column) * size;
                const float dotTop = y + float(row) * size;
                dot(Box{dotLeft - (on(row, column - 1) ? size / 2 : 0), dotTop - (on(row - 1, column) ? size / 2 : 0),
                        dotLeft + size + (on(row, column + 1) ? size / 2 : 0), dotTop + size + (on(row + 1, column) ? size / 2 : 0)});
            }
        }
    }
}

} // namespace

int PixelFont::width(const std::string& text, int scale)
{
    return text.empty() ? 0 : int(text.size()) * (kGlyphWidth + 1) * scale - scale;
}

void PixelFont::draw(Raster& raster, const std::string& text, float x, float y, int scale, const Shade& face, Rgba outlineColour,
                     float outline)
{
    const float size = float(scale);
    const float corner = size * 0.3f;
    if (outline > 0)
        forEachDot(text, x, y, scale, [&](Box box) {
            raster.paint(Shape::rect(box.left - outline, box.top - outline, box.right + outline, box.bottom + outline, corner + outline),
                         outlineColour);
        });
    forEachDot(text, x, y, scale, [&](Box box) { raster.paint(Shape::rect(box.left, box.top, box.right, box.bottom, corner), face); });
}

Shade PixelFont::gradient(float y, int scale, Rgba top, Rgba bottom)
{
    const float height = float(kGlyphHeight * scale);
    return [=](float, float py) { return Rgba::mix(top, bottom, (py - y) / height); };
}
