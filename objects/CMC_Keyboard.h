#pragma once

#include "graphics/CKeyListener.h"
#include "script/CMC_Object.h"

#include <deque>

class CSignalList;
class CWindow;

// The KEYBOARD script object (type 101): key presses as signals. A key going down raises
// "ONKEYDOWN^" + its name ("ONKEYDOWN^SPACE"), or the plain "ONKEYDOWN" when no handler takes that
// form or the key has no name; going up the same with "ONKEYUP"; a character typed "ONCHAR^" +
// the character, else "ONCHAR". Nothing is raised while the object is disabled or while no
// handler was ever bound to the signal. Key state, repeat and characters are the window's
// keyboard's; this object only names keys.
//
// Its name is always "KEYBOARD", and handlers added to it join those already bound (a scene's
// KEYBOARD element adds its handlers to the one object). It listens to the window's keys from
// construction to destruction.
class CMC_Keyboard : public CMC_Object, public CKeyListener {
public:
    // The latest-keys queue keeps at most this many names: the oldest go first.
    static constexpr size_t kLatestKeysKept = 256;

    // "ONINIT", "ONDONE", "ONSIGNAL", "ONCHAR", "ONKEYDOWN", "ONKEYUP".
    static const CSignalList& signalList();
    // The name of a key code: "ESC", "A", "F1", "LEFT" ...; numeric-pad digits are named as the
    // main row's. The empty text for keys without a name.
    static CXString getKeySignal(int key);

    explicit CMC_Keyboard(CMC_ObjectsContainer* container);
    CMC_Keyboard(CMC_ObjectsContainer* container, CMElement* element);
    ~CMC_Keyboard() override;

    CXString** getBehavioursList() override;

    void onKeyUp(int key) override;
    void onKeyDown(int key) override;
    void onChar(unsigned char ch) override;

    bool isEnabled() const { return enabled_; }
    void enable() { enabled_ = true; }
    void disable() { enabled_ = false; }
    // The name of the last key that raised a key signal, or the last character that raised
    // ONCHAR.
    CXString getLatestKey() const { return latestKey_; }
    // The name of every named key that went down while the object was enabled, oldest first,
    // until GETLATESTKEYS takes them.
    std::deque<CXString>& getLatestKeys() { return latestKeys_; }
    CWindow* getWindow() const { return window_; }

private:
    // A key signal with the key's name.
    void raiseKey(int signalIndex, const char* signal, int key);

    CWindow* window_;
    CXString latestKey_;
    bool enabled_ = true;
    std::deque<CXString> latestKeys_;
};
