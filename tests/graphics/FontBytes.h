#pragma once

// Font files built field by field from the layout: head, letters, kerning table, margins and the
// two planes. Letters are drawn as rows of text: '#' opaque ink, '+' half ink, anything else
// nothing. The colour plane holds a colour of its own per cell, so a test sees which cell drew.

#include "PixelBytes.h"

#include <cstdint>
#include <string>
#include <vector>

namespace graphicstest {

struct FontLetter {
    char letter;
    std::vector<std::string> rows;
    int left;
    int right;
};

struct FontFile {
    std::string magic = std::string("FNT", 4);
    int cellWidth = 0;
    int height = 0;
    int bpp = 16;
    std::vector<FontLetter> letters;
    // Kerning by (letter before, letter): every other pair is 0.
    std::vector<std::pair<std::pair<char, char>, int>> kerning;

    int count() const { return int(letters.size()); }
    int width() const { return cellWidth * count(); }
    static uint16_t cellColour(int cell) { return uint16_t(0x1111 * (cell + 1)); }
    static uint8_t alphaOf(char c) { return c == '#' ? 255 : c == '+' ? 128 : 0; }

    int kerningOf(char before, char letter) const
    {
        for (const auto& [pair, value] : kerning) {
            if (pair.first == before && pair.second == letter)
                return value;
        }
        return 0;
    }

    Bytes bytes() const
    {
        ByteBuilder out;
        out.text(magic).u32(uint32_t(width())).u32(uint32_t(height)).u32(uint32_t(bpp)).u32(uint32_t(count()));
        for (const FontLetter& l : letters)
            out.u8(uint8_t(l.letter));
        for (const FontLetter& before : letters) {
            for (const FontLetter& l : letters)
                out.u8(uint8_t(int8_t(kerningOf(before.letter, l.letter))));
        }
        for (const FontLetter& l : letters)
            out.u8(uint8_t(int8_t(l.left)));
        for (const FontLetter& l : letters)
            out.u8(uint8_t(int8_t(l.right)));
        for (int y = 0; y < height; ++y) {
            for (int cell = 0; cell < count(); ++cell) {
                for (int x = 0; x < cellWidth; ++x)
                    out.u16(cellColour(cell));
            }
        }
        for (int y = 0; y < height; ++y) {
            for (const FontLetter& l : letters) {
                for (int x = 0; x < cellWidth; ++x)
                    out.u8(alphaOf(l.rows[size_t(y)][size_t(x)]));
            }
        }
        return out.bytes;
    }
};

// Every letter a to z (and "_", "<", ">") a solid block `ink` columns wide with one empty
// column on each side and no kerning; ink in the first `inkRows` rows, none below.
inline FontFile blockFont(int ink, int height, int inkRows)
{
    FontFile font;
    font.cellWidth = ink + 2;
    font.height = height;
    std::vector<std::string> rows(size_t(height), std::string(size_t(ink) + 2, '.'));
    std::string inked(size_t(ink) + 2, '#');
    inked.front() = inked.back() = '.';
    for (int y = 0; y < inkRows; ++y)
        rows[size_t(y)] = inked;
    for (char c : std::string("abcdefghijklmnopqrstuvwxyz_<>"))
        font.letters.push_back({c, rows, 1, 1});
    return font;
}

// Four letters of 6 x 5: "<", ">", "l" and the Polish "ł" (0xB3 in code page 1250), with
// kerning for a few pairs.
inline FontFile sampleFont()
{
    FontFile font;
    font.cellWidth = 6;
    font.height = 5;
    font.letters = {
        {'<', {"...#..", "..#...", ".#....", "..#...", "...#.."}, 1, 2},
        {'>', {".#....", "..#...", "...#..", "..#...", ".#...."}, 1, 2},
        {'l', {"..#...", "..#...", "..#...", "..#...", "..##.."}, 2, 2},
        {'\xB3', {"...#..", "...##.", "..##..", "...#..", "...##."}, 2, 1},
    };
    font.kerning = {{{'<', 'l'}, 1}, {{'l', 'l'}, -2}, {{'>', '\xB3'}, 3}, {{'\xB3', '<'}, -1}};
    return font;
}

} // namespace graphicstest
