#pragma once

#include "foundation/CXPoint.h"
#include "foundation/CXRect.h"
#include "graphics/CMouseListener.h"
#include "script/CMC_Object.h"

class CSignalList;
class CWindow;

// The MOUSE script object (type 100): the pointer for scripts. It listens to every mouse event
// of the window (at a fixed priority, taking none of them) and raises "ONMOVE", "ONCLICK^" + the
// button's name then "ONCLICK", "ONRELEASE^" + the name then "ONRELEASE", and "ONDBLCLICK". It
// keeps the pointer's position and that of the last left press, warps the pointer, switches,
// hides and shows the cursor, and confines the pointer to a rectangle.
//
// Gates: nothing is raised while the object is disabled or no handler was ever bound to the
// signal; the signals switch stops presses, releases and double clicks but not moves; with an
// active rectangle only events inside it raise anything (a left press outside still counts as
// the last click). Handlers added to it join those already bound.
//
// The confinement is the class's, not an object's: it outlives the object, is let go while the
// application is inactive and taken up again when it comes back, and ends when a scene unloads.
class CMC_Mouse : public CMC_Object, public CMouseListener {
public:
    // The priority of the object among the window's mouse listeners.
    static constexpr int kListenerPriority = 100002;

    // "ONINIT", "ONDONE", "ONSIGNAL", "ONMOVE", "ONCLICK", "ONRELEASE", "ONDBLCLICK".
    static const CSignalList& signalList();
    // The button names of the signals: 0 "LEFT", 1 "MIDDLE", 2 "RIGHT", any other the empty text.
    static CXString getButton(int button);
    // Makes the window's focus changes and scene unloads reach the confinement.
    static void installWindowLink();

    // Named "MOUSE", to be restored from the scene archive or made by CREATE.
    explicit CMC_Mouse(CMC_ObjectsContainer* container);
    CMC_Mouse(CMC_ObjectsContainer* container, CMElement* element);
    ~CMC_Mouse() override;

    CXString** getBehavioursList() override;

    using CMouseListener::onMouseMove;
    bool onMouseMove(CXPoint point) override;
    bool onClick(int button, CXPoint point) override;
    bool onRelease(int button, CXPoint point) override;
    bool onDblClick(CXPoint point) override;

    // A move to the point, or by it from the position when relative.
    virtual void onMouseMove(CXPoint point, bool relative);
    // Confines the pointer to the rectangle of the game's screen.
    virtual void setClipRect(int x1, int y1, int x2, int y2);
    // Only events inside the rectangle raise signals; the empty rectangle lifts that.
    virtual void setActiveRect(CXRect rect) { activeRect_ = rect; }

    void show();
    void hide();
    void enable();
    void disable();
    void enableSignals(bool enabled) { signalsEnabled_ = enabled; }
    // "ARROW", "WAIT" and "ACTIVE" cursors; other words change nothing.
    void set(const CXString& shape);
    // 1, 2 and 3 as "ARROW", "WAIT" and "ACTIVE".
    void set(int shape);
    // Warps the pointer to the point of the screen, which becomes the position.
    void setPosition(int x, int y);
    // Warps the pointer by the distance from the position.
    void move(CXPoint distance);
    int getPosX() const { return position_.x; }
    int getPosY() const { return position_.y; }
    int getLastClickPosX() const { return lastClick_.x; }
    int getLastClickPosY() const { return lastClick_.y; }
    CWindow* getWindow() const { return window_; }

    // Confines the window's pointer again as the class had it, or frees it.
    static void restore(CWindow* window);
    // Frees the window's pointer; `clear` also forgets the confinement.
    static void reset(CWindow* window, bool clear);
    // The confinement in screen coordinates; empty while none.
    static CXRect getClipRect() { return clipRect; }

private:
    enum Signal { ONMOVE = 3, ONCLICK = 4, ONRELEASE = 5, ONDBLCLICK = 6 };

    // Name only: both constructors end here.
    CMC_Mouse(CMC_ObjectsContainer* container, const CXString& name);
    bool isOutside(CXPoint point) const;
    // A press, release or double click may raise its signal.
    bool raisesButton(int signal, CXPoint point) const;

    CWindow* window_;
    bool enabled_ = true;
    bool signalsEnabled_ = true;
    CXPoint position_;
    CXPoint lastClick_;
    bool shown_ = true;
    CXRect activeRect_;

    static CXRect clipRect;
};
