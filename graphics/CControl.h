#pragma once

#include "graphics/CKeyListener.h"

#include "foundation/CXObject.h"
#include "foundation/CXPoint.h"

#include <memory>
#include <vector>

class CControlNotifier;
class CWindow;

// The base of the user-interface controls. A control does not watch the mouse itself: its hot
// spot or the scene unit calls its event operations, and each of them only tells the registered
// notifiers, in the order they were added. The enabled flag is the owner's to consult.
class CControl : public CXObject, public CKeyListener {
public:
    explicit CControl(CWindow* window);
    ~CControl() override;
    CControl(const CControl&) = delete;
    CControl& operator=(const CControl&) = delete;

    virtual void SetID(int id) { id_ = id; }
    virtual int getId() const { return id_; }
    virtual void Enable(bool enabled) { enabled_ = enabled; }
    virtual bool IsEnabled() const { return enabled_; }
    // Null is ignored; a notifier added twice is told twice.
    virtual void addNotifier(CControlNotifier* notifier);
    // Removes the first entry of the notifier.
    virtual void removeNotifier(CControlNotifier* notifier);

    // Each tells the notifiers; those returning int answer 0.
    virtual int onMouseMove(CXPoint point);
    virtual int onFocusOn(CXPoint point);
    virtual int onFocusOff(CXPoint point);
    virtual int onClick(CXPoint point);
    virtual int onRelease(CXPoint point);
    virtual int onRClick(CXPoint point);
    virtual void onAction(CXPoint point);
    virtual void onStartDragging(CXPoint point);
    virtual void onDragging(CXPoint point);
    virtual void onEndDragging(CXPoint point);

    // A word for the owner; the control never reads it.
    int GetFlags() const { return flags_; }
    void SetFlags(int flags) { flags_ = flags; }
    CWindow* getWindow() const { return window_; }

    // Turns false when the control is destroyed: whoever calls several steps that may run scripts
    // holds one and stops when the control is gone.
    std::shared_ptr<const bool> lifeToken() const { return alive_; }

protected:
    using Notification = void (CControlNotifier::*)(CControl*, CXPoint);
    // Tells the notifiers registered when the round starts, in order; one removed during the
    // round is not told any more (it may be gone), one added waits for the next round.
    void notify(Notification notification, CXPoint point);

private:
    CWindow* window_;
    int id_ = -1;
    bool enabled_ = true;
    int flags_ = 0;
    std::vector<CControlNotifier*> notifiers_;
    std::shared_ptr<bool> alive_;
};
