#pragma once

#include "graphics/CGraphicsObject.h"

#include <vector>

class CAnimo;
class CRefreshScreen;

// A picture without pixels of its own: at its own position it shows the pixels of a source
// picture through the alpha of a mask picture (or of the frame an animation showed when it was
// made the mask). Where the mask stands picks the part of the source shown: the object's pixel
// (j, i) is the source's pixel at the mask's position plus (j, i), weighted by the mask's alpha
// at (j, i) (a mask without an alpha plane is opaque). Without a mask the source draws itself
// where it stands.
//
// Its size is the mask's, the source's, or the smaller of both in each direction. It watches both
// pictures: a change of either inside the mask's box draws it again, and one that is destroyed is
// forgotten. A source that stands on no target is brought up to date (redrawn) once per screen
// frame before it is shown, however many virtual objects show it.
class CVirtualGraphicsObject : public CGraphicsObject {
public:
    explicit CVirtualGraphicsObject(CWindow* window);
    // Stops watching both pictures; the size becomes 0 by 0.
    ~CVirtualGraphicsObject() override;

    // Nothing when it is the source already; the object takes its pixel format.
    void setSource(CGraphicsObject* source);
    // The picture's alpha is the mask from now on; nothing when it is the mask already.
    void setMask(CGraphicsObject* mask);
    // The animation's current frame is the mask from now on; nothing when the animation is the
    // mask's owner already.
    void setMask(CAnimo* animation);
    CGraphicsObject* getSource() const { return source_; }
    CGraphicsObject* getMask() const { return mask_; }
    CGraphicsObject* getMaskOwner() const { return maskOwner_; }

    // Box only without the alpha test; with it the mask's alpha at the point must not be 0.
    // Without a mask the source's own test (false without a source).
    bool testHit(CXPoint point, bool alpha) override;
    // Draws as the class comment says; nothing without a source.
    void redraw(CGraphicsObject* target) override;
    // The whole object is drawn again when the rectangle meets the mask's box (or, without a
    // mask, at all).
    using CGraphicsObject::Invalidate;
    void Invalidate(CXRect* rect) override;
    // A copy showing the same source through the same mask, where this one stands.
    CXObject* clone() const override;

    void onDestroy(CGraphicsObject* object) override;

    // Forgets which sources were brought up to date in which frame.
    static void resetStatics();

private:
    // Both pictures start watched; one that is neither source nor mask any more stops.
    void watch(CGraphicsObject* object);
    void unwatch(CGraphicsObject* object);
    void sizeAgain();
    CRefreshScreen* screen() const;
    // A source on no target is redrawn once in the screen frame.
    void bringSourceUpToDate();
    void drawThroughMask(CGraphicsObject* target);

    CGraphicsObject* source_ = nullptr;
    CGraphicsObject* maskOwner_ = nullptr;
    CGraphicsObject* mask_ = nullptr;
    // Set while drawing, and while passing a change on: two virtual objects showing each other
    // stop there.
    bool drawing_ = false;
    bool invalidating_ = false;

    // The screen and its frame, and the sources without a target redrawn in it (compared, never
    // followed).
    static inline const CRefreshScreen* updatedScreen_ = nullptr;
    static inline int updatedFrame_ = -1;
    static inline std::vector<const CGraphicsObject*> updatedSources_;
};
