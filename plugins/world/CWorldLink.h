#pragma once

#include "graphics/CGraphicsRef.h"
#include "script/CMC_ObjectRef.h"

#include <cstdint>

class CGraphicsObject;
class CMC_Object;

// One LINK of a WORLD: a simulation body, the picture that follows it and the script object told
// what happens to it. Neither is owned: each empties itself when its owner deletes it, and a link
// whose picture or object is gone (or was never found) moves or tells nothing.
class CWorldLink {
public:
    static constexpr int kMoves = 1;
    static constexpr int kSignals = 2;

    CWorldLink(uint32_t body, CGraphicsObject* graphics, CMC_Object* object, int flags);
    virtual ~CWorldLink() = default;
    CWorldLink(const CWorldLink&) = delete;
    CWorldLink& operator=(const CWorldLink&) = delete;

    uint32_t body() const { return body_; }
    CGraphicsObject* graphics() const { return graphics_.get(); }
    CMC_Object* object() const { return object_.get(); }
    bool moves() const { return (flags_ & kMoves) != 0; }
    bool signals() const { return (flags_ & kSignals) != 0; }
    void setSignals(bool on) { flags_ = on ? flags_ | kSignals : flags_ & ~kSignals; }
    bool isPaused() const { return paused_; }
    void setPaused(bool paused) { paused_ = paused; }
    // The speed seen at the previous MOVEOBJECTS: 0 at first.
    float lastSpeed() const { return lastSpeed_; }
    void setLastSpeed(float speed) { lastSpeed_ = speed; }

private:
    CGraphicsRef graphics_;
    uint32_t body_;
    int flags_;
    CMC_ObjectRef object_;
    float lastSpeed_ = 0.0f;
    bool paused_ = false;
};
