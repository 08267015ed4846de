#pragma once

#include "foundation/CXObject.h"
#include "foundation/CXPoint.h"
#include "foundation/CXRect.h"
#include "foundation/CXSize.h"

#include "platform/Display.h"

#include <cstdint>

class CDirectDrawSurface;
class CSecondaryDisplay;

namespace platform {
class HostWindow;
} // namespace platform

// The display device: the screen in the host window (windowed, or full screen with an optional
// back buffer to flip), its pixel format, and the copies that bring a finished frame to it. Each
// copy restores a lost surface and tries once more. Making one opens the platform's display (or
// the second display of a mirror), deleting it closes it. The error code holds the display's
// answer to opening it (0 on success).
class CSurface : public CXObject {
public:
    // Windowed, the client area of that size in the desktop's format.
    CSurface(platform::HostWindow* window, CXSize size);
    // The same on a display of its own (a second window's).
    CSurface(platform::Display& device, platform::HostWindow* window, CXSize size);
    // Full screen at bpp bits a pixel; the bits the display gave are written back.
    CSurface(CXSize& size, int& bpp, platform::HostWindow* window, bool pageFlipping);
    ~CSurface() override;
    CSurface(const CSurface&) = delete;
    CSurface& operator=(const CSurface&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    int GetBPP() const { return bpp_; }
    // The screen's pixels as the last Lock gave them.
    uint8_t* GetScreenPtr() const { return screen_; }
    platform::DisplaySurface* GetPrimaryBufferInterface() const;
    platform::DisplaySurface* GetBackBufferInterface() const;
    bool IsFlippingEnabled() const { return GetBackBufferInterface() != nullptr; }
    bool isWindowMode() const { return windowMode_; }
    platform::DisplayFormat GetPixelFormat() const { return device_->format(); }
    // Told of every rectangle copied to the screen in window mode; not owned, null for none.
    void setSecondaryDisplay(CSecondaryDisplay* mirror) { mirror_ = mirror; }

    int Lock();
    void UnLock();
    // The back buffer is shown.
    int Flip();
    void waitForVB();

    // The source rectangle onto the screen's target rectangle (null rectangles are whole).
    int Blt(CDirectDrawSurface* source, CXRect* sourceRect, CXRect* targetRect);
    // The source rectangle onto the screen with its top-left at (x, y); the mirror takes a copy.
    int Blt(CDirectDrawSurface* source, int x, int y, CXRect* sourceRect);
    int Blt(CDirectDrawSurface* source, CXPoint at, CXRect* sourceRect);
    // Called every turn: the screen reaches the desktop at its refresh; `exposed` shows it again.
    void present(bool exposed);

private:
    void opened(int result);

    platform::Display* device_;
    int width_;
    int height_;
    int bpp_;
    uint8_t* screen_;
    bool windowMode_;
    CSecondaryDisplay* mirror_ = nullptr;
};
