#pragma once

#include "Raster.h"

#include <string>
#include <vector>

// Letters of 5 x 7 dots, each dot a block of `scale` pixels joined to its neighbours into strokes
// with rounded ends: the capitals, the digits, the blank and a few marks. Other characters draw as
// blanks.
class PixelFont {
public:
    static constexpr int kGlyphWidth = 5;
    static constexpr int kGlyphHeight = 7;

    // A letter's dots, a text a row: "#" a dot, anything else none.
    using Glyph = std::vector<std::string>;

    // The letter's rows; none for a letter without a shape.
    static Glyph glyph(char letter);
    // Any glyph's dots at that scale with its top left corner at (x, y).
    static void drawGlyph(Raster& raster, const Glyph& glyph, float x, float y, int scale, const Shade& face);

    // Width in pixels of the text at that scale, a dot's gap between letters.
    static int width(const std::string& text, int scale);
    // The text with its top left corner at (x, y): an outline of `outline` pixels around each dot
    // first, then the dots in their shade.
    static void draw(Raster& raster, const std::string& text, float x, float y, int scale, const Shade& face, Rgba outlineColour,
                     float outline);
    // Dots shaded from `top` at the letters' top to `bottom` at their foot.
    static Shade gradient(float y, int scale, Rgba top, Rgba bottom);
};
