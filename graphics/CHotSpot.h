#pragma once

#include "foundation/CXObject.h"
#include "foundation/CXPoint.h"
#include "foundation/CXRect.h"
#include "graphics/CWindow.h"

#include <memory>
#include <vector>

class CGraphicsObject;
class CMC_Button;
class CScreenUnit;

// A mouse-sensitive area: a rectangle, or the pixels of a graphics object. Every live hot spot
// stands in one registry of the process, which the window asks before its mouse listeners: the
// enabled spot under the point with the highest priority (the earliest made among equals) takes a
// move or a left-button event, and spots left behind by a move are told so. A spot's handlers
// answer more than 0 when they take the event; the base takes nothing. Main thread only.
class CHotSpot : public CXObject {
public:
    // The mouse event codes the window hands over.
    using _event = CWindow::MouseEvent;
    // The priority band that reacts unless a scene narrows it.
    static constexpr int defaultMinPriority = 0;
    static constexpr int defaultMaxPriority = 10000000;

    // A spot made after a prototype stays out of the registry until it is added. The event, the
    // number and the script button are kept for the owner only.
    CHotSpot(CWindow* window, CHotSpot* prototype, _event event, int number, CMC_Button* button);
    explicit CHotSpot(CWindow* window);
    CHotSpot(CWindow* window, _event event, int number);
    ~CHotSpot() override;
    CHotSpot(const CHotSpot&) = delete;
    CHotSpot& operator=(const CHotSpot&) = delete;

    // The registry; both answer true.
    static bool add(CHotSpot* spot);
    static bool remove(CHotSpot* spot);
    // Makes the registry and records its window, unless they exist.
    static void initialize(CWindow* window);
    // Forgets the registry and its window: spots destroyed later leave it alone.
    static void done();
    // done(), and the priority band back to its default (tests).
    static void resetStatics();

    // The area becomes the object's pixels (the flag goes to its hit test), or the rectangle.
    int Set(CGraphicsObject* graphics, bool alpha);
    int SetActiveRect(CXRect rect, _event event, int number);
    int Set(int, int, int) { return 0; }
    // False while disabled; the rectangle when it has a width and a height, else the object's
    // pixels, else nothing.
    bool TestHit(CXPoint point) const;
    // Disabling a spot the mouse is not over gives the window its main cursor back.
    void Enable(bool enabled);
    bool IsEnabled() const { return enabled_; }
    void EnableCursor(bool cursor) { cursor_ = cursor; }
    bool isInside() const { return inside_; }

    void SetParent(CXObject* parent) { parent_ = parent; }
    void* GetParent() const { return parent_; }
    int GetID() const { return id_; }
    void SetID(int id) { id_ = id; }
    void setUnit(CScreenUnit* unit) { unit_ = unit; }
    CScreenUnit* getUnit() const { return unit_; }
    void setMCButton(CMC_Button* button) { button_ = button; }
    CMC_Button* getMCButton() const { return button_; }
    CGraphicsObject* getGraphics() const { return graphics_; }
    CXRect getActiveRect() const { return rect_; }

    // The handlers the registry calls, each with the spot's parent.
    virtual int OnMouseMove(CXPoint point, int flags, void* parent) { return 0; }
    virtual int OnLButtonDown(CXPoint point, int flags, void* parent) { return 0; }
    virtual int OnLButtonUp(CXPoint point, int flags, void* parent) { return 0; }
    virtual int OnRButtonDown(CXPoint point, int flags, void* parent) { return 0; }
    virtual int OnRButtonUp(CXPoint point, int flags, void* parent) { return 0; }
    virtual int OnMButtonDown(CXPoint point, int flags, void* parent) { return 0; }
    virtual int OnMButtonUp(CXPoint point, int flags, void* parent) { return 0; }
    virtual int OnLButtonDblClk(CXPoint point, int flags, void* parent) { return 0; }
    virtual int OnKeyUp(int key, int data, void* parent) { return 0; }
    virtual int OnKeyDown(int key, int data, void* parent) { return 0; }
    virtual int OnChar(int ch, int data, void* parent) { return 0; }
    // With a graphics object, the object's priority on the window's screen; else the one set.
    virtual int getPriority();
    virtual void setPriority(int priority) { priority_ = priority; }
    virtual int OnDrag(CXPoint point, int flags, void* parent) { return 0; }
    virtual int OnFocusOn(CXPoint point, int flags, void* parent) { return 0; }
    virtual int OnFocusOff(CXPoint point, int flags, void* parent) { return 0; }
    virtual int OnKeyTyped(int key, void* parent) { return 0; }

    // Only spots whose priority lies in the band (both ends included) take moves and left-button
    // events.
    static void setMinPriority(int priority) { minPriority_ = priority; }
    static void setMaxPriority(int priority) { maxPriority_ = priority; }
    static int getMinPriority() { return minPriority_; }
    static int getMaxPriority() { return maxPriority_; }

    // The spot that takes an event at the point: hit, enabled, its unit (if any) active, its
    // priority in the band and not below 0; the highest priority, the earliest in the list among
    // equals. Null when none.
    static CHotSpot* findAt(const std::vector<CHotSpot*>& list, CXPoint point);
    // The window's entry: moves and left-button events go to the spot found, a right press to every
    // spot hit until one takes it; the other events reach no spot. The answer of the spot told.
    static int OnMouseEvent(int event, CXPoint point, int flags);
    // The pointer at the point, as a move there would tell this spot alone: it enters when it is
    // the spot a move would find there, and leaves when it is no longer hit. The answer of the
    // handler told; 0 when nothing changed.
    int synchronize(CXPoint point);
    // Keys reach no spot.
    static int OnKeyUp(int key, int data) { return 0; }
    static int OnKeyDown(int key, int data) { return 0; }
    static int OnChar(int ch, int data) { return 0; }

private:
    void registerIn(CWindow* window, bool append);
    bool inPriorityBand();
    bool unitAllows() const;
    void endCursor() const;
    void beginCursor() const;
    // Entered, or left by a release over it and not yet told of leaving.
    bool owesLeaving() const { return inside_ || leavingOwed_; }
    // Leaving and entering, told to the spot (entering with a move first).
    int leave(CXPoint point, int flags);
    int enter(CXPoint point, int flags);

    static bool isRegistered(const CHotSpot* spot);
    static int dispatchMove(CXPoint point, int flags);
    static int dispatchLeftDown(CXPoint point, int flags);
    static int dispatchLeftUp(CXPoint point, int flags);
    static int dispatchRightDown(CXPoint point, int flags);

    void* parent_ = nullptr;
    int id_ = -1;
    CXRect rect_;
    CGraphicsObject* graphics_ = nullptr;
    bool enabled_ = true;
    bool cursor_ = true;
    bool inside_ = false;
    // A left release over the spot counts it as not entered, so the next move over it enters
    // again; until then the spot is still owed its leaving.
    bool leavingOwed_ = false;
    CScreenUnit* unit_ = nullptr;
    int priority_ = 0;
    CMC_Button* button_ = nullptr;
    bool alpha_ = false;

    static inline std::unique_ptr<std::vector<CHotSpot*>> list_;
    static inline CWindow* registryWindow_ = nullptr;
    static inline int minPriority_ = defaultMinPriority;
    static inline int maxPriority_ = defaultMaxPriority;
};
