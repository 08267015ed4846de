#pragma once

#include "foundation/CXPoint.h"
#include "foundation/CXRect.h"

class CGraphicsObject;

// Draws a picture onto another picture once, where it does not stand: its position, clipping
// rectangle and target are set for the drawing and put back afterwards, so the picture stays
// where it is shown. Positions are the stored top-left corners (an anchor does not shift them).
class CStamp {
public:
    // The picture's part inside `clip` (its own coordinates; empty for all of it) drawn with the
    // picture's top-left at `position` on the target.
    static void draw(CGraphicsObject* picture, CGraphicsObject* target, CXPoint position, const CXRect& clip);
    // Stores the top-left corner as it is, whatever the picture's anchor.
    static void place(CGraphicsObject* picture, CXPoint position);
};
