#include "Alphabet.h"

#include <map>
#include <string>

namespace {

using Glyph = PixelFont::Glyph;

// The small letters from the top of the tall ones down to the end of the tails: two rows above
// the small letters' height, five rows of it, three below.
const std::map<char, Glyph>& smallLetters()
{
    static const std::map<char, Glyph> table = {
        {'a', {".....", ".....", ".###.", "....#", ".####", "#...#", ".####", ".....", ".....", "....."}},
        {'b', {"#....", "#....", "####.", "#...#", "#...#", "#...#", "####.", ".....", ".....", "....."}},
        {'c', {".....", ".....", ".####", "#....", "#....", "#....", ".####", ".....", ".....", "....."}},
        {'d', {"....#", "....#", ".####", "#...#", "#...#", "#...#", ".####", ".....", ".....", "....."}},
        {'e', {".....", ".....", ".###.", "#...#", "#####", "#....", ".###.", ".....", ".....", "....."}},
        {'f', {"..##.", ".#...", "####.", ".#...", ".#...", ".#...", ".#...", ".....", ".....", "....."}},
        {'g', {".....", ".....", ".####", "#...#", "#...#", ".####", "....#", "....#", ".###.", "....."}},
        {'h', {"#....", "#....", "####.", "#...#", "#...#", "#...#", "#...#", ".....", ".....", "....."}},
        {'i', {"..#..", ".....", ".##..", "..#..", "..#..", "..#..", ".###.", ".....", ".....", "....."}},
        {'j', {"...#.", ".....", "..##.", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##..", "....."}},
        {'k', {"#....", "#....", "#..#.", "#.#..", "##...", "#.#..", "#..#.", ".....", ".....", "....."}},
        {'l', {".##..", "..#..", "..#..", "..#..", "..#..", "..#..", ".###.", ".....", ".....", "....."}},
        {'m', {".....", ".....", "##.#.", "#.#.#", "#.#.#", "#.#.#", "#...#", ".....", ".....", "....."}},
        {'n', {".....", ".....", "####.", "#...#", "#...#", "#...#", "#...#", ".....", ".....", "....."}},
        {'o', {".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###.", ".....", ".....", "....."}},
        {'p', {".....", ".....", "####.", "#...#", "#...#", "#...#", "####.", "#....", "#....", "....."}},
        {'q', {".....", ".....", ".####", "#...#", "#...#", "#...#", ".####", "....#", "....#", "....."}},
        {'r', {".....", ".....", "#.##.", "##..#", "#....", "#....", "#....", ".....", ".....", "....."}},
        {'s', {".....", ".....", ".####", "#....", ".###.", "....#", "####.", ".....", ".....", "....."}},
        {'t', {".#...", ".#...", "####.", ".#...", ".#...", ".#..#", "..##.", ".....", ".....", "....."}},
        {'u', {".....", ".....", "#...#", "#...#", "#...#", "#..##", ".##.#", ".....", ".....", "....."}},
        {'v', {".....", ".....", "#...#", "#...#", "#...#", ".#.#.", "..#..", ".....", ".....", "....."}},
        {'w', {".....", ".....", "#...#", "#...#", "#.#.#", "#.#.#", ".#.#.", ".....", ".....", "....."}},
        {'x', {".....", ".....", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", ".....", ".....", "....."}},
        {'y', {".....", ".....", "#...#", "#...#", "#...#", "#...#", ".####", "....#", ".###.", "....."}},
        {'z', {".....", ".....", "#####", "...#.", "..#..", ".#...", "#####", ".....", ".....", "....."}},
    };
    return table;
}

// Marks the capitals' table lacks, seven rows like a capital.
const std::map<char, Glyph>& marks()
{
    static const std::map<char, Glyph> table = {
        {'?', {".###.", "#...#", "....#", "...#.", "..#..", ".....", "..#.."}},
        {':', {".....", ".##..", ".##..", ".....", ".##..", ".##..", "....."}},
        {'(', {"...#.", "..#..", ".#...", ".#...", ".#...", "..#..", "...#."}},
        {')', {".#...", "..#..", "...#.", "...#.", "...#.", "..#..", ".#..."}},
        {'<', {"...#.", "..#..", ".#...", "#....", ".#...", "..#..", "...#."}},
        {'>', {".#...", "..#..", "...#.", "....#", "...#.", "..#..", ".#..."}},
        {'"', {".#.#.", ".#.#.", ".....", ".....", ".....", ".....", "....."}},
        {'/', {"....#", "...#.", "...#.", "..#..", ".#...", ".#...", "#...."}},
    };
    return table;
}

// The stroked L of both cases, which no accent makes.
const Glyph kStrokedCapitalL = {"#....", "#....", "#.#..", "##...", "#....", "#....", "#####"};
const Glyph kStrokedSmallL = {".##..", "..#..", "..#..", "..##.", ".##..", "..#..", ".###.", ".....", ".....", "....."};

enum class Accent { Acute, Dot, Ogonek };

// A glyph of kRows rows with the rows given from row `top` on.
Glyph placed(const Glyph& rows, int top)
{
    Glyph glyph(Alphabet::kRows, std::string(PixelFont::kGlyphWidth, '.'));
    for (size_t row = 0; row < rows.size() && top + int(row) < Alphabet::kRows; ++row)
        glyph[size_t(top) + row] = rows[row];
    return glyph;
}

// The accent above a letter whose top row is `top` (a gap row between them), or the ogonek
// hanging under its right foot.
Glyph accented(Glyph glyph, Accent accent, int top)
{
    switch (accent) {
    case Accent::Acute:
        glyph[size_t(top) - 3] = "...#.";
        glyph[size_t(top) - 2] = "..#..";
        break;
    case Accent::Dot:
        glyph[size_t(top) - 2] = "..#..";
        break;
    case Accent::Ogonek:
        glyph[10] = "...#.";
        glyph[11] = "....#";
        break;
    }
    return glyph;
}

} // namespace

std::vector<std::pair<unsigned char, PixelFont::Glyph>> Alphabet::letters()
{
    std::vector<std::pair<unsigned char, Glyph>> all;
    const auto capital = [](char letter) { return placed(PixelFont::glyph(letter), kCapitalTop); };
    const auto small = [](char letter) { return placed(smallLetters().at(letter), kCapitalTop); };
    // The small letters' own top: below the tall ones' two rows.
    const int smallTop = kCapitalTop + 2;
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        all.emplace_back(letter, capital(letter));
    for (char letter = 'a'; letter <= 'z'; ++letter)
        all.emplace_back(letter, small(letter));
    for (char letter = '0'; letter <= '9'; ++letter)
        all.emplace_back(letter, capital(letter));
    for (char letter : std::string(".,!-'"))
        all.emplace_back(letter, capital(letter));
    for (const auto& [letter, rows] : marks())
        all.emplace_back(letter, placed(rows, kCapitalTop));
    // The Polish letters: capital and small, their cp1250 codes and the letter they are made of.
    const struct {
        unsigned char capitalCode;
        unsigned char smallCode;
        char base;
        Accent accent;
    } polish[] = {
        {0xA5, 0xB9, 'a', Accent::Ogonek}, {0xC6, 0xE6, 'c', Accent::Acute}, {0xCA, 0xEA, 'e', Accent::Ogonek},
        {0xD1, 0xF1, 'n', Accent::Acute},  {0xD3, 0xF3, 'o', Accent::Acute}, {0x8C, 0x9C, 's', Accent::Acute},
        {0x8F, 0x9F, 'z', Accent::Acute},  {0xAF, 0xBF, 'z', Accent::Dot},
    };
    for (const auto& letter : polish) {
        all.emplace_back(letter.capitalCode, accented(capital(char(letter.base - 'a' + 'A')), letter.accent, kCapitalTop));
        all.emplace_back(letter.smallCode, accented(small(letter.base), letter.accent, smallTop));
    }
    all.emplace_back(0xA3, placed(kStrokedCapitalL, kCapitalTop));
    all.emplace_back(0xB3, placed(kStrokedSmallL, kCapitalTop));
    return all;
}

PixelFont::Glyph Alphabet::bold(const PixelFont::Glyph& glyph)
{
    Glyph thick;
    for (const std::string& row : glyph) {
        std::string wider = row + ".";
        for (size_t column = 0; column < row.size(); ++column)
            if (row[column] == '#')
                wider[column + 1] = '#';
        thick.push_back(wider);
    }
    return thick;
}
