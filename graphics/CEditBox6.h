#pragma once

#include "graphics/CControlNotifier.h"
#include "graphics/CGraphicsRef.h"
#include "graphics/CKeyListener.h"
#include "graphics/CMouseListener.h"

#include "foundation/CTimerNotificator.h"
#include "foundation/CXObject.h"
#include "foundation/CXRect.h"
#include "foundation/CXString.h"

#include <memory>
#include <vector>

class CButton;
class CEditBoxNotifier;
class CEditBoxUnit;
class CGraphicsObject;
class CMultilineText6;
class CSimpleFont6;
class CWindow;

// A text entry field: a multi-line text drawn in a rectangle, a blinking cursor graphic, and the
// keys and characters the window hands its key listeners. The scene unit that makes the box gives
// it the keyboard focus; a click over the box asks the unit for it, a click elsewhere gives it up.
// Line breaks are stored as "|"; "<" and ">" are typed as "@" and "$", since the text shows
// mark-up. The length is bounded by the rectangle's width: a full line wraps after its last blank
// (or before its last character), or, with new lines disabled, takes no more characters. Escape,
// Enter, focus and typed changes are told to the notifiers; the script layer decides what follows.
// Main thread only.
class CEditBox6 : public CXObject,
                  public CKeyListener,
                  public CControlNotifier,
                  public CMouseListener,
                  public CTimerNotificator {
public:
    // The priority of edit boxes among the window's mouse listeners.
    static constexpr int listenerPriority = 100001;
    // How often the cursor blinks while the box has the focus.
    static constexpr unsigned blinkPeriodMs = 400;

    // The text goes on the window's screen at the priority; the box listens to the window's keys
    // and mouse. The window must not be null; the font may be (nothing is then measured or drawn),
    // and it is not owned: a box whose font is destroyed goes on without one.
    CEditBox6(CWindow* window, CEditBoxUnit* unit, CSimpleFont6* font, CXRect rect, int priority, const CXString& text);
    // Stops listening and blinking, tells the notifiers the focus is lost, takes the text off.
    ~CEditBox6() override;
    CEditBox6(const CEditBox6&) = delete;
    CEditBox6& operator=(const CEditBox6&) = delete;

    // Gaining the focus puts the cursor at the end and starts the blink; either way the notifiers
    // are told. Asking for the state the box is in changes nothing.
    void activate(bool on);
    // A disabled box takes no click, keys or characters; disabling a box with the focus takes it.
    void enable(bool enabled);
    // No notification; a cursor beyond the new text's end goes to its end.
    void setText(const CXString& text);
    CXString getText() const { return text_; }
    // The graphic drawn at the cursor and blinked (not owned; forgotten when it is destroyed).
    void setCursor(CGraphicsObject* cursor);
    // Within the text, then placed.
    void setCursorPos(int position);
    int getCursorPos() const { return cursorPos_; }
    void setVisibility(bool visible);
    void setColor(int color);
    void setPriority(int priority);
    CXRect getBoundingRect() const { return rect_; }
    void setRect(CXRect rect);
    // The rectangle moved to the point, its size kept.
    void setPosition(CXPoint point);
    void move(CXPoint delta);
    // Does nothing: the rectangle's width bounds the text.
    void setMaxLen(int) {}
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }
    bool isReadOnly() const { return readOnly_; }
    void setNewLineDisabled(bool disabled) { newLineDisabled_ = disabled; }
    bool isNewLineDisabled() const { return newLineDisabled_; }
    bool isActive() const { return active_; }
    bool isEnabled() const { return enabled_; }
    CEditBoxUnit* getUnit() const { return unit_; }
    CMultilineText6* getTextObject() const { return textObject_.get(); }
    CButton* getButton() const { return button_.get(); }
    // Turns false when the box is destroyed.
    std::shared_ptr<const bool> lifeToken() const { return alive_; }

    // A notifier is listed once.
    void addNotifier(CEditBoxNotifier* notifier);
    void removeNotifier(CEditBoxNotifier* notifier);
    // 1 focus on, 2 focus off, 3 changed, 4 Enter, 5 Escape.
    void notify(int kind);
    // The cursor graphic goes where the cursor stands in the text.
    void updateCursor();

    void onKeyDown(int key) override;
    void onChar(unsigned char ch) override;
    // A click outside the rectangle leaves no box with the focus; the click is never taken.
    bool onClick(CXPoint point) override;
    using CMouseListener::onClick;
    // The button was clicked and released over the box: the unit gives it the focus.
    void onControlAction(CControl* control, CXPoint point) override;
    // The blink.
    void onTimer(int id) override;

    enum Notification { FOCUS_ON = 1, FOCUS_OFF = 2, CHANGED = 3, ENTER = 4, ESC = 5 };

private:
    bool takesInput() const { return enabled_ && active_ && !readOnly_; }
    // The text object shows the text.
    void showText();
    void startBlink();
    void stopBlink();
    // Focus taken: blink stopped, notifiers told.
    void loseFocus();
    // The text with the character typed at the cursor, a line wrapped when it gets too wide.
    void type(char ch);
    int lineWidth(const CXString& line) const;
    CXPoint cursorPlace(bool& fits) const;
    CSimpleFont6* font() const;

    CWindow* window_;
    CEditBoxUnit* unit_;
    bool active_ = false;
    int cursorPos_ = 0;
    CGraphicsRef cursor_;
    CXRect rect_;
    CXString text_;
    std::unique_ptr<CButton> button_;
    CGraphicsRef font_;
    std::unique_ptr<CMultilineText6> textObject_;
    std::vector<CEditBoxNotifier*> notifiers_;
    bool readOnly_ = false;
    bool newLineDisabled_ = false;
    bool enabled_ = true;
    // The blink timer while the box has the focus; 0 when none runs.
    int timerId_ = 0;
    // Turns false when the box is destroyed: a notifier may delete the box it is told about.
    std::shared_ptr<bool> alive_;
};
