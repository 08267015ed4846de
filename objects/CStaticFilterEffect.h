#pragma once

#include "graphics/CPlayableObserver.h"
#include "objects/CLinkedEffect.h"
#include "objects/CStaticFilterLink.h"
#include "objects/CStaticFilterParams.h"

#include <memory>

class CAnimo;
class CXString;

// The pixel effect of a STATICFILTER: it changes a picture once, when the picture is linked. On an
// animation it changes the frame shown (CURRENTFRAME, the default) or every frame. With CANUNDO
// the pictures are kept as they were and given back, pixels, size and place, when the link goes
// (UNLINK, ONEATTIME, the object's done); an animation linked with CURRENTFRAME and CANUNDO is
// then followed: the frame it leaves gets its pixels back and the frame it shows is changed, so
// only the frame shown is ever altered.
//
// Only 15- and 16-bit pictures with planes of their own are changed; packed ones are unpacked for
// good, and packed again when they are given back.
class CStaticFilterEffect : public CLinkedEffect, public CPlayableObserver {
public:
    // The effect an ACTION word names (COLORCHANNEL, GRAYSCALE, BLUR, ROTATE, SCALE, NEGATIVE,
    // RANDOMJITTER, WAVES: exact); null for another word.
    static std::unique_ptr<CStaticFilterEffect> make(const CXString& action, CWindow* window);

    // Stops following animations; the pictures keep what the effect made of them.
    ~CStaticFilterEffect() override;

    CStaticFilterParams& params() override = 0;
    // The effect on one raw picture.
    virtual void apply(CGraphicsObject* picture) = 0;

    // A followed animation shows another frame.
    bool onPlayableTick(CPlayable* playable) override;

protected:
    using Slot = CStaticFilterLink::Slot;

    // What an effect changes: the colour plane in place, or new planes, alpha included (what
    // giving back puts back whole), or new planes of another size and a new place besides.
    enum class Changes { Pixels, Planes, Geometry };

    CStaticFilterEffect(CWindow* window, Changes changes) : CLinkedEffect(window), changes_(changes) {}

    std::shared_ptr<CEffectLink> createLink(const CEffectLink::Target& target) override;
    // Applies the effect to the new link's picture.
    void addLink(const std::shared_ptr<CEffectLink>& link) override;
    // Gives the pictures back when they were kept.
    void removeLink(const std::shared_ptr<CEffectLink>& link) override;
    void forgetLink(CEffectLink& link) override;

private:
    void linkPicture(CStaticFilterLink& link, CGraphicsObject* picture);
    void linkAnimation(CStaticFilterLink& link, CAnimo* animation);
    // With CANUNDO the frame's slot is saved first (nothing when it cannot be); then the effect,
    // under the animation's clipping.
    void processFrame(CStaticFilterLink& link, CAnimo* animation, int frame);
    // The picture made raw and kept in the slot; false when it cannot be changed.
    bool save(Slot& slot, CGraphicsObject* picture) const;
    // The picture as the slot kept it, packed again when it was packed.
    void restore(Slot& slot, CGraphicsObject* picture) const;
    void applyRaw(CGraphicsObject* picture);

    Changes changes_;
};
