#pragma once

// The engine-host harness with a keyboard: key records go in through the headless input as the
// player's keyboard buffers them, and the window's keyboard poller turns them into key-downs and
// the characters of its own code page 1250 maps, one key a turn, so a test types exactly what a
// player types.
//
//   type("ab Left _ Shift+Tab < Alt+a")   a, b, Left, a blank, Shift+Tab, "<", then the Polish a

#include "application/GameHost.h"

#include "graphics/CKeyboardMap.h"
#include "platform/HeadlessInput.h"
#include "platform/KeyCodes.h"

#include <sstream>
#include <string>

namespace apptest {

class TypingHost : public GameHost {
protected:
    void SetUp() override
    {
        GameHost::SetUp();
        platform::setInput(&input);
    }
    void TearDown() override
    {
        GameHost::TearDown();
        platform::setInput(nullptr);
    }

    // Words: a key's name (Esc, Back, Tab, Enter, Home, Left, Right, End, Del), "<" and ">" (typed
    // with Shift), "_" (a blank), or letters; "Shift+" or "Alt+" before a word holds that key with
    // each of its keys.
    void type(const std::string& words)
    {
        std::istringstream read(words);
        for (std::string word; read >> word;)
            typeWord(word);
    }

    enum Held { NONE, SHIFT, ALT };
    // One key pressed and released within a turn, Shift or Alt held around it when asked.
    void press(int key, Held held = NONE)
    {
        const int modifier = held == SHIFT ? platform::key::LeftShift : platform::key::LeftAlt;
        if (held != NONE) {
            input.setModifiers(held == SHIFT, held == ALT);
            input.inject(platform::InputDevice::Keyboard, {uint32_t(modifier), platform::kInputPressed});
        }
        input.inject(platform::InputDevice::Keyboard, {uint32_t(key), platform::kInputPressed});
        input.inject(platform::InputDevice::Keyboard, {uint32_t(key), 0});
        turn();
        if (held != NONE) {
            input.setModifiers(false, false);
            input.inject(platform::InputDevice::Keyboard, {uint32_t(modifier), 0});
            turn();
        }
    }

    platform::HeadlessInput input;

private:
    void typeWord(const std::string& word)
    {
        namespace k = platform::key;
        struct Named {
            const char* name;
            int key;
        };
        static const Named named[] = {{"Esc", k::Escape}, {"Back", k::Backspace}, {"Tab", k::Tab}, {"Enter", k::Return},
                                      {"Home", k::Home},  {"Left", k::Left},      {"Right", k::Right}, {"End", k::End},
                                      {"Del", k::Delete}, {"<", k::Comma},        {">", k::Period},   {"_", k::Space}};
        Held held = NONE;
        std::string name = word;
        if (name.starts_with("Shift+") || name.starts_with("Alt+")) {
            held = name[0] == 'S' ? SHIFT : ALT;
            name = name.substr(name.find('+') + 1);
        }
        if (name == "<" || name == ">")
            held = SHIFT;
        for (const Named& key : named) {
            if (name == key.name) {
                press(key.key, held);
                return;
            }
        }
        for (char letter : name)
            press(CKeyboardMap::keyOfLetter(std::toupper(static_cast<unsigned char>(letter))), held);
    }
};

} // namespace apptest
