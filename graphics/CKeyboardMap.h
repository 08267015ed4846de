#pragma once

#include <memory>

// Turns a key code into the character it types: the letters, digits and a few signs of the main
// block and the keypad, lower case unless Shift is down, then the layout's own translation, a few
// shifted signs, and the layout's filter. The default layout types the Polish letters with Alt.
// Characters are code page 1250 bytes.
class CKeyboardMap {
public:
    virtual ~CKeyboardMap() = default;

    // The layout for a language of CLanguageOSVer: QWERTZ for Czech and Hungarian, else the default.
    static std::unique_ptr<CKeyboardMap> forLanguage(int language);

    // The character of the key with these modifiers; 0 when it types none or the filter refuses it.
    int charOf(int key, bool shift, bool alt) const;
    // The key of an upper-case letter A to Z on the default layout; 0 for any other character.
    static int keyOfLetter(int letter);

protected:
    virtual int translate(int ch, bool alt, bool shift) const;
    virtual bool accepts(int ch) const { return true; }
};
