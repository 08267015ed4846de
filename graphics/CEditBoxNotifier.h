#pragma once

class CEditBox6;

// Hears what happens in an edit box: it gains or loses the keyboard focus, its text is changed by
// typing, Enter or Escape is pressed in it. The defaults do nothing. A notifier leaves every box it
// listens to before it is destroyed.
class CEditBoxNotifier {
public:
    virtual ~CEditBoxNotifier() = default;

    virtual void onFocusOn(CEditBox6* box) {}
    virtual void onFocusOff(CEditBox6* box) {}
    virtual void onChanged(CEditBox6* box) {}
    virtual void onEnter(CEditBox6* box) {}
    virtual void onEsc(CEditBox6* box) {}
};
