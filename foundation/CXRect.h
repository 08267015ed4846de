#pragma once

#include "foundation/CXPoint.h"
#include "foundation/CXSize.h"

class CXArray;
class CSizedObject;

// A rectangle in pixels: left and top edges included, right and bottom excluded. Nothing keeps
// width and height non-negative; arithmetic wraps at 32 bits.
class CXRect {
public:
    CXRect() : left(0), top(0), right(0), bottom(0) {}
    explicit CXRect(int all) : left(all), top(all), right(all), bottom(all) {}
    CXRect(int l, int t, int r, int b) : left(l), top(t), right(r), bottom(b) {}
    CXRect(CXPoint topLeft, CXPoint bottomRight)
        : left(topLeft.x), top(topLeft.y), right(bottomRight.x), bottom(bottomRight.y) {}
    // A copy of *rect; all zeros for null.
    explicit CXRect(const CXRect* rect);
    CXRect(const CXRect& other) = default;
    CXRect& operator=(const CXRect& other) = default;
    virtual ~CXRect() = default;

    int Width() const { return foundation::wrapSub(right, left); }
    int Height() const { return foundation::wrapSub(bottom, top); }
    // Zero width or zero height; a negative extent is not empty.
    bool IsEmpty() const { return right == left || bottom == top; }
    void SetToEmpty() { *this = CXRect(); }
    bool operator==(const CXRect& r) const;
    bool operator!=(const CXRect& r) const { return !(*this == r); }

    // Centre rounded toward zero.
    CXPoint CenterPoint() const;
    CXPoint TopLeft() const { return CXPoint(left, top); }
    CXPoint LeftTop() const { return TopLeft(); }
    CXPoint RightTop() const { return CXPoint(right, top); }
    CXPoint LeftBottom() const { return CXPoint(left, bottom); }
    CXPoint RightBottom() const { return CXPoint(right, bottom); }

    CXRect& operator+=(CXPoint p);
    CXRect& operator-=(CXPoint p);
    CXRect operator+(CXPoint p) const;
    CXRect operator-(CXPoint p) const;

    bool IsInRect(CXPoint p) const { return IsInRect(p.x, p.y); }
    bool IsInRect(int x, int y) const { return left <= x && x < right && top <= y && y < bottom; }

    // Moves the edges outwards by dx and dy (inwards for negative values).
    CXRect& Explode(int dx, int dy);
    CXRect& Explode(int d) { return Explode(d, d); }
    CXRect& Explode(CXSize s) { return Explode(s.cx, s.cy); }

    // In place: the bounding rectangle of both.
    CXRect& Sum(const CXRect& r);
    // The intersection; all zeros when the rectangles are apart. Rectangles that only touch give a
    // rectangle of zero width or height.
    void Common(const CXRect& r, CXRect* out) const;
    CXRect Common(const CXRect& r) const;
    // True when this rectangle lies within r.
    bool IsPartOf(const CXRect& r) const;
    bool isInside(const CXRect& r) const { return IsPartOf(r); }

    // Top-left position at which the object is centred in this rectangle (a null object counts as
    // zero-sized).
    CXPoint GetCenteredPosition(CSizedObject* object) const;
    // The parts of this rectangle outside r: a new array of new rectangles, at most four, not
    // overlapping. The caller deletes the rectangles and the array.
    CXArray* sub(const CXRect& r) const;
    // Appends a new rectangle to the list unless it has no width or height.
    static void addRect(CXArray* list, int l, int t, int r, int b);

    // Position and size.
    void Set(CXPoint topLeft, CXSize size);
    // Union, as Sum.
    CXRect& operator|=(const CXRect& r) { return Sum(r); }
    CXRect operator|(const CXRect& r) const;
    // A copy grown to the right and downwards by the size.
    CXRect operator+(CXSize s) const;

    int left;
    int top;
    int right;
    int bottom;
};
