#include "PollerHarness.h"

#include "graphics/CKeyboard.h"
#include "platform/KeyCodes.h"

namespace graphicstest {
namespace {

namespace key = platform::key;

class KeyboardPollerTest : public PollerTest {
protected:
    void SetUp() override
    {
        PollerTest::SetUp();
        window->registerKeyListener(&keys);
    }
    void TearDown() override
    {
        window->removeKeyListener(&keys);
        PollerTest::TearDown();
    }

    // Key words: "+30" presses key 30, "-30" releases it; "shift", "alt" and "plain" set the
    // modifier keys. Returns what the key listener was told.
    std::string type(const std::string& steps)
    {
        run(steps, [this](const std::string& word) {
            if (word == "shift" || word == "alt" || word == "plain")
                input.setModifiers(word == "shift", word == "alt");
            else
                input.inject(platform::InputDevice::Keyboard,
                             {static_cast<uint32_t>(std::stoi(word.substr(1))), word[0] == '+' ? platform::kInputPressed : 0});
        });
        Log told;
        for (const std::string& entry : log)
            if (entry.starts_with("k."))
                told.push_back(entry.substr(2));
        log.clear();
        return joined(told);
    }

    CKeyboard& keyboard() { return *window->getKeyboardInterface(); }

    RecordingKeyListener keys{log, "k"};
};

TEST_F(KeyboardPollerTest, RecordsBecomeKeyDownsKeyUpsAndCharacters)
{
    struct Case {
        const char* what;
        bool autoRepeat;
        const char* steps;
        const char* told;
    };
    const Case cases[] = {
        {"a press is told down and typed", true, "+30 |", "down30 chara"},
        {"a held key repeats at every delivery", true, "+30 | +30 | | -30 |", "down30 chara down30 chara down30 chara up30"},
        {"without repeat a held key is told once", false, "+30 | | | -30 |", "down30 chara up30"},
        {"a tap within one poll is told down, up and typed", true, "+30 -30 |", "down30 up30 chara"},
        {"a tap within one poll without repeat", false, "+30 -30 |", "down30 up30 chara"},
        {"a double tap within one poll", true, "+30 -30 +30 -30 |", "down30 down30 up30 up30 chara chara"},
        {"a tap between throttled deliveries waits for the next", true, "+30 | -30 +48 |5 |", "down30 chara down48 up30 charb"},
        {"a release alone tells nothing", true, "-30 |", ""},
        {"deliveries closer than 10 ms wait and lose nothing", true, "+30 |9 |1", "down30 chara"},
        {"shift types capitals and signs", true, "shift +42 +30 +2 +3 +51 +52 +53 |", "down42 down30 down2 down3 down51 down52 down53 charA char! char2 char< char> char?"},
        {"shift is read at delivery", true, "+30 shift |", "down30 charA"},
        {"alt types Polish letters", true, "alt +30 +46 +44 +45 |", "down30 down46 down44 down45 char\xB9 char\xE6 char\xBF char\x9F"},
        {"keys without a character are only told", true, "+1 +28 +200 |", "down1 down28 down200"},
        {"a key held while the focus goes is released", true, "+30 | lost | back | | +31 |",
         "down30 chara up30 down31 chars"},
        {"records made without the focus are lost", true, "lost +30 | back | +30 | ", "down30 chara"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        keyboard().setAutoRepeat(c.autoRepeat);
        EXPECT_EQ(type(c.steps), c.told);
        // Every key up again before the next case.
        for (int k = 0; k < 256; ++k)
            input.inject(platform::InputDevice::Keyboard, {static_cast<uint32_t>(k), 0});
        input.setModifiers(false, false);
        type("| |");
        EXPECT_FALSE(keyboard().isAnyKeyPressed());
    }
}

TEST_F(KeyboardPollerTest, CzechAndHungarianTypeLettersOnlyAndSwapYAndZ)
{
    language.setLanguageFolder("0405");
    EXPECT_EQ(type("+21 +44 +2 +57 -21 -44 -2 -57 |"), "down21 down44 down2 down57 up21 up44 up2 up57 charz chary");
    language.setLanguageFolder("0415");
    EXPECT_EQ(type("+21 +2 |"), "down21 down2 chary char1");
    language.setLanguageFolder("040E");
    EXPECT_EQ(type("-21 -2 +44 |"), "down44 up21 up2 chary");
}

TEST_F(KeyboardPollerTest, KeysAreNamedByWordsOrByTheirFirstCharacter)
{
    EXPECT_FALSE(keyboard().isAnyKeyPressed());
    type("+30 +54 +157 +184 +203 +57 +11 +6 |");
    EXPECT_TRUE(keyboard().isAnyKeyPressed());
    struct Name {
        const char* name;
        bool pressed;
    };
    const Name names[] = {
        {"A", true}, {"Apple", true}, {"a", false}, {"B", false}, {"shift", true}, {"RSHIFT", true},
        {"lshift", false}, {"Ctrl", true}, {"rctrl", true}, {"lctrl", false}, {"alt", true}, {"ralt", true},
        {"lalt", false}, {"left", true}, {"right", false}, {"up", false}, {"down", false}, {"space", true},
        {" ", true}, {"0", true}, {"5", true}, {"1", false}, {"", false}, {"!", false}, {"\xB9", false},
    };
    for (const Name& n : names)
        EXPECT_EQ(keyboard().isKeyPressed(n.name), n.pressed) << '"' << n.name << '"';
    type("-30 |");
    EXPECT_FALSE(keyboard().isKeyPressed("A"));
}

TEST_F(KeyboardPollerTest, OnCharTypesTheCharacterOfAKeyAtOnce)
{
    keyboard().onChar(key::B);
    keyboard().onChar(key::F1);
    input.setModifiers(false, true);
    keyboard().onChar(key::L);
    EXPECT_EQ(joined(log), "k.charb k.char\xB3");
}

} // namespace
} // namespace graphicstest
