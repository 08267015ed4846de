#pragma once

#include "graphics/CAnimoHolder.h"
#include "graphics/CPlayableObserver.h"
#include "objects/CMC_GraphicsMedia.h"

class CAnimo6;
class CXArray;

// The ANIMO script object (type 2000): an animation (CAnimo6) of frames grouped into named events,
// shown, played and driven by scripts. It raises "ONSTARTED" and "ONFINISHED" when its animation
// starts or ends an event (as "^" + E, then plain, where E is the event's name upper-cased without
// a trailing "_REVERSE"), "ONFRAMECHANGED" at each step of it (see the source), the collision
// signals with E, and as a button the pointer signals, playing its animation's own "ONFOCUSON",
// "ONFOCUSOFF" and "ONCLICK" events on the way unless "ONCLICK" is playing.
//
// The object hears its animation from its construction from a definition; an object restored
// from the scene archive hears it from its first PLAY of an event. Sequence playables may borrow
// its animation (addSeq): they are given every new one and none when the object is done.
class CMC_Animo : public CMC_GraphicsMedia, public CPlayableObserver, public CAnimoHolder {
public:
    // "ONINIT", "ONDONE", "ONSIGNAL", "ONSTARTED", "ONFINISHED", "ONPAUSED", "ONRESUMED",
    // "ONFRAMECHANGED", "ONCOLLISION", "ONCOLLISIONFINISHED", "ONFOCUSON", "ONFOCUSOFF",
    // "ONCLICK", "ONRELEASE". Nothing raises ONPAUSED and ONRESUMED.
    static const CSignalList& signalList();

    // Empty, named "temp", to be restored from the scene archive or made by CREATE.
    explicit CMC_Animo(CMC_ObjectsContainer* container);
    // From a definition: FILENAME, PRELOAD, FLUSHAFTERPLAYED, VISIBLE, TOCANVAS, PRIORITY, FPS
    // (0 or absent: 15; negative: 1), MONITORCOLLISION, MONITORCOLLISIONALPHA, ASBUTTON,
    // ONFIRSTFRAME, then the behaviours.
    CMC_Animo(CMC_ObjectsContainer* container, CMElement* element);
    // A clone around a copy of an animation, which it owns and hears alone; named "clone".
    CMC_Animo(CMC_ObjectsContainer* container, CAnimo6* copy);
    ~CMC_Animo() override;

    // A clone with a copy of the animation, shown at this object's priority (0 when this one is
    // not shown); null without an animation.
    CXObject* clone() const override;

    // E of an event name: without a trailing "_REVERSE" when the name is longer than that.
    virtual CXString getSignalEvent(const CXString& event);
    // Mouse handling on or off; the animation plays "ONNOEVENT" and the object is not focused.
    void setAsButton(bool asButton, bool switchCursor);
    // Hit tests against the first frame (ONFIRSTFRAME).
    void setFirstFrameHit(bool firstFrame) { firstFrameHit_ = firstFrame; }
    bool isFirstFrameHit() const { return firstFrameHit_; }
    // A playable that borrows the animation (held once), and its end.
    void addSeq(CPlayable* sequence);
    void removeSeq(CPlayable* sequence);
    // Null before a load.
    CAnimo6* getAnimo() const;

    bool onPlayableStarted(CPlayable* playable) override;
    bool onPlayableTick(CPlayable* playable) override;
    bool onPlayableFinished(CPlayable* playable) override;
    CPlayable* getAnimoPlayable() override;

    using CMC_PointerTarget::onClick;

protected:
    const CSignalList& signals() const override { return signalList(); }
    bool isShown() override;
    CXRect hitRect() override;
    void beforePointerSignal(Pointer event) override;
    // The cursor was switched with the animation's event.
    void afterPointerSignal(Pointer event) override {}

    bool takeShared(CResourcesManager* manager, const CXString& file) override;
    void makeEngine() override;
    void readFile(const CXString& file) override;
    void letGo() override;
    void redisplayed() override;
    void loaded() override;
    bool collisionEvent(CXString& event) override;

private:
    // The animation's side of the pointer: its event played unless "ONCLICK" plays, and the
    // cursor switched.
    void onFoncusOn();
    void onFocusOff();
    void onClick();
    void playUnlessClicked(const char* event);
    // E of the current event.
    CXString currentEvent();
    void raiseFrameChanged();
    // Every borrowing playable gets the animation (null: none).
    void lendAnimation(CAnimo6* animation);

    bool firstFrameHit_ = false;
    CXArray* sequences_ = nullptr;
};
