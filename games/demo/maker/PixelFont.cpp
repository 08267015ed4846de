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

// Calls `dot` with the box of every dot of a glyph whose top left corner is at (left, top), each
// reaching halfway into the dots beside it, so that the strokes join into one.
template <class Dot>
void forEachGlyphDot(const PixelFont::Glyph& glyph, float left, float top, int scale, Dot dot)
{
    const float size = float(scale);
    const auto on = [&](int row, int column) {
        return row >= 0 && row < int(glyph.size()) && column >= 0 && column < int(glyph[size_t(row)].size()) &&
               glyph[size_t(row)][size_t(column)] == '#';
    };
    for (int row = 0; row < int(glyph.size()); ++row) {
        for (int column = 0; column < int(glyph[size_t(row)].size()); ++column) {
            if (!on(row, column))
                continue;
            const float dotLeft = left + float(column) * size;
            const float dotTop = top + float(row) * size;
            dot(Box{dotLeft - (on(row, column - 1) ? size / 2 : 0), dotTop - (on(row - 1, column) ? size / 2 : 0),
                    dotLeft + size + (on(row, column + 1) ? size / 2 : 0), dotTop + size + (on(row + 1, column) ? size / 2 : 0)});
        }
    }
}

// The same for every letter of the text.
template <class Dot>
void forEachDot(const std::string& text, float x, float y, int scale, Dot dot)
{
    for (size_t i = 0; i < text.size(); ++i) {
        const PixelFont::Glyph glyph = PixelFont::glyph(text[i]);
        forEachGlyphDot(glyph, x + float(i) * float((PixelFont::kGlyphWidth + 1) * scale), y, scale, dot);
    }
}

void paintDot(Raster& raster, Box box, float corner, const Shade& face)
{
    raster.paint(Shape::rect(box.left, box.top, box.right, box.bottom, corner), face);
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
    forEachDot(text, x, y, scale, [&](Box box) { paintDot(raster, box, corner, face); });
}

PixelFont::Glyph PixelFont::glyph(char letter)
{
    const auto found = glyphs().find(letter);
    return found != glyphs().end() ? Glyph(found->second.begin(), found->second.end()) : Glyph();
}

void PixelFont::drawGlyph(Raster& raster, const Glyph& glyph, float x, float y, int scale, const Shade& face)
{
    const float corner = float(scale) * 0.3f;
    forEachGlyphDot(glyph, x, y, scale, [&](Box box) { paintDot(raster, box, corner, face); });
}

Shade PixelFont::gradient(float y, int scale, Rgba top, Rgba bottom)
{
    const float height = float(kGlyphHeight * scale);
    return [=](float, float py) { return Rgba::mix(top, bottom, (py - y) / height); };
}
