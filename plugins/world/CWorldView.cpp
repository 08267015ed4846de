#include "plugins/world/CWorldView.h"

#include <climits>
#include <cmath>

void CWorldView::follow(float x, float y)
{
    const Point drawn = fixedToScreen(x, y);
    const bool horizontally = (moveFlags_ & kFollowHorizontally) != 0;
    const bool vertically = (moveFlags_ & kFollowVertically) != 0;
    const float scrollX = horizontally ? drawn.x - kCentreX : 0.0f;
    const float scrollY = vertically ? drawn.y - kCentreY : 0.0f;
    const float backX = overshoot(scrollX, left_, right_, kScreenWidth);
    const float backY = overshoot(scrollY, top_, bottom_, kScreenHeight);
    backgroundX_ = scrollX + backX;
    backgroundY_ = scrollY + backY;
    // Where the reference body is drawn now: held at the centre, unless the bounds stopped the
    // scroll short of it.
    const float referenceX = horizontally ? kCentreX - backX : drawn.x;
    const float referenceY = vertically ? kCentreY - backY : drawn.y;
    offsetX_ = referenceX - x;
    offsetY_ = referenceY + y;
}

void CWorldView::setBackground(float left, float right, float top, float bottom)
{
    left_ = left;
    right_ = right;
    top_ = top;
    bottom_ = bottom;
}

float CWorldView::overshoot(float scroll, float low, float high, float screen)
{
    if (scroll < low)
        return low - scroll;
    if (scroll > high - screen)
        return high - screen - scroll;
    return 0.0f;
}

int CWorldView::truncated(float value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 2147483648.0f)
        return INT_MAX;
    if (value <= -2147483648.0f)
        return INT_MIN;
    return static_cast<int>(value);
}
