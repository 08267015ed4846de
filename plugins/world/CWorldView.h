#pragma once

#include <cstdint>

// The camera of a WORLD: where the world stands on the 800 x 600 screen, and how far the
// background has scrolled. Scripts speak screen units (y down), the simulation world units (y up).
// Two conversions serve the methods: the fixed one, about the screen's centre whatever the view,
// and the view's own, about its offset. The view can follow a reference body, horizontally,
// vertically or both, holding it at a centre until the background's bounds are reached.
class CWorldView {
public:
    struct Point {
        float x;
        float y;
    };
    static constexpr float kScreenWidth = 800.0f;
    static constexpr float kScreenHeight = 600.0f;
    // Where a followed body is held on the screen.
    static constexpr float kCentreX = 400.0f;
    static constexpr float kCentreY = 300.0f;
    static constexpr int kFollowHorizontally = 1;
    static constexpr int kFollowVertically = 2;

    virtual ~CWorldView() = default;

    static Point fixedToWorld(float screenX, float screenY)
    {
        return {screenX - kScreenWidth / 2, kScreenHeight / 2 - screenY};
    }
    static Point fixedToScreen(float worldX, float worldY)
    {
        return {worldX + kScreenWidth / 2, kScreenHeight / 2 - worldY};
    }
    Point toWorld(float screenX, float screenY) const { return {screenX - offsetX_, offsetY_ - screenY}; }
    Point toScreen(float worldX, float worldY) const { return {offsetX_ + worldX, offsetY_ - worldY}; }

    // Whole screen units, truncated toward zero; held at the ends of int's range, 0 for NaN.
    static int truncated(float value);

    // Moves the view after the reference body, now at (x, y) in the world.
    void follow(float x, float y);

    void setReference(uint32_t body) { reference_ = body; }
    uint32_t reference() const { return reference_; }
    // kFollowHorizontally and kFollowVertically together.
    void setMoveFlags(int flags) { moveFlags_ = flags; }
    void setBackground(float left, float right, float top, float bottom);
    // The scroll of the background.
    float backgroundX() const { return backgroundX_; }
    float backgroundY() const { return backgroundY_; }

private:
    // How far the scroll must go back to keep the screen inside [low, high].
    static float overshoot(float scroll, float low, float high, float screen);

    float left_ = 0.0f;
    float right_ = kScreenWidth;
    float top_ = 0.0f;
    float bottom_ = kScreenHeight;
    float offsetX_ = 400.0f;
    float offsetY_ = 300.0f;
    float backgroundX_ = 0.0f;
    float backgroundY_ = 0.0f;
    int moveFlags_ = 0;
    uint32_t reference_ = 0;
};
