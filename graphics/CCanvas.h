#pragma once

#include "graphics/CGraphicsObject.h"

#include <cstdint>
#include <memory>

class CRefreshScreen;
class CValidationQuene;

// A picture that other pictures are drawn into instead of onto the screen. Its children, in
// ascending priority (equal priorities in the order they were added), are drawn into its own
// planes on every Redraw, and the canvas is then drawn onto its target like any picture. The
// children are not owned: a child that is destroyed leaves the canvas, and a canvas that goes
// away leaves its children without a target.
//
// An optional background of the canvas's size is its lowest child (priority -1) and owned by it:
// a paint surface that pictures are stamped into (draw), cut out of (erase) and that the whole
// picture can be flattened into (capture). Without a background those three change nothing.
//
// A changed child makes its rectangle dirty on the window's screen; from the eleventh change
// between two redraws on, the whole canvas is invalidated once instead.
class CCanvas : public CGraphicsObject {
public:
    // The child changes between two redraws that are passed on one by one.
    static constexpr int maxRegions = 10;
    // A canvas of more pixels than this (or of a negative side) is made empty.
    static constexpr int64_t maxPixels = int64_t(1) << 24;

    // Planes of the size in the pixel format (16-bit pixels), cleared; with `alpha` an alpha plane;
    // with `background` a background of the same size and format (with an alpha plane of its own
    // when `alpha`), all cleared.
    CCanvas(CWindow* window, CXSize size, int format, bool alpha, bool background);
    // Stops watching its children and leaves them without a target; deletes the background.
    ~CCanvas() override;

    // Nothing for a child already there; otherwise the canvas watches it and becomes its target,
    // and it is invalidated.
    virtual void add(CGraphicsObject* object, int priority);
    // The canvas stops watching it; its target is cleared when it is this canvas.
    virtual void remove(CGraphicsObject* object);
    // Every child leaves; the background comes back at priority -1.
    virtual void removeAll();
    // The colour and alpha planes (and with `withBackground` the background's) are zeroed inside
    // the clipping rectangle, or wholly when there is none.
    virtual void clear(bool withBackground);
    // The picture as it is composed (background and children) becomes the background, whose
    // planes take it over; then the children leave. Nothing without a background.
    virtual void capture();
    // The object's alpha (255 where it has no alpha plane), placed with its top-left at (x, y), is
    // taken off the alpha planes of the canvas and of the background, saturating at 0, where it
    // covers them. Nothing unless both have alpha planes.
    virtual void erase(CGraphicsObject* object, int x, int y);
    // The object drawn into the background with its top-left at (x, y), unclipped, then left
    // where it was. Nothing without a background.
    virtual void draw(CGraphicsObject* object, int x, int y);

    // A canvas of the same size and format holding the same children at their priorities, with a
    // background (a copy of this one's pixels) when this one has one; put on the window's screen at
    // this canvas's priority when it stands there.
    CXObject* clone() const override;
    // Composes the picture into the canvas's planes and draws the canvas onto its target.
    void Redraw() override;
    // Clears and draws the visible children into the canvas's planes, within the clipping
    // rectangle when there is one.
    void compose();

    // A child changed (see the class comment).
    void onInvalidate(CGraphicsObject* object, CXRect* rect) override;
    // A child is being destroyed: it leaves.
    void onDestroy(CGraphicsObject* object) override;

    CGraphicsObject* getBackground() const { return background_.get(); }
    int getChildCount() const;
    CGraphicsObject* getChild(int index) const;
    // Child changes since the last redraw.
    int getInvalidations() const { return invalidations_; }

private:
    // A zeroed alpha plane of the picture's size.
    static void giveAlphaPlane(CGraphicsObject& picture);
    // Zeroes the part of the picture's raw planes that lies within them.
    static void clearPart(CGraphicsObject& picture, const CXRect& part);
    void drawChild(CGraphicsObject* child, const CXRect& clip);
    // Forgets the child; true when it was one.
    bool forget(CGraphicsObject* object);
    CRefreshScreen* screen() const;
    // Draws the planes as they are onto the target at (0, 0), opaque and unclipped.
    void drawWholeOnto(CGraphicsObject* target);

    std::unique_ptr<CValidationQuene> children_;
    std::unique_ptr<CGraphicsObject> background_;
    int invalidations_ = 0;
    // The whole canvas was invalidated since the last redraw.
    bool wholeInvalidated_ = false;
    // Set while composing: a canvas found among its own children's children draws nothing.
    bool composing_ = false;
};
