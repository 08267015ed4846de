#include "foundation/CLanguageOSVer.h"
#include "graphics/CKeyboardMap.h"
#include "platform/KeyCodes.h"

#include <gtest/gtest.h>

namespace {

namespace key = platform::key;

struct Typed {
    int language;
    int key;
    bool shift;
    bool alt;
    int ch;
};

TEST(KeyboardMap, KeysTypeTheirCharactersInEachLayout)
{
    constexpr int polish = CLanguageOSVer::POLISH;
    constexpr int czech = CLanguageOSVer::CZECH;
    constexpr int hungarian = CLanguageOSVer::HUNGARIAN;
    const Typed cases[] = {
        {polish, key::A, false, false, 'a'},
        {polish, key::A, true, false, 'A'},
        {polish, key::M, false, false, 'm'},
        {polish, key::P, true, false, 'P'},
        {polish, key::L, false, false, 'l'},
        {polish, key::A, false, true, 0xB9},
        {polish, key::A, true, true, 0xA5},
        {polish, key::S, false, true, 0x9C},
        {polish, key::X, false, true, 0x9F},
        {polish, key::X, true, true, 0x8F},
        {polish, key::Z, false, true, 0xBF},
        {polish, key::O, true, true, 0xD3},
        {polish, key::B, false, true, 'b'},
        {polish, key::Digit1, false, false, '1'},
        {polish, key::Digit1, true, false, '!'},
        {polish, key::Digit2, true, false, '2'},
        {polish, key::Digit0, false, false, '0'},
        {polish, key::Pad7, false, false, '7'},
        {polish, key::Pad0, false, false, '0'},
        {polish, key::PadPlus, false, false, '+'},
        {polish, key::PadMinus, false, false, '-'},
        {polish, key::Comma, true, false, '<'},
        {polish, key::Period, true, false, '>'},
        {polish, key::Slash, true, false, '?'},
        {polish, key::Slash, false, false, '/'},
        {polish, key::Equals, true, false, '='},
        {polish, key::LeftBracket, false, false, '('},
        {polish, key::RightBracket, false, false, ')'},
        {polish, key::Space, false, false, ' '},
        {polish, key::Return, false, false, 0},
        {polish, key::Escape, false, false, 0},
        {polish, key::F1, false, false, 0},
        {polish, key::Semicolon, false, false, 0},
        {polish, 0, false, false, 0},
        {polish, 255, false, false, 0},
        {czech, key::Y, false, false, 'z'},
        {czech, key::Z, false, false, 'y'},
        {czech, key::Y, true, false, 'Z'},
        {czech, key::A, false, true, 'a'},
        {czech, key::Digit1, false, false, 0},
        {czech, key::Space, false, false, 0},
        {hungarian, key::Z, true, false, 'Y'},
        {hungarian, key::Comma, true, false, 0},
        {CLanguageOSVer::OTHER, key::Y, false, false, 'y'},
        {CLanguageOSVer::SLOVAK, key::A, false, true, 0xB9},
    };
    for (const Typed& c : cases) {
        const auto map = CKeyboardMap::forLanguage(c.language);
        EXPECT_EQ(map->charOf(c.key, c.shift, c.alt), c.ch)
            << "language " << c.language << " key " << c.key << " shift " << c.shift << " alt " << c.alt;
    }
}

} // namespace
