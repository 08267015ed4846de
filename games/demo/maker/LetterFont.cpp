#include "LetterFont.h"

#include "Alphabet.h"
#include "Animation.h"
#include "DemoFolder.h"
#include "Raster.h"

#include <string>

void LetterFont::make(DemoFolder& folder)
{
    style(folder, "letters", false);
    style(folder, "letters_bold", true);
}

void LetterFont::style(DemoFolder& folder, const char* name, bool bold)
{
    // Every frame has the same size, with a clear pixel round it: the conversion never takes a
    // frame's border for ink. Only the shapes count; the font's colour is given when it draws.
    const int columns = PixelFont::kGlyphWidth + (bold ? 1 : 0);
    Animation animation(1, Animation::Frames::Whole);
    std::vector<int> frames;
    std::vector<std::string> names;
    for (const auto& [letter, glyph] : Alphabet::letters()) {
        Raster raster(columns * kScale + 2, Alphabet::kRows * kScale + 2);
        PixelFont::drawGlyph(raster, bold ? Alphabet::bold(glyph) : glyph, 1, 1, kScale, [](float, float) { return Rgba::hex(0xFFFFFF); });
        frames.push_back(animation.frame(raster, 0, 0));
        names.emplace_back(1, char(letter));
    }
    animation.event("LETTERS", frames, false, names);
    folder.font(name, animation);
}
