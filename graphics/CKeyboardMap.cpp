#include "graphics/CKeyboardMap.h"

#include "foundation/CLanguageOSVer.h"
#include "graphics/CQwertzKeyboardMap.h"
#include "platform/KeyCodes.h"

#include <cctype>
#include <string_view>

namespace {

namespace key = platform::key;

struct KeyChar {
    int key;
    char ch;
};

// Keys that type the same character whatever the case.
constexpr KeyChar signs[] = {
    {key::Digit1, '1'}, {key::Digit2, '2'}, {key::Digit3, '3'}, {key::Digit4, '4'}, {key::Digit5, '5'},
    {key::Digit6, '6'}, {key::Digit7, '7'}, {key::Digit8, '8'}, {key::Digit9, '9'}, {key::Digit0, '0'},
    {key::Pad1, '1'}, {key::Pad2, '2'}, {key::Pad3, '3'}, {key::Pad4, '4'}, {key::Pad5, '5'},
    {key::Pad6, '6'}, {key::Pad7, '7'}, {key::Pad8, '8'}, {key::Pad9, '9'}, {key::Pad0, '0'},
    {key::Minus, '-'}, {key::PadMinus, '-'}, {key::Equals, '='}, {key::LeftBracket, '('},
    {key::RightBracket, ')'}, {key::Comma, ','}, {key::Period, '.'}, {key::Slash, '/'},
    {key::Space, ' '}, {key::PadPlus, '+'},
};

// The letter rows run on in key codes.
struct LetterRow {
    int firstKey;
    std::string_view letters;
};

constexpr LetterRow letterRows[] = {
    {key::Q, "QWERTYUIOP"},
    {key::A, "ASDFGHJKL"},
    {key::Z, "ZXCVBNM"},
};

// The upper-case letter of a letter key, 0 for any other key.
int letterOf(int keyCode)
{
    for (const LetterRow& row : letterRows) {
        const int index = keyCode - row.firstKey;
        if (index >= 0 && index < static_cast<int>(row.letters.size()))
            return row.letters[index];
    }
    return 0;
}

int baseCharOf(int keyCode, bool shift)
{
    const int letter = letterOf(keyCode);
    if (letter != 0)
        return shift ? letter : std::tolower(letter);
    for (const KeyChar& sign : signs)
        if (sign.key == keyCode)
            return static_cast<unsigned char>(sign.ch);
    return 0;
}

int shiftedSign(int ch)
{
    switch (ch) {
    case ',': return '<';
    case '.': return '>';
    case '/': return '?';
    case '1': return '!';
    default: return ch;
    }
}

// Alt with a Latin letter types its Polish letter, as code page 1250 bytes.
struct AltLetter {
    char latin;
    unsigned char upper;
    unsigned char lower;
};

constexpr AltLetter polishLetters[] = {
    {'A', 0xA5, 0xB9}, {'C', 0xC6, 0xE6}, {'E', 0xCA, 0xEA}, {'L', 0xA3, 0xB3}, {'N', 0xD1, 0xF1},
    {'O', 0xD3, 0xF3}, {'S', 0x8C, 0x9C}, {'X', 0x8F, 0x9F}, {'Z', 0xAF, 0xBF},
};

} // namespace

std::unique_ptr<CKeyboardMap> CKeyboardMap::forLanguage(int language)
{
    if (language == CLanguageOSVer::CZECH || language == CLanguageOSVer::HUNGARIAN)
        return std::make_unique<CQwertzKeyboardMap>();
    return std::make_unique<CKeyboardMap>();
}

int CKeyboardMap::charOf(int keyCode, bool shift, bool alt) const
{
    int ch = baseCharOf(keyCode, shift);
    if (ch == 0)
        return 0;
    ch = translate(ch, alt, shift);
    if (shift)
        ch = shiftedSign(ch);
    return accepts(ch) ? ch : 0;
}

int CKeyboardMap::keyOfLetter(int letter)
{
    for (const LetterRow& row : letterRows) {
        const size_t index = row.letters.find(static_cast<char>(letter));
        if (letter > 0 && letter < 128 && index != std::string_view::npos)
            return row.firstKey + static_cast<int>(index);
    }
    return 0;
}

int CKeyboardMap::translate(int ch, bool alt, bool shift) const
{
    if (!alt)
        return ch;
    for (const AltLetter& letter : polishLetters) {
        if (ch == letter.latin)
            return letter.upper;
        if (ch == std::tolower(letter.latin))
            return letter.lower;
    }
    return ch;
}
