#pragma once

#include "PixelFont.h"

#include <utility>
#include <vector>

// The letters of the demo's fonts as dots, in code page 1250: the capitals, the small letters,
// the Polish letters of both cases, the digits and the marks texts need ("<" and ">" among them,
// and "l", whose width a blank takes). Every glyph is kGlyphWidth dots wide and kRows high: two
// rows for the capitals' accents, a gap, seven rows down to the line the letters stand on, and
// three for the tails below it.
class Alphabet {
public:
    static constexpr int kRows = 13;
    // The first row of a capital.
    static constexpr int kCapitalTop = 3;

    // Each letter with its glyph, in the order the fonts keep them.
    static std::vector<std::pair<unsigned char, PixelFont::Glyph>> letters();
    // The glyph thickened by a dot to the right, one column wider.
    static PixelFont::Glyph bold(const PixelFont::Glyph& glyph);
};
