#include "graphics/CAlphaStamp.h"

#include <algorithm>

void CAlphaStamp::save(const uint8_t* alpha, int width, const CXRect& rect)
{
    rect_ = rect;
    saved_.clear();
    if (rect.Width() <= 0 || rect.Height() <= 0)
        return;
    saved_.reserve(size_t(rect.Width()) * size_t(rect.Height()));
    for (int row = rect.top; row < rect.bottom; ++row) {
        const uint8_t* from = alpha + size_t(row) * width + rect.left;
        saved_.insert(saved_.end(), from, from + rect.Width());
    }
}

CXRect CAlphaStamp::restore(uint8_t* alpha, int width, int height)
{
    CXRect covered = rect_;
    rect_ = CXRect();
    if (saved_.empty())
        return CXRect();
    // The target may have changed its size since: only the part still inside it goes back.
    int right = std::min(covered.right, width);
    int bottom = std::min(covered.bottom, height);
    for (int row = covered.top; row < bottom; ++row) {
        const uint8_t* from = saved_.data() + size_t(row - covered.top) * covered.Width();
        if (right > covered.left)
            std::copy(from, from + (right - covered.left), alpha + size_t(row) * width + covered.left);
    }
    saved_.clear();
    return covered;
}
