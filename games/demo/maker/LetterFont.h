#pragma once

class DemoFolder;

// The demo's fonts: for each style an animation whose frames are the letters of the alphabet,
// each position named by its letter, turned into a font file by the engine's own conversion.
// "letters.ann" gives "letters.fnt" (the style STANDARD) and "letters_bold.ann" gives
// "letters_bold.fnt" (BOLD).
class LetterFont {
public:
    // Dots are blocks of this many pixels.
    static constexpr int kScale = 2;

    static void make(DemoFolder& folder);

private:
    static void style(DemoFolder& folder, const char* name, bool bold);
};
