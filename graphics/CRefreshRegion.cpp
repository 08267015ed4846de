#include "graphics/CRefreshRegion.h"

#include <vector>

namespace {

bool overlaps(const CXRect& a, const CXRect& b)
{
    CXRect common = a.Common(b);
    return common.Width() > 0 && common.Height() > 0;
}

} // namespace

CRefreshRegion::CRefreshRegion() : CXArray(101, 0.75f), whole_(true)
{
    CXArray::add(static_cast<void*>(nullptr));
}

CRefreshRegion::~CRefreshRegion()
{
    removeAll();
}

void CRefreshRegion::removeAll()
{
    for (int i = 0; i < getSize(); ++i)
        delete rectAt(i);
    CXArray::removeAll();
    whole_ = false;
}

void CRefreshRegion::add(const CXRect* rect)
{
    if (whole_)
        return;
    // The size of the screen the games were made for, whatever the screen is.
    if (rect == nullptr || *rect == CXRect(0, 0, 800, 600)) {
        removeAll();
        whole_ = true;
        CXArray::add(static_cast<void*>(nullptr));
        return;
    }
    if (rect->Width() <= 0 || rect->Height() <= 0)
        return;
    // Pieces still to place, each cut against the rectangles already held.
    std::vector<CXRect> pending{*rect};
    while (!pending.empty()) {
        CXRect piece = pending.back();
        pending.pop_back();
        int met = 0;
        while (met < getSize() && !overlaps(*rectAt(met), piece))
            ++met;
        if (met == getSize()) {
            CXArray::add(new CXRect(piece));
            continue;
        }
        CXRect* held = rectAt(met);
        if (piece.IsPartOf(*held))
            continue;
        if (held->IsPartOf(piece)) {
            removeAt(met);
            delete held;
            pending.push_back(piece);
            continue;
        }
        CXArray* outside = piece.sub(*held);
        for (int i = 0; i < outside->getSize(); ++i) {
            auto* part = static_cast<CXRect*>((*outside)[i]);
            pending.push_back(*part);
            delete part;
        }
        delete outside;
    }
}
