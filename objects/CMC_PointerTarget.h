#pragma once

#include "graphics/CMouseListener.h"
#include "objects/CSignalList.h"
#include "script/CMC_Object.h"

class CWindow;

// A script object that takes the mouse through a listener of its own on the window (ANIMO, IMAGE,
// the canvas and pattern types): one policy for where the pointer hits, focus on and off, presses
// and releases, the signals they raise and the cursor they switch.
//
// The listener is registered lazily, once a behaviour is bound to a signal starting with
// "ONCLICK" or "ONRELEASE", or to exactly "ONFOCUSON" or "ONFOCUSOFF", and stays until the object
// is destroyed. With asButton off nothing happens. A pointer entering or leaving the hit
// rectangle of a shown object raises "ONFOCUSON" or "ONFOCUSOFF" (plain forms) while one of them
// is bound; a press inside raises "ONCLICK^" + the button's name (CMC_Mouse::getButton), else
// "ONCLICK", and is taken; a release inside raises "ONRELEASE" the same way. The cursor turns
// active on entering and back on leaving and pressing, when switchCursor is on.
//
// A type gives its signal list, its hit rectangle and whether it is shown, and its rules; its
// engine object may act on the way (an animation plays its own events) before and after the
// signals.
class CMC_PointerTarget : public CMC_Object, public CMouseListener {
public:
    // How a type's handlers differ.
    struct PointerRules {
        // Nothing happens for a move or press unless its signal is bound (an animation plays its
        // own events without them).
        bool needsBoundSignals = true;
        // A release inside is taken: the listeners below do not see it.
        bool takesRelease = false;
        // Nothing happens while the window is paused.
        bool heldByPause = false;
    };

    ~CMC_PointerTarget() override;

    CXString** getBehavioursList() override;
    // Always true; a pointer signal registers the listener (see the class comment).
    bool verifyBehaviour(const CXString& signal) override;
    // Never takes the move.
    bool onMouseMove(CXPoint point) override;
    bool onClick(int button, CXPoint point) override;
    bool onRelease(int button, CXPoint point) override;

    bool isListening() const { return listening_; }
    bool isFocused() const { return focused_; }
    bool isAsButton() const { return asButton_; }
    bool switchesCursor() const { return switchCursor_; }

protected:
    enum class Pointer { Enter, Leave, Press };

    // An object to be loaded from the scene archive, or a clone: no definition.
    CMC_PointerTarget(CMC_ObjectsContainer* container, const CXString& name, int type, PointerRules rules);
    // An object of a definition element; its type reads the properties.
    CMC_PointerTarget(CMC_ObjectsContainer* container, CMElement* element, int type, PointerRules rules);

    // The type's signals, in the order of its behaviours list.
    virtual const CSignalList& signals() const = 0;
    // Whether a behaviour was ever bound to the signal.
    bool isBound(const char* signal) const;
    // The rectangle the pointer hits, in window coordinates.
    virtual CXRect hitRect() = 0;
    virtual bool isShown() = 0;
    // The priority of the listener among the window's.
    virtual int listenerPriority() { return 0; }
    // The engine object's part before the signal of an entry, leave or press (nothing here),
    // and after it (the cursor switch here).
    virtual void beforePointerSignal(Pointer event) {}
    virtual void afterPointerSignal(Pointer event);
    // Active cursor on entering, back to the main one on leaving and pressing; only with
    // switchCursor.
    void switchCursor(Pointer event);

    CWindow* window() const { return window_; }
    // A listening object whose priority changed listens at the new one.
    void listenAgain();

    bool focused_ = false;
    bool asButton_ = false;
    bool switchCursor_ = true;

private:
    bool acceptsPointer();
    bool focusTracked() const;
    void changeFocus(Pointer event, bool tracked);

    CWindow* window_;
    PointerRules rules_;
    bool listening_ = false;
};
