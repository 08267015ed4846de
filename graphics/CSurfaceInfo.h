#pragma once

#include "foundation/CXRect.h"

#include <cstdint>
#include <memory>

class CDirectDrawSurface;

// One rectangle of the screen as the window copied it to the display: when, a copy of its pixels
// (owned), where it came from, and whether the mirror has shown it yet.
class CSurfaceInfo {
public:
    CSurfaceInfo(uint32_t tickMs, std::unique_ptr<CDirectDrawSurface> copy, const CXRect& rect);
    ~CSurfaceInfo();
    CSurfaceInfo(const CSurfaceInfo&) = delete;
    CSurfaceInfo& operator=(const CSurfaceInfo&) = delete;

    uint32_t getTick() const { return tickMs_; }
    CDirectDrawSurface* getSurface() const { return copy_.get(); }
    const CXRect& getRect() const { return rect_; }
    bool wasShown() const { return shown_; }
    void markShown() { shown_ = true; }

private:
    uint32_t tickMs_;
    std::unique_ptr<CDirectDrawSurface> copy_;
    CXRect rect_;
    bool shown_ = false;
};
