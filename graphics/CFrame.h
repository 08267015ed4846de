#pragma once

#include "graphics/CGraphicsObject.h"

// One picture of an animation. Besides its planes it knows where it stands within the animation
// (its offset, set from the file's frame head) and how far it has been moved since it was last
// placed (its position offset).
class CFrame : public CGraphicsObject {
public:
    explicit CFrame(CWindow* window);
    // A view of another object's planes, standing where that object stands.
    CFrame(CWindow* window, CGraphicsObject* picture);

    // The moves made since the frame was last placed.
    virtual void SetPosOffset(int x, int y) { posOffset_ = CXPoint(x, y); }
    CXPoint getPosOffset() const { return posOffset_; }
    // Where the frame stands within the animation.
    CXPoint GetFramePosition() const { return offset_; }
    CXPoint GetPosition() override { return offset_; }

    // Places the frame afresh: the position offset starts again from nothing.
    void SetPosition(int x, int y) override;
    // Places the frame keeping its position offset.
    void SetPosition(CXPoint p) override;
    // Moves the frame, its offset and its position offset alike.
    void Move(int dx, int dy) override;
    using CGraphicsObject::Move;

    // A packed frame is unpacked first (code 4 keeps its packed planes aside).
    void redraw(CGraphicsObject* target) override;

    // The head layout the frame was read with (animation files).
    int getHeadLayout() const { return headLayout_; }
    void setHeadLayout(int layout) { headLayout_ = layout; }

    // Takes raw copies of the planes of another object (an alpha plane only when it has one),
    // its size and pixel format.
    void copyPlanesOf(CGraphicsObject* picture);

private:
    int headLayout_ = 0;
    CXPoint posOffset_;
    CXPoint offset_;
};
