#include "foundation/CXRect.h"

#include "foundation/CSizedObject.h"
#include "foundation/CXArray.h"

#include <algorithm>
#include <cstdint>

using foundation::wrapAdd;
using foundation::wrapSub;
using foundation::wrapToInt;

CXRect::CXRect(const CXRect* rect) : CXRect()
{
    if (rect != nullptr)
        *this = *rect;
}

bool CXRect::operator==(const CXRect& r) const
{
    return left == r.left && top == r.top && right == r.right && bottom == r.bottom;
}

namespace {
// a + (b - a) / 2 with the division truncating toward zero; never overflows.
int halfway(int a, int b)
{
    return wrapToInt(a + (static_cast<int64_t>(b) - a) / 2);
}
} // namespace

CXPoint CXRect::CenterPoint() const
{
    return CXPoint(halfway(left, right), halfway(top, bottom));
}

CXRect& CXRect::operator+=(CXPoint p)
{
    return *this = *this + p;
}

CXRect& CXRect::operator-=(CXPoint p)
{
    return *this = *this - p;
}

CXRect CXRect::operator+(CXPoint p) const
{
    return CXRect(wrapAdd(left, p.x), wrapAdd(top, p.y), wrapAdd(right, p.x), wrapAdd(bottom, p.y));
}

CXRect CXRect::operator-(CXPoint p) const
{
    return CXRect(wrapSub(left, p.x), wrapSub(top, p.y), wrapSub(right, p.x), wrapSub(bottom, p.y));
}

CXRect& CXRect::Explode(int dx, int dy)
{
    *this = CXRect(wrapSub(left, dx), wrapSub(top, dy), wrapAdd(right, dx), wrapAdd(bottom, dy));
    return *this;
}

CXRect& CXRect::Sum(const CXRect& r)
{
    *this = CXRect(std::min(left, r.left), std::min(top, r.top), std::max(right, r.right), std::max(bottom, r.bottom));
    return *this;
}

void CXRect::Common(const CXRect& r, CXRect* out) const
{
    if (out != nullptr)
        *out = Common(r);
}

CXRect CXRect::Common(const CXRect& r) const
{
    CXRect common(std::max(left, r.left), std::max(top, r.top), std::min(right, r.right), std::min(bottom, r.bottom));
    if (common.right < common.left || common.bottom < common.top)
        return CXRect();
    return common;
}

bool CXRect::IsPartOf(const CXRect& r) const
{
    return left >= r.left && top >= r.top && right <= r.right && bottom <= r.bottom;
}

CXPoint CXRect::GetCenteredPosition(CSizedObject* object) const
{
    int64_t objectWidth = object != nullptr ? object->getWidth() : 0;
    int64_t objectHeight = object != nullptr ? object->getHeight() : 0;
    int64_t width = static_cast<int64_t>(right) - left;
    int64_t height = static_cast<int64_t>(bottom) - top;
    return CXPoint(wrapToInt(left + (width - objectWidth) / 2), wrapToInt(top + (height - objectHeight) / 2));
}

CXArray* CXRect::sub(const CXRect& r) const
{
    auto* parts = new CXArray(5, 0.75f);
    CXRect covered = Common(r);
    if (covered.Width() == 0 || covered.Height() == 0)
        return parts;
    // Full-width bands above and below the covered part, then the side bands between them.
    addRect(parts, left, top, right, covered.top);
    addRect(parts, left, covered.bottom, right, bottom);
    addRect(parts, left, covered.top, covered.left, covered.bottom);
    addRect(parts, covered.right, covered.top, right, covered.bottom);
    return parts;
}

void CXRect::addRect(CXArray* list, int l, int t, int r, int b)
{
    if (list == nullptr || t >= b || l >= r)
        return;
    list->add(new CXRect(l, t, r, b));
}

void CXRect::Set(CXPoint topLeft, CXSize size)
{
    *this = CXRect(topLeft.x, topLeft.y, wrapAdd(topLeft.x, size.cx), wrapAdd(topLeft.y, size.cy));
}

CXRect CXRect::operator|(const CXRect& r) const
{
    CXRect joined(*this);
    return joined.Sum(r);
}

CXRect CXRect::operator+(CXSize s) const
{
    return CXRect(left, top, wrapAdd(right, s.cx), wrapAdd(bottom, s.cy));
}
