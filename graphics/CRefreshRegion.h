#pragma once

#include "foundation/CXArray.h"
#include "foundation/CXRect.h"

// The dirty rectangles of the screen. They never overlap and cover exactly the union of the
// rectangles added since the region was last emptied. A whole region holds one null entry, which
// stands for the whole screen; nothing added changes it until it is emptied. A new region is
// whole, so the first frame draws everything.
class CRefreshRegion : public CXArray {
public:
    CRefreshRegion();
    ~CRefreshRegion() override;

    // Null, or exactly (0, 0, 800, 600), makes the region whole; any other rectangle is cut into
    // the pieces not covered yet. Rectangles without area add nothing.
    void add(const CXRect* rect);
    // Deletes the rectangles; the region is empty and no longer whole.
    void removeAll() override;

    bool isWhole() const { return whole_; }
    // The entry at the index; null for the whole-screen entry.
    CXRect* rectAt(int index) const { return static_cast<CXRect*>((*this)[index]); }

private:
    bool whole_;
};
