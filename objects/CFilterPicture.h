#pragma once

class CGraphicsObject;

// The picture a filter changes for a linked graphics object: the object itself, or for an
// animation the frame it shows (whose planes the animation borrows, so it must show them again
// after they change). Only a picture with 15- or 16-bit planes of its own is changed; a packed
// one is unpacked for good first.
class CFilterPicture {
public:
    // The picture drawn for the graphics object, raw; null when it cannot be changed.
    static CGraphicsObject* rawDrawn(CGraphicsObject* graphics);
    // The picture unpacked for good; false when it is not a raw 15- or 16-bit picture of its own
    // with pixels.
    static bool makeRaw(CGraphicsObject* picture);
    // Whether the picture is raw and of its own: what makeRaw leaves.
    static bool isRaw(CGraphicsObject* picture);
    // An animation shows its current frame's planes as they now are.
    static void showChanged(CGraphicsObject* graphics);
    // 5-6-5 pixels (16 bits), else 5-5-5.
    static bool is565(CGraphicsObject* picture);
};
