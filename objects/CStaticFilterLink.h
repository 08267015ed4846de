#pragma once

#include "foundation/CXRect.h"
#include "graphics/CPlayableRef.h"
#include "objects/CEffectLink.h"

#include <cstdint>
#include <memory>
#include <vector>

class CAnimo;

// A picture linked to a STATICFILTER effect, with what it takes to give it back: one slot for a
// plain picture, one per frame of an animation, each holding a copy of the picture as it was
// (colour plane, alpha plane when the effect changes it, size, position, packing) once the slot
// is done. For an animation the link also knows the frame it changed last and keeps the
// animation weakly, to stop following it even when its object is gone.
class CStaticFilterLink : public CEffectLink {
public:
    struct Slot {
        std::unique_ptr<uint8_t[]> colour;
        std::unique_ptr<uint8_t[]> alpha;
        CXSize size;
        CXPoint position;
        bool packed = false;
        bool done = false;
    };

    CStaticFilterLink(const Target& target, CAnimo* animation);

    std::vector<Slot>& slots() { return slots_; }
    // The slot of a frame (0 for a plain picture); null when there is none.
    Slot* slot(int index);
    int getProcessed() const { return processed_; }
    void setProcessed(int frame) { processed_ = frame; }
    // Null for a plain picture, and once the animation is deleted.
    CAnimo* getAnimation() const { return animation_.get(); }
    bool isAnimation() const { return isAnimation_; }

private:
    std::vector<Slot> slots_;
    int processed_ = -1;
    CPlayableRef<CAnimo> animation_;
    bool isAnimation_;
};
